#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliTestSupport.h"
#include "catalog/CatalogWriter.h"

namespace tarvel {
namespace {

using testing::ExampleCatalog;
using testing::FixedCatalogDate;
using testing::ReadBytes;
using testing::RecordLine;
using testing::RunTool;
using testing::WriteBytes;

class ExportAppend : public ::testing::Test {
protected:
    testing::TempDir dir_;
    std::string catalog_ = dir_.file("Catalog.dat");
    std::string json_ = dir_.file("records.json");
    std::string copy_ = dir_.file("copy.dat");
    FixedCatalogDate date_;  // 6/3/97, the date of the worked example
};

TEST_F(ExportAppend, ExportThenAppendIntoAnEmptyCatalogGivesBackTheSameBytes) {
    WriteBytes(catalog_, ExampleCatalog());
    auto exported = RunTool({"export", catalog_});
    ASSERT_EQ(exported.status, 0) << exported.err;
    WriteBytes(json_, exported.out);

    auto appended = RunTool({"append", "--json", json_, copy_});
    EXPECT_EQ(appended.status, 0) << appended.err;
    EXPECT_EQ(appended.out, "appended record 0001 to " + copy_ + "\nappended record 0002 to " +
                                copy_ + "\n");
    EXPECT_EQ(ReadBytes(copy_), ExampleCatalog());
}

TEST_F(ExportAppend, EveryByteThatALineCanHoldSurvivesExportAndAppend) {
    // Texts hold every byte but the delimiters; notes and page values hold the rest too.
    CatalogRecord record = testing::ExampleRecordWithPage();
    std::string notes;
    for (int b = 0; b <= 0xFF; ++b) {
        char c = static_cast<char>(b);
        if (c == '\r' || c == '\n')
            continue;
        notes.push_back(c);
        if (c != ',' && c != '|')
            record.vendor.push_back(c);
    }
    record.upgradeNotes = notes;
    record.product = "\xE9\xFF\x80";
    ModePageList pages;
    auto page = testing::ExamplePage();
    SetSlotText(*page, 20, "\xFF\x01");
    SetSlotText(*page, 21, "");
    pages.append(std::move(page));
    ASSERT_FALSE(AppendNumberedRecord(catalog_, record, pages, "6/3/97"));
    CatalogRecord second = testing::ExampleRecord();
    ModePageList none;
    ASSERT_FALSE(AppendNumberedRecord(catalog_, second, none, "6/3/97"));

    auto exported = RunTool({"export", catalog_});
    ASSERT_EQ(exported.status, 0) << exported.err;
    WriteBytes(json_, exported.out);
    auto appended = RunTool({"append", "--json", json_, copy_});
    EXPECT_EQ(appended.status, 0) << appended.err;
    EXPECT_EQ(ReadBytes(copy_), ReadBytes(catalog_));
}

TEST_F(ExportAppend, ExportJsonHoldsEveryElement) {
    WriteBytes(catalog_, ExampleCatalog());
    auto run = RunTool({"export", "--format", "json", catalog_});
    ASSERT_EQ(run.status, 0);
    QJsonParseError error;
    QJsonObject document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    QJsonArray records = document["records"].toArray();
    ASSERT_EQ(records.size(), 2);
    QJsonObject record = records[1].toObject();
    const std::pair<const char*, const char*> texts[] = {
        {"recordNumber", "0002"},         {"recordDate", "6/3/97"},
        {"vendor", "Seagate"},            {"product", "DRIVE01"},
        {"lowFirmwareVersion", "0012"},   {"highFirmwareVersion", "0015"},
        {"newFirmwareVersion", "0018"},   {"downloadFilename", "FW0018.BIN"},
        {"numberOfModePages", "01"},      {"upgradeNotes", "Fixes read retry"},
    };
    for (const auto& [key, value] : texts)
        EXPECT_EQ(record[key].toString(), value) << key;
    EXPECT_EQ(record["line"].toInt(), 2);
    EXPECT_EQ(record["downloadType"].toObject(), (QJsonObject{{"code", 1}, {"item", "Seagate"}}));
    EXPECT_EQ(record["priority"].toObject(), (QJsonObject{{"code", 2}, {"item", "Optional"}}));
    QJsonArray page = record["pages"].toArray()[0].toArray();
    ASSERT_EQ(page.size(), 45);
    EXPECT_EQ(page[0].toString(), "08");
    EXPECT_EQ(page[14].toString(), "12");
    EXPECT_EQ(page[44].toString(), "XX");
    EXPECT_EQ(record.size(), 15);
}

TEST_F(ExportAppend, ExportsCsvWithQuotedCells) {
    WriteBytes(catalog_, RecordLine("0001", "A \"B\"") + "\r\n" + testing::kExampleLine2);
    auto run = RunTool({"export", "--format", "csv", catalog_});
    ASSERT_EQ(run.status, 0);
    std::string page = "08 00 00 00 08 00 00 00 00 00 00 02 00 88 12";
    for (int i = 0; i < 30; ++i)
        page += " XX";
    EXPECT_EQ(run.out,
              "line,recordNumber,recordDate,vendor,product,lowFirmwareVersion,highFirmwareVersion,"
              "newFirmwareVersion,scsiAdapterType,scsiAdapterTypeItem,downloadType,downloadTypeItem,"
              "priority,priorityItem,downloadFilename,numberOfModePages,pages,upgradeNotes\n"
              "1,0001,6/3/97,\"A \"\"B\"\"\",DRIVE01,0012,0015,0018,6,\"        \",7,\"         \",3,"
              "\"        \",FW0018.BIN,00,,No Text\n"
              "2,0002,6/3/97,Seagate,DRIVE01,0012,0015,0018,1,Adaptec,1,Seagate,2,Optional,"
              "FW0018.BIN,01," + page + ",Fixes read retry\n");
}

/// A JSON page of 45 values: `first`, then `second` (when given), then "XX".
std::string Page(const std::string& first, int values = 45, const char* second = "XX") {
    std::string page = "[\"" + first + "\"";
    for (int i = 1; i < values; ++i)
        page += std::string(",\"") + (i == 1 ? second : "XX") + "\"";
    return page + "]";
}

TEST_F(ExportAppend, AppendNumbersOnFromTheLastLineWithTodaysDate) {
    WriteBytes(catalog_, RecordLine("0007") + "\r\n" + RecordLine("0003"));
    WriteBytes(json_, R"([{"vendor": "Quantum", "product": "Q1", "downloadFilename": "Q.BIN",
                          "scsiAdapterType": 3, "downloadType": {"code": 3, "item": "Quantum"},
                          "priority": {"code": 1}, "recordNumber": "0099", "recordDate": "1/1/01"},
                         {"vendor": "IBM", "product": "I2", "downloadFilename": "I.BIN",
                          "upgradeNotes": "two\nlines", "pages": [)" +
                          Page("8", 45, "") + "]}]");
    auto run = RunTool({"append", "--json", json_, catalog_});
    EXPECT_EQ(run.status, 0) << run.err;
    std::string page = "08||";
    for (int i = 0; i < 42; ++i)
        page += "XX|";
    page += "XX,";
    EXPECT_EQ(ReadBytes(catalog_), RecordLine("0007") + "\r\n" + RecordLine("0003") +
                                       "\r\n0004,6/3/97,Quantum,Q1,,,,3,3,1,Q.BIN,0,0,No Text"
                                       "\r\n0005,6/3/97,IBM,I2,,,,0,0,0,I.BIN,01," + page +
                                       "two lines");
}

TEST_F(ExportAppend, DryRunShowsTheLinesAndWritesNothing) {
    WriteBytes(catalog_, ExampleCatalog());
    WriteBytes(json_, R"({"format": "tarvel-catalog", "version": 1,
                          "records": [{"vendor": "V", "product": "P", "downloadFilename": "F"}]})");
    auto run = RunTool({"append", "--dry-run", "--json", json_, catalog_});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0003,6/3/97,V,P,,,,0,0,0,F,0,0,No Text\n");
    EXPECT_EQ(run.err, "tarvel-catalog: " + catalog_ +
                           ": dry run, nothing was written; 1 record would be appended.\n");
    EXPECT_EQ(ReadBytes(catalog_), ExampleCatalog());

