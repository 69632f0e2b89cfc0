#include <gtest/gtest.h>

#include <random>

#include "TestSupport.h"
#include "catalog/CatalogReader.h"

namespace tarvel {
namespace {

using testing::ExamplePage;
using testing::ExampleRecord;
using testing::ExampleRecordWithPage;

/// Loads `line` into `record` and `state` as the form does.
void Load(std::string_view line, CatalogRecord& record, ModePageState& state) {
    ApplyParsedLine(ParseCatalogLine(line), record, state);
}

std::vector<std::string> Slots(const ModePageList& list) {
    std::vector<std::string> slots;
    for (const auto& entry : list)
        slots.insert(slots.end(), entry->slotTexts.begin(), entry->slotTexts.end());
    return slots;
}

TEST(CatalogReader, LoadsTheWorkedExample) {
    ModePageState state;
    AppendModePage(ExamplePage(), state);  // pages of another record
    AppendModePage(ExamplePage(), state);

    CatalogRecord record;
    record.upgradeNotes = "earlier notes";
    Load(testing::kExampleLine1 + "\r\n", record, state);
    CatalogRecord expected = ExampleRecord();
    expected.recordDate = "6/3/97";
    expected.upgradeNotes = "No Text";
    EXPECT_EQ(record, expected);
    EXPECT_TRUE(state.list.empty());
    EXPECT_EQ(state.current, nullptr);

    Load(testing::kExampleLine2, record, state);
    expected = ExampleRecordWithPage();
    expected.recordDate = "6/3/97";
    EXPECT_EQ(record, expected);
    ASSERT_EQ(state.list.size(), 1u);
    const ModePageEntry& page = *state.list.entryAt(state.list.first());
    EXPECT_EQ(state.current, &page);
    EXPECT_EQ(page.slotTexts[0], "08|");
    EXPECT_EQ(page.slotTexts[4], "08|");
    EXPECT_EQ(page.slotTexts[43], "XX|");
    EXPECT_EQ(page.slotTexts[44], "XX,");

    // Written again, the record gives the same line.
    PadPageNumbers(state.list);
    EXPECT_EQ(FormatCatalogRecord(record, state.list), testing::kExampleLine2);
}

TEST(CatalogReader, PagesComeInLineOrder) {
    ModePageList pages;
    pages.append(ExamplePage());
    auto second = ExamplePage();
    SetSlotText(*second, 0, "1C");
    pages.append(std::move(second));
    CatalogRecord written = ExampleRecordWithPage();
    written.numberOfModePages = "02";

    ModePageState state;
    CatalogRecord record;
    Load(FormatCatalogRecord(written, pages), record, state);
    ASSERT_EQ(state.list.size(), 2u);
    EXPECT_EQ(SlotText(*state.list.entryAt(state.list.first()), 0), "08");
    EXPECT_EQ(SlotText(*state.list.entryAt(state.list.last()), 0), "1C");
    EXPECT_EQ(record.upgradeNotes, "Fixes read retry");
}

TEST(CatalogReader, ItemCodesOutsideTheirListsSelectNothing) {
    struct Case {
        const char* codes;
        int adapter, download, priority;
    };
    const Case cases[] = {
        {"6,7,3", 6, 7, 3}, {"0,0,0", 0, 0, 0}, {"7,8,4", 0, 0, 0},
        {"x,-1,2", 0, 0, 2}, {"1,6,1", 1, 6, 1}, {"02,3z,", 2, 3, 0},
    };
    for (const Case& c : cases) {
        std::string line = std::string("0001,6/3/97,V,P,1,2,3,") + c.codes + ",F,0,0,No Text";
        ParsedLine parsed = ParseCatalogLine(line);
        EXPECT_EQ(parsed.record.scsiAdapterType, c.adapter) << c.codes;
        EXPECT_EQ(parsed.record.downloadType, c.download) << c.codes;
        EXPECT_EQ(parsed.record.priority, c.priority) << c.codes;
    }
}

/// A page whose 45 values come from `value(slot)`.
template <typename F>
std::unique_ptr<ModePageEntry> PageOf(F value) {
    auto entry = NewModePageEntry();
    for (int slot = 0; slot < kSlotCount; ++slot)
        SetSlotText(*entry, slot, value(slot));
    return entry;
}

struct RoundTrip {
    const char* name;
    CatalogRecord record;
    int pages;
    std::string (*value)(int page, int slot);
};

std::string HexValue(int page, int slot) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", (page * 45 + slot) & 0xFF);
    return text;
}

std::vector<RoundTrip> RoundTrips() {
    std::vector<RoundTrip> cases;
    CatalogRecord empty;
    empty.recordNumber = "0007";
    cases.push_back({"empty fields", empty, 0, HexValue});

    CatalogRecord oneChar = ExampleRecord();
    oneChar.vendor = "S";
    oneChar.product = "D";
    oneChar.lowFirmwareVersion = "1";
    oneChar.upgradeNotes = "K";
    cases.push_back({"one-character values", oneChar, 1,
                     [](int, int slot) { return std::string(slot % 3 == 0 ? "" : "7"); }});

    CatalogRecord high = ExampleRecord();
    for (int b = 0x80; b <= 0xFF; ++b)
        high.vendor.push_back(static_cast<char>(b));
    high.product = "\xE9t\xE9";
    high.upgradeNotes = "Notes \xB5\xFF";
    cases.push_back({"bytes 0x80 to 0xFF", high, 1, [](int, int slot) {
                         return std::string(1, static_cast<char>(0x80 + slot)) + "\xFF";
                     }});

    CatalogRecord one = ExampleRecordWithPage();
    one.upgradeNotes = "OK";  // two characters after a page are notes
    cases.push_back({"one page, two-character notes", one, 1, HexValue});

    CatalogRecord two = ExampleRecordWithPage();
    two.numberOfModePages = "02";
    two.upgradeNotes = "a";
    cases.push_back({"two pages, one-character notes", two, 2, HexValue});

    CatalogRecord many = ExampleRecordWithPage();
    many.numberOfModePages = "99";
    many.upgradeNotes = std::string(256, 'n');
    cases.push_back({"99 pages, long notes", many, 99, HexValue});

    CatalogRecord delimitedNotes = ExampleRecordWithPage();
    delimitedNotes.upgradeNotes = "see A|B, then 08|00|";
    cases.push_back({"notes with commas and bars", delimitedNotes, 1, HexValue});

    for (const char* notes : {"1|2", "ok|no", "A|", "|", "0812|00"}) {
        CatalogRecord barNotes = ExampleRecordWithPage();
        barNotes.upgradeNotes = notes;  // bars, yet not the start of a page
        cases.push_back({"notes with bars after a page", barNotes, 1, HexValue});
    }

    CatalogRecord noPagesDelimitedNotes = ExampleRecord();
    noPagesDelimitedNotes.upgradeNotes = "x,y|z,";
    cases.push_back({"no pages, notes with delimiters", noPagesDelimitedNotes, 0, HexValue});
    return cases;
}

TEST(CatalogReader, EveryWrittenRecordLoadsBackAsItWasWritten) {
    for (RoundTrip& c : RoundTrips()) {
        SCOPED_TRACE(c.name);
        ModePageList pages;
        for (int p = 0; p < c.pages; ++p)
            pages.append(PageOf([&](int slot) { return c.value(p, slot); }));
        c.record.recordDate = "12/31/04";
        if (c.pages > 0) {
            char count[16];
            std::snprintf(count, sizeof count, "%02d", c.pages);
            c.record.numberOfModePages = count;
        }
        PadPageNumbers(pages);
        ASSERT_FALSE(CheckRecordForLayout(c.record, pages));
        std::string line = FormatCatalogRecord(c.record, pages);

        ModePageState state;
        AppendModePage(ExamplePage(), state);
        CatalogRecord loaded;
        loaded.upgradeNotes = "previous";
        Load(line + "\r\n", loaded, state);

        CatalogRecord expected = c.record;
        expected.recordNumber = FormatRecordNumber(NumberValue(c.record.recordNumber));
        if (expected.upgradeNotes.empty())
            expected.upgradeNotes = "No Text";
        EXPECT_EQ(loaded, expected);
        EXPECT_EQ(Slots(state.list), Slots(pages));
    }
}

TEST(CatalogReader, EmptyFieldsDoNotShiftTheFieldsAfterThem) {
    ParsedLine parsed = ParseCatalogLine("0003,1/2/03,,DRIVE,,,9,1,2,3,,0,0,notes");
    EXPECT_EQ(parsed.record.vendor, "");
    EXPECT_EQ(parsed.record.product, "DRIVE");
    EXPECT_EQ(parsed.record.newFirmwareVersion, "9");
    EXPECT_EQ(parsed.record.priority, 3);
    EXPECT_EQ(parsed.record.downloadFilename, "");
    EXPECT_EQ(parsed.record.upgradeNotes, "notes");
}

TEST(CatalogReader, ALineThatEndsEarlyFillsOnlyWhatItReaches) {
    const std::string page = testing::kExampleLine2.substr(testing::kExampleLine2.find(",01,") + 4, 135);
    struct Case {
        const char* name;
        std::string line;
        Element reached;
        std::size_t pages;
        bool dropped;
    };
    const Case cases[] = {
        {"nothing", "", Element::None, 0, false},
        {"only its line end", "\r\n", Element::None, 0, false},
        {"within the texts", "0004,1/1/01,Ven", Element::Vendor, 0, false},
        {"after a comma", "0004,1/1/01,", Element::RecordDate, 0, false},
        {"before the count", "0004,1/1/01,V,P,1,2,3,1,1,1,F,", Element::DownloadFilename, 0, false},
        {"at an unfinished no-page mark", "0004,1/1/01,V,P,1,2,3,1,1,1,F,0,", Element::NumberOfModePages, 0, false},
        {"inside the first page", "0004,1/1/01,V,P,1,2,3,1,1,1,F,01,08|00|00|0", Element::NumberOfModePages, 0, true},
        {"right after a page", "0004,1/1/01,V,P,1,2,3,1,1,1,F,01," + page, Element::PageSection, 1, false},
        {"inside the second page", "0004,1/1/01,V,P,1,2,3,1,1,1,F,02," + page + "08|XX|", Element::PageSection, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModePageState state;
        AppendModePage(ExamplePage(), state);
        AppendModePage(ExamplePage(), state);
        CatalogRecord record = ExampleRecordWithPage();
        record.recordDate = "9/9/99";
        const CatalogRecord before = record;

        ParsedLine parsed = ParseCatalogLine(c.line);
        EXPECT_EQ(parsed.reached, c.reached);
        EXPECT_EQ(parsed.droppedUnfinishedPage, c.dropped);
        ApplyParsedLine(std::move(parsed), record, state);

        EXPECT_EQ(record.upgradeNotes, before.upgradeNotes);
        if (c.reached < Element::NumberOfModePages) {
            EXPECT_EQ(state.list.size(), 2u) << "the pages stay until the count is reached";
            EXPECT_EQ(record.numberOfModePages, before.numberOfModePages);
        } else {
            EXPECT_EQ(state.list.size(), c.pages);
        }
        if (c.dropped) {
            EXPECT_EQ(state.current, nullptr);
        }
        if (c.reached < Element::DownloadFilename) {
            EXPECT_EQ(record.downloadFilename, before.downloadFilename);
        }
        if (c.reached < Element::Vendor) {
            EXPECT_EQ(record.vendor, before.vendor);
        }
    }
}

TEST(CatalogReader, AShortCountMeansNoPages) {
    ModePageState state;
    AppendModePage(ExamplePage(), state);
    CatalogRecord record;
    Load("0004,1/1/01,V,P,1,2,3,1,1,1,F,,,notes", record, state);
    EXPECT_EQ(record.numberOfModePages, "00");
    EXPECT_TRUE(state.list.empty());
    EXPECT_EQ(record.upgradeNotes, "notes");
}

TEST(CatalogReader, MalformedLinesNeverCrash) {
    std::vector<std::string> lines = {
        std::string("\0\0,\0|\0", 6),
        std::string(1000, '\n'),
        std::string(1 << 20, '|'),
        std::string(1 << 20, ','),
        "0001,1/1/01,V,P,1,2,3,1,1,1,F,01," + std::string(1 << 20, '|'),
        "0001,1/1/01,V,P,1,2,3,1,1,1,F,01,|||,|||",
    };
    std::mt19937 random(20261211);
    const std::string alphabet = ",|\r\n0X8\xFF";
    for (int i = 0; i < 2000; ++i) {
        std::string line = "0001,1/1/01,V,P,1,2,3,1,1,1,F,";
        int length = static_cast<int>(random() % 400);
        for (int k = 0; k < length; ++k)
            line.push_back(alphabet[random() % alphabet.size()]);
        lines.push_back(line);
    }
    for (const std::string& line : lines) {
        ModePageState state;
        CatalogRecord record;
        Load(line, record, state);
        for (const auto& entry : state.list)
            EXPECT_EQ(entry->slotTexts[44].back(), ',');
    }
}

}  // namespace
}  // namespace tarvel
