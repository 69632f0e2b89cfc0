#include "modepages/ModePageList.h"

namespace tarvel {

std::unique_ptr<ModePageEntry> ModePageList::takeFirst() {
    if (nodes_.empty())
        return nullptr;
    std::unique_ptr<ModePageEntry> entry = std::move(nodes_.front());
    nodes_.pop_front();
    return entry;
}

ModePageState& ModePages() {
    static ModePageState state;
    return state;
}

void AppendModePage(std::unique_ptr<ModePageEntry> entry, ModePageState& state) {
    state.list.append(std::move(entry));
}

void EmptyModePageList(ModePageState& state) {
    while (std::unique_ptr<ModePageEntry> entry = state.list.takeFirst()) {
        state.current = entry.get();
        FreeModePageEntry(std::move(entry));
    }
    state.current = nullptr;
}

}  // namespace tarvel
