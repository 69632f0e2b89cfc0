#include <gtest/gtest.h>

#include "TestSupport.h"
#include "catalog/CatalogRecord.h"

namespace tarvel {
namespace {

using testing::ExamplePage;
using testing::ExampleRecord;
using testing::ExampleRecordWithPage;

std::tm Date(int year, int month, int day) {
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    return date;
}

/// The bytes a record takes in the file, line start included.
std::string RecordBytes(CatalogRecord record, const ModePageList& pages, bool afterUnfinished) {
    record.recordDate = CatalogDateText(Date(1997, 6, 3));
    PadPageNumbers(pages);
    std::string line = FormatCatalogRecord(record, pages);
    return RecordStartsNewLine(NumberValue(record.recordNumber), afterUnfinished) ? "\r\n" + line
                                                                                  : line;
}

TEST(CatalogFormat, WorkedExampleByteForByte) {
    ModePageList none;
    std::string first = RecordBytes(ExampleRecord(), none, false);
    EXPECT_EQ(first, testing::kExampleLine1);
    EXPECT_EQ(first.size(), 71u);

    ModePageList pages;
    pages.append(ExamplePage());
    std::string second = RecordBytes(ExampleRecordWithPage(), pages, false);
    EXPECT_EQ(second, "\r\n" + testing::kExampleLine2);
    EXPECT_EQ(second.size(), 216u);
}

TEST(CatalogFormat, NumbersAreWrittenWithAtLeastFourDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"12", "0012"},   {"0001", "0001"}, {"abc", "0000"},         {"", "0000"},
        {"10000", "10000"}, {" 7x", "0007"}, {"-3", "-0003"},
        {"99999999999", "2147483647"}, {"-99999999999", "-2147483648"},
    };
    for (const auto& [text, written] : cases)
        EXPECT_EQ(FormatRecordNumber(NumberValue(text)), written) << "text: " << text;
}

TEST(CatalogFormat, DatesAreMonthDayAndTwoDigitYear) {
    EXPECT_EQ(CatalogDateText(Date(1997, 6, 3)), "6/3/97");
    EXPECT_EQ(CatalogDateText(Date(2004, 12, 31)), "12/31/04");
    EXPECT_EQ(CatalogDateText(Date(2005, 1, 1)), "1/1/05");
    EXPECT_EQ(CatalogDateText(Date(2000, 10, 9)), "10/9/00");
}

TEST(CatalogFormat, TodayReadsTheClockSeam) {
    SetCatalogClockForTesting([] {
        std::tm noon = Date(2004, 12, 31);
        noon.tm_hour = 12;
        noon.tm_isdst = -1;
        return std::mktime(&noon);
    });
    EXPECT_EQ(TodayCatalogDate(), "12/31/04");
    SetCatalogClockForTesting(nullptr);
    EXPECT_NE(TodayCatalogDate(), "12/31/04");
}

TEST(CatalogFormat, RecordsStartANewLineWhenNumberedAboveOneOrAfterAnUnfinishedLine) {
    EXPECT_FALSE(RecordStartsNewLine(1, false));
    EXPECT_FALSE(RecordStartsNewLine(0, false));
    EXPECT_TRUE(RecordStartsNewLine(2, false));
    EXPECT_TRUE(RecordStartsNewLine(1, true));
    EXPECT_TRUE(RecordStartsNewLine(0, true));
    EXPECT_TRUE(RecordStartsNewLine(-4, true));
}

TEST(CatalogFormat, NotesAreNeverEmptyAndNeverBreakTheLine) {
    EXPECT_EQ(NotesForCatalog(""), "No Text");
    EXPECT_EQ(NotesForCatalog("Fixes read retry"), "Fixes read retry");
    EXPECT_EQ(NotesForCatalog("a\r\nb\rc\nd\n\n"), "a b c d  ");
    EXPECT_EQ(NotesForCatalog("a,b|c"), "a,b|c");
}

TEST(CatalogFormat, CodesPagesAndNotesAsTheFormHoldsThem) {
    ModePageList pages;
    pages.append(ExamplePage());
    pages.append(ExamplePage());

    CatalogRecord record = ExampleRecordWithPage();
    record.scsiAdapterType = record.downloadType = record.priority = 0;
    record.numberOfModePages = "00";  // "00" writes no page, whatever the list holds
    EXPECT_EQ(RecordBytes(record, pages, false),
              "\r\n0002,6/3/97,Seagate,DRIVE01,0012,0015,0018,0,0,0,FW0018.BIN,0,0,Fixes read retry");

    record.numberOfModePages = "01";  // the list decides how many pages follow
    std::string page = testing::kExampleLine2.substr(testing::kExampleLine2.find(",01,") + 4, 135);
    EXPECT_EQ(RecordBytes(record, pages, false),
              "\r\n0002,6/3/97,Seagate,DRIVE01,0012,0015,0018,0,0,0,FW0018.BIN,01," + page + page +
                  "Fixes read retry");
}

