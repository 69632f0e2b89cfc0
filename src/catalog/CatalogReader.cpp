#include "catalog/CatalogReader.h"

#include <algorithm>

namespace tarvel {

namespace {

/// Walks a line from left to right, handing out pieces ended by a given delimiter.
class LineCursor {
public:
    explicit LineCursor(std::string_view line) : line_(line) {}

    bool atEnd() const { return pos_ >= line_.size(); }
    std::string_view rest() const { return line_.substr(pos_); }

    /// The piece up to the next `delimiter` (which is consumed), or the rest of the line
    /// when there is none. Empty optional once the line is used up.
    std::optional<std::string_view> piece(char delimiter) {
        if (atEnd())
            return std::nullopt;
        std::size_t end = line_.find(delimiter, pos_);
        if (end == std::string_view::npos)
            end = line_.size();
        std::string_view piece = line_.substr(pos_, end - pos_);
        pos_ = std::min(end + 1, line_.size());
        return piece;
    }

    /// Takes one whole page at the cursor: 45 values, each ended by its slot's
    /// separator, none holding the other separator. Leaves the cursor alone otherwise.
    std::unique_ptr<ModePageEntry> wholePage() {
        const std::string_view rest = line_.substr(pos_);
        if (WholePageLength(rest) == 0)
            return nullptr;
        auto entry = NewModePageEntry();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const std::size_t end = line_.find_first_of(",|", pos_);
            SetSlotText(*entry, slot, line_.substr(pos_, end - pos_));
            pos_ = end + 1;
        }
        return entry;
    }

private:
    std::string_view line_;
    std::size_t pos_ = 0;
};

int ItemCode(Element element, std::string_view piece) {
    std::int64_t code = NumberValue(piece);
    auto items = ChoiceItems(element);
    return code >= 1 && code <= static_cast<std::int64_t>(items.size()) ? static_cast<int>(code) : 0;
}

std::string_view WithoutLineEnds(std::string_view line) {
    std::size_t first = line.find_first_not_of("\r\n");
    if (first == std::string_view::npos)
        return {};
    std::size_t last = line.find_last_not_of("\r\n");
    return line.substr(first, last - first + 1);
}

}  // namespace

ParsedLine ParseCatalogLine(std::string_view line) {
    ParsedLine parsed;
    LineCursor cursor(WithoutLineEnds(line));

    for (int e = static_cast<int>(Element::RecordNumber);
         e <= static_cast<int>(Element::DownloadFilename); ++e) {
        auto element = static_cast<Element>(e);
        auto piece = cursor.piece(',');
        if (!piece)
            return parsed;
        if (int* code = CodeOf(parsed.record, element))
            *code = ItemCode(element, *piece);
        else
            TextOf(parsed.record, element)->assign(*piece);
        parsed.reached = element;
    }

    auto count = cursor.piece(',');
    if (!count)
        return parsed;
    parsed.reached = Element::NumberOfModePages;
    if (count->size() <= 1) {
        parsed.record.numberOfModePages = "00";
        if (!cursor.piece(','))  // the second "0" of "0,0,"
            return parsed;
    } else {
        parsed.record.numberOfModePages.assign(*count);
        while (auto page = cursor.wholePage()) {
            parsed.pages.push_back(std::move(page));
            parsed.reached = Element::PageSection;
        }
        if (LooksLikeUnfinishedPage(cursor.rest())) {
            parsed.droppedUnfinishedPage = true;
            return parsed;
        }
    }
    if (cursor.atEnd())
        return parsed;
    parsed.record.upgradeNotes.assign(cursor.rest());
    parsed.reached = Element::UpgradeNotes;
    return parsed;
}

void ApplyParsedLine(ParsedLine&& parsed, CatalogRecord& record, ModePageState& state) {
    for (int e = static_cast<int>(Element::RecordNumber); e <= static_cast<int>(parsed.reached); ++e) {
        auto element = static_cast<Element>(e);
        if (std::string* text = TextOf(record, element))
            *text = std::move(*TextOf(parsed.record, element));
        else if (int* code = CodeOf(record, element))
            *code = *CodeOf(parsed.record, element);
    }
    if (!parsed.reaches(Element::NumberOfModePages))
        return;
    EmptyModePageList(state);
    for (auto& page : parsed.pages) {
        state.current = page.get();
        AppendModePage(std::move(page), state);
    }
    if (parsed.droppedUnfinishedPage)
        state.current = nullptr;
}

}  // namespace tarvel
