#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>

#include "modepages/ModePageEntry.h"

namespace tarvel {

/// The ordered list of the record's mode pages. It owns its entries; entries are
/// only appended at the end and are only freed all together by EmptyModePageList.
class ModePageList {
public:
    using Nodes = std::list<std::unique_ptr<ModePageEntry>>;
    /// A node of the list; `none()` stands for no node (after the last, before the first).
    using Position = Nodes::const_iterator;

    ModePageList() = default;
    ModePageList(const ModePageList&) = delete;
    ModePageList& operator=(const ModePageList&) = delete;

    /// Number of entries.
    std::size_t size() const { return nodes_.size(); }
    bool empty() const { return nodes_.empty(); }

    /// First and last node, or none() when the list is empty.
    Position first() const { return nodes_.begin(); }
    Position last() const { return nodes_.empty() ? none() : std::prev(nodes_.end()); }
    /// The node after / before `pos`, or none() after the last / before the first.
    Position next(Position pos) const { return pos == none() ? none() : std::next(pos); }
    Position previous(Position pos) const {
        return pos == none() || pos == nodes_.begin() ? none() : std::prev(pos);
    }
    Position none() const { return nodes_.end(); }
    /// The entry at a node; null for none().
    ModePageEntry* entryAt(Position pos) const { return pos == none() ? nullptr : pos->get(); }

    /// Iteration from first to last entry.
    Nodes::const_iterator begin() const { return nodes_.begin(); }
    Nodes::const_iterator end() const { return nodes_.end(); }

    /// Appends `entry` after the last entry; the list takes ownership.
    void append(std::unique_ptr<ModePageEntry> entry) { nodes_.push_back(std::move(entry)); }
    /// Takes the first entry off the list and hands it to the caller.
    std::unique_ptr<ModePageEntry> takeFirst();

private:
    Nodes nodes_;
};

/// The mode pages of the record on the form, and the values that steer one run of the
/// Mode Select Data dialog. The program has exactly one (ModePages()).
struct ModePageState {
    ModePageList list;
    /// The entry being built, shown, stored or written; owns nothing.
    ModePageEntry* current = nullptr;
    /// Number of pages the form showed when Mode Page Data was last pressed.
    std::int32_t count = 0;
    /// 1 while the dialog runs to edit existing pages.
    int editExisting = 0;
    /// 1 while the dialog runs to add a page.
    int addNew = 0;
};

/// The program-wide mode page state.
ModePageState& ModePages();

/// Appends `entry` to the end of the state's list, which takes ownership.
void AppendModePage(std::unique_ptr<ModePageEntry> entry, ModePageState& state = ModePages());

/// Frees every entry of the state's list, first to last, and leaves no current entry.
void EmptyModePageList(ModePageState& state = ModePages());

}  // namespace tarvel