TEST(CatalogFormat, AnUntouchedPageIs135Bytes) {
    ModePageList pages;
    auto entry = NewModePageEntry();
    for (int slot = 0; slot < kSlotCount; ++slot)
        SetSlotText(*entry, slot, slot == 0 ? "00" : "XX");
    pages.append(std::move(entry));
    CatalogRecord record = ExampleRecord();
    record.numberOfModePages = "01";
    std::string line = RecordBytes(record, pages, false);
    std::string expected = "00|";
    for (int i = 0; i < 43; ++i)
        expected += "XX|";
    expected += "XX,";
    EXPECT_EQ(expected.size(), 135u);
    EXPECT_NE(line.find(",01," + expected + "No Text"), std::string::npos);
}

TEST(CatalogFormat, ShortPageNumbersGetALeadingZeroThatTheEntryKeeps) {
    const std::pair<const char*, const char*> cases[] = {
        {"8", "08|"}, {"", "0|"}, {"08", "08|"}, {"123", "123|"}};
    for (const auto& [typed, kept] : cases) {
        ModePageList pages;
        auto entry = NewModePageEntry();
        SetSlotText(*entry, 0, typed);
        ModePageEntry* page = entry.get();
        pages.append(std::move(entry));
        PadPageNumbers(pages);
        EXPECT_EQ(page->slotTexts[0], kept) << "typed: " << typed;
    }
}

TEST(CatalogFormat, RefusesTheFirstFieldThatTheLayoutCannotHold) {
    struct Case {
        std::string CatalogRecord::*field;
        const char* name;
    };
    const Case fields[] = {
        {&CatalogRecord::vendor, "Vendor"},
        {&CatalogRecord::product, "Product"},
        {&CatalogRecord::lowFirmwareVersion, "Low Firmware Version"},
        {&CatalogRecord::highFirmwareVersion, "High Firmware Version"},
        {&CatalogRecord::newFirmwareVersion, "New Firmware Version"},
        {&CatalogRecord::downloadFilename, "Download Filename"},
    };
    ModePageList pages;
    for (const Case& c : fields) {
        for (const char* bad : {"a,b", "a|b", "a\rb", "a\nb"}) {
            CatalogRecord record = ExampleRecord();
            record.*c.field = bad;
            if (c.field != &CatalogRecord::downloadFilename)
                record.downloadFilename += ",";  // a later field is not the one named
            auto refusal = CheckRecordForLayout(record, pages);
            ASSERT_TRUE(refusal) << c.name;
            EXPECT_EQ(refusal->message,
                      std::string(c.name) + " cannot hold a comma, a vertical bar or a line break.");
        }
    }

    CatalogRecord record = ExampleRecord();
    record.upgradeNotes = "a,b|c\r\nd";
    EXPECT_FALSE(CheckRecordForLayout(record, pages)) << "notes are made safe, not refused";
}

TEST(CatalogFormat, RefusesPageValuesHoldingDelimitersWhenPagesAreWritten) {
    ModePageList pages;
    pages.append(ExamplePage());
    auto second = ExamplePage();
    SetSlotText(*second, 17, "1|");
    pages.append(std::move(second));

    CatalogRecord record = ExampleRecord();
    record.numberOfModePages = "02";
    auto refusal = CheckRecordForLayout(record, pages);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->element, Element::PageSection);
    EXPECT_EQ(refusal->page, 2);
    EXPECT_EQ(refusal->slot, 17);
    EXPECT_EQ(refusal->message,
              "Mode page 2, Page Data byte 0x04 cannot hold a comma, a vertical bar or a line break.");

    for (const char* bad : {",", "\n", "\r"}) {
        SetSlotText(*pages.entryAt(pages.last()), 17, bad);
        EXPECT_TRUE(CheckRecordForLayout(record, pages)) << int(bad[0]);
    }
    SetSlotText(*pages.entryAt(pages.last()), 17, "");  // empty values read back empty
    EXPECT_FALSE(CheckRecordForLayout(record, pages));

    SetSlotText(*pages.entryAt(pages.last()), 44, "a|");
    record.numberOfModePages = "00";  // no page is written, so none is refused
    EXPECT_FALSE(CheckRecordForLayout(record, pages));
}

TEST(CatalogFormat, RefusesNotesAfterPagesThatWouldReadBackAsACutOffPage) {
    ModePageList pages;
    pages.append(ExamplePage());
    CatalogRecord record = ExampleRecordWithPage();
    std::string wholePage;
    for (int slot = 0; slot < kSlotCount; ++slot)
        wholePage += slot == 44 ? "x," : "|";
    for (std::string notes : {std::string("AB|CD"), std::string("08|"), std::string("XX|X"),
                              std::string("0a|1"), wholePage + " and words after it"}) {
        record.upgradeNotes = notes;
        auto refusal = CheckRecordForLayout(record, pages);
        ASSERT_TRUE(refusal) << notes;
        EXPECT_EQ(refusal->element, Element::UpgradeNotes);
        EXPECT_EQ(refusal->message, "Upgrade Notes that begin with byte values and vertical bars "
                                    "would read back as part of a mode page. Reword their beginning.");
    }
    for (const char* notes : {"AB|CD E", "1|2", "AB", "AB|CD,"}) {
        record.upgradeNotes = notes;
        EXPECT_FALSE(CheckRecordForLayout(record, pages)) << notes;
    }
    record.upgradeNotes = "AB|CD";
    record.numberOfModePages = "00";  // no page before them: they are read as notes
    EXPECT_FALSE(CheckRecordForLayout(record, pages));
}

}  // namespace
}  // namespace tarvel