    auto missing = RunTool({"append", "--dry-run", "--json", json_, copy_});
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.out, "0001,6/3/97,V,P,,,,0,0,0,F,0,0,No Text\n");
    EXPECT_FALSE(std::filesystem::exists(copy_));
}

TEST_F(ExportAppend, RefusesRecordsThatCannotBeWrittenFaithfullyAndWritesNothing) {
    std::string pages100;
    for (int i = 0; i < 100; ++i)
        pages100 += (i ? "," : "") + Page("00");
    const std::pair<std::string, std::string> cases[] = {
        {R"({"vendor": "Sea,gate"})",
         "record 2: Vendor cannot hold a comma, a vertical bar or a line break."},
        {R"({"downloadFilename": "A|B"})",
         "record 2: Download Filename cannot hold a comma, a vertical bar or a line break."},
        {"{\"product\": \"\u20ac\"}",
         "record 2: Product holds \"\u20ac\" (U+20AC), which a catalog cannot hold (catalogs "
         "hold 8-bit Latin-1 characters)"},
        {"{\"upgradeNotes\": \"\U0001F600\"}",
         "record 2: Upgrade Notes holds \"\U0001F600\" (U+1F600), which a catalog cannot hold "
         "(catalogs hold 8-bit Latin-1 characters)"},
        {R"({"vendor": 12})", "record 2: Vendor is not a text (a JSON string)"},
        {R"({"priority": 4})", "record 2: Priority has item code 4; its codes go from 0 to 3"},
        {R"({"downloadType": {"code": 2, "item": "IBM"}})",
         "record 2: Download Type has item code 2, which is not the item \"IBM\""},
        {R"({"scsiAdapterType": "Adaptec"})",
         "record 2: SCSI Adapter Type needs an item code (a whole number)"},
        {R"({"vendr": "Seagate"})", "record 2: unknown field \"vendr\""},
        {"{\"pages\": [" + Page("08", 44) + "]}", "record 2: mode page 1 is not an array of 45 values"},
        {"{\"pages\": [" + Page("0,8") + "]}",
         "record 2: Mode page 1, Page Number cannot hold a comma, a vertical bar or a line break."},
        {"{\"pages\": [" + pages100 + "]}", "record 2: 100 mode pages; a record holds at most 99"},
        {"{\"numberOfModePages\": \"02\", \"pages\": [" + Page("08") + "]}",
         "record 2: Number of Mode Pages reads 02 but the record has 1 mode page(s)"},
        {"{\"numberOfModePages\": \"1\", \"pages\": [" + Page("08") + "]}",
         "record 2: Number of Mode Pages \"1\" is not two digits (\"00\" to \"99\")"},
        {"{\"upgradeNotes\": \"AB|CD\", \"pages\": [" + Page("08") + "]}",
         "record 2: Upgrade Notes that begin with byte values and vertical bars would read back "
         "as part of a mode page. Reword their beginning."},
        {"7", "record 2: not a JSON object"},
    };
    WriteBytes(catalog_, ExampleCatalog());
    for (const auto& [record, message] : cases) {
        SCOPED_TRACE(record);
        WriteBytes(json_, "[{\"vendor\": \"Good\"}, " + record + "]");
        auto run = RunTool({"append", "--json", json_, catalog_});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "tarvel-catalog: " + json_ + ": " + message + "\ntarvel-catalog: " +
                               catalog_ + ": nothing was appended.\n");
        EXPECT_EQ(ReadBytes(catalog_), ExampleCatalog());
    }
}

