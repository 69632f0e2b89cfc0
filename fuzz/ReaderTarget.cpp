// The catalog reader on any line: it must never fail, whatever it fills must be what
// the layout allows, and a line end after the line must change nothing.

#include "FuzzTargets.h"
#include "catalog/CatalogReader.h"

namespace tarvel::fuzz {

namespace {

void RequireWholePages(const std::vector<std::unique_ptr<ModePageEntry>>& pages) {
    for (const auto& page : pages) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const std::string& text = page->slotTexts[slot];
            FUZZ_REQUIRE(!text.empty() && text.back() == SlotSeparator(slot),
                         "slot " + std::to_string(slot) + " lacks its separator: " + Printable(text));
            FUZZ_REQUIRE(text.find_first_of(",|") == text.size() - 1,
                         "slot " + std::to_string(slot) + " holds a separator: " + Printable(text));
        }
    }
}

}  // namespace

int ReaderInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    ParsedLine parsed = ParseCatalogLine(line);

    FUZZ_REQUIRE(parsed.reached >= Element::None && parsed.reached <= Element::UpgradeNotes,
                 "reached an element that does not exist");
    FUZZ_REQUIRE(parsed.pages.empty() ? parsed.reached != Element::PageSection
                                      : parsed.reaches(Element::PageSection),
                 "pages and the element reached disagree");
    FUZZ_REQUIRE(!parsed.droppedUnfinishedPage || !parsed.reaches(Element::UpgradeNotes),
                 "a dropped page followed by notes");
    RequireWholePages(parsed.pages);
    const CatalogRecord& record = parsed.record;
    for (auto [element, code] : {std::pair{Element::ScsiAdapterType, record.scsiAdapterType},
                                 {Element::DownloadType, record.downloadType},
                                 {Element::Priority, record.priority}}) {
        FUZZ_REQUIRE(code >= 0 && code <= static_cast<int>(ChoiceItems(element).size()),
                     std::string(ElementName(element)) + " code out of its list");
    }
    for (const std::string* text : {&record.recordNumber, &record.vendor, &record.downloadFilename,
                                    &record.numberOfModePages}) {
        FUZZ_REQUIRE(text->find(',') == std::string::npos, "a field holds a comma: " + Printable(*text));
    }

    // The line end is not part of the line.
    ParsedLine ended = ParseCatalogLine(std::string(line) + "\r\n");
    FUZZ_REQUIRE(ended.record == parsed.record && ended.reached == parsed.reached &&
                     ended.pages.size() == parsed.pages.size() &&
                     ended.droppedUnfinishedPage == parsed.droppedUnfinishedPage,
                 "a line end after the line changed what was read");

    // Loading replaces the pages of another record once the count is reached, and
    // leaves the fields the line did not reach alone.
    ModePageState state;
    AppendModePage(NewModePageEntry(), state);
    CatalogRecord loaded;
    loaded.upgradeNotes = "earlier notes";
    const std::size_t pageCount = parsed.pages.size();
    const bool reachedCount = parsed.reaches(Element::NumberOfModePages);
    const bool reachedNotes = parsed.reaches(Element::UpgradeNotes);
    const bool dropped = parsed.droppedUnfinishedPage;
    ApplyParsedLine(std::move(parsed), loaded, state);
    FUZZ_REQUIRE(state.list.size() == (reachedCount ? pageCount : 1), "the loaded pages are wrong");
    FUZZ_REQUIRE(!reachedCount || state.current == (dropped ? nullptr : state.list.entryAt(state.list.last())),
                 "the current page is not the last page");
    FUZZ_REQUIRE(reachedNotes || loaded.upgradeNotes == "earlier notes",
                 "notes changed though the line did not reach them");
    return 0;
}

}  // namespace tarvel::fuzz