TEST_F(ExportAppend, NamesEveryRefusedRecord) {
    WriteBytes(json_, R"([{"vendor": "A|B"}, {"vendor": "ok"}, {"product": "C,D", "priority": 9}])");
    auto run = RunTool({"append", "--json", json_, catalog_});
    EXPECT_EQ(run.status, 1);
    const std::string prefix = "tarvel-catalog: " + json_ + ": ";
    EXPECT_EQ(run.err, prefix + "record 1: Vendor cannot hold a comma, a vertical bar or a line break.\n" +
                           prefix + "record 3: Priority has item code 9; its codes go from 0 to 3\n" +
                           "tarvel-catalog: " + catalog_ + ": nothing was appended.\n");
    EXPECT_FALSE(std::filesystem::exists(catalog_));
}

TEST_F(ExportAppend, InputThatIsNoDocumentOfRecordsIsAFileError) {
    const std::pair<std::string, std::string> cases[] = {
        {"{\"records\": [", "not valid JSON: unterminated array at byte 13"},
        {R"({"format": "other", "version": 1, "records": []})",
         "not a tarvel-catalog document: \"format\" is not \"tarvel-catalog\""},
        {R"({"format": "tarvel-catalog", "version": 2, "records": []})",
         "version 2 is newer than this program reads (1)"},
        {R"({"format": "tarvel-catalog", "version": 1})", "\"records\" is not an array of records"},
    };
    for (const auto& [json, message] : cases) {
        SCOPED_TRACE(json);
        WriteBytes(json_, json);
        auto run = RunTool({"append", "--json", json_, catalog_});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "tarvel-catalog: " + json_ + ": " + message + "\n");
        EXPECT_FALSE(std::filesystem::exists(catalog_));
    }
}

TEST_F(ExportAppend, ReadsRecordsFromStandardInput) {
    auto run = RunTool({"append", "--json", "-", catalog_},
                       R"([{"vendor": "V", "product": "P", "downloadFilename": "F"}])");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(catalog_), "0001,6/3/97,V,P,,,,0,0,0,F,0,0,No Text");
}

}  // namespace
}  // namespace tarvel
