#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliTestSupport.h"

namespace tarvel {
namespace {

using testing::ExampleCatalog;
using testing::RecordLine;
using testing::RunTool;

class ListShow : public ::testing::Test {
protected:
    std::string write(const std::string& bytes) {
        testing::WriteBytes(path_, bytes);
        return path_;
    }
    testing::TempDir dir_;
    std::string path_ = dir_.file("Catalog.dat");
};

TEST_F(ListShow, ListsOneLinePerRecordInFileOrder) {
    auto run = RunTool({"list", write(ExampleCatalog())});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "NUMBER  DATE    VENDOR   PRODUCT  LOW   HIGH  NEW   PAGES\n"
              "0001    6/3/97  Seagate  DRIVE01  0012  0015  0018  0\n"
              "0002    6/3/97  Seagate  DRIVE01  0012  0015  0018  1\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(ListShow, ListLeavesOutLinesThatAreNotRecordsAndSaysWhich) {
    std::string catalog = "\r\n" + RecordLine("0004", "D\xE9j\xE0") + "\r\nsome notes\r\n" +
                          RecordLine("0005");
    auto run = RunTool({"list", write(catalog)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "NUMBER  DATE    VENDOR   PRODUCT  LOW   HIGH  NEW   PAGES\n"
              "0004    6/3/97  D\u00e9j\u00e0     DRIVE01  0012  0015  0018  0\n"
              "0005    6/3/97  Seagate  DRIVE01  0012  0015  0018  0\n");
    EXPECT_EQ(run.err, "tarvel-catalog: " + path_ +
                           ": left out line 3, which is not a record (see 'tarvel-catalog check')\n");
}

TEST_F(ListShow, ShowsARecordInFullWithItsPagesAsRowsOfValues) {
    write(ExampleCatalog());
    for (const auto& args : {std::vector<std::string>{"show", "2", path_},
                             std::vector<std::string>{"show", "0002", path_},
                             std::vector<std::string>{"show", "--line", "2", path_}}) {
        SCOPED_TRACE(args[1]);
        auto run = RunTool(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out,
                  "Line:                  2\n"
                  "Record Number:         0002\n"
                  "Record Date:           6/3/97\n"
                  "Vendor:                Seagate\n"
                  "Product:               DRIVE01\n"
                  "Low Firmware Version:  0012\n"
                  "High Firmware Version: 0015\n"
                  "New Firmware Version:  0018\n"
                  "SCSI Adapter Type:     1 (\"Adaptec\")\n"
                  "Download Type:         1 (\"Seagate\")\n"
                  "Priority:              2 (\"Optional\")\n"
                  "Download Filename:     FW0018.BIN\n"
                  "Number of Mode Pages:  01\n"
                  "Upgrade Notes:         Fixes read retry\n"
                  "\n"
                  "Mode page 1\n"
                  "  Page Number       08\n"
                  "  Header            00 00 00 08\n"
                  "  Block Descriptor  00 00 00 00 00 00 02 00\n"
                  "  Page Data 0x00    88 12 XX XX XX XX XX XX XX XX XX XX XX XX XX XX\n"
                  "  Page Data 0x10    XX XX XX XX XX XX XX XX XX XX XX XX XX XX XX XX\n");
    }
}

TEST_F(ListShow, ANumberThatOccursTwiceShowsTheLastAndSaysSo) {
    write(RecordLine("0001") + "\r\n" + RecordLine("0002", "First") + "\r\n" +
          RecordLine("0002", "Second") + "\r\n" + RecordLine("0003"));
    auto run = RunTool({"show", "2", path_});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Vendor:                Second\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Line:                  3\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "tarvel-catalog: " + path_ +
                           ": record 0002 occurs 2 times (lines 2, 3); showing the last, on line 3.\n");
}

TEST_F(ListShow, ShowJsonIsTheExportDocumentWithTheOneRecord) {
    write(ExampleCatalog());
    auto run = RunTool({"show", "--json", "1", path_});
    ASSERT_EQ(run.status, 0);
    QJsonObject document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(document["format"].toString(), "tarvel-catalog");
    EXPECT_EQ(document["version"].toInt(), 1);
    QJsonArray records = document["records"].toArray();
    ASSERT_EQ(records.size(), 1);
    QJsonObject record = records[0].toObject();
    EXPECT_EQ(record["line"].toInt(), 1);
    EXPECT_EQ(record["recordNumber"].toString(), "0001");
    EXPECT_EQ(record["scsiAdapterType"].toObject()["code"].toInt(), 6);
    EXPECT_EQ(record["scsiAdapterType"].toObject()["item"].toString(), "        ");
    EXPECT_EQ(record["numberOfModePages"].toString(), "00");
    EXPECT_EQ(record["pages"].toArray().size(), 0);
    EXPECT_EQ(record["upgradeNotes"].toString(), "No Text");
}

TEST_F(ListShow, ShowSaysWhenThereIsNoSuchRecord) {
    write(ExampleCatalog() + "\r\nnotes");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"show", "7", path_}, path_ + ": no record is numbered 0007."},
        {{"show", "--line", "3", path_}, path_ + ": line 3 is not a record."},
        {{"show", "--line", "9", path_}, path_ + " has no line 9 (it has 3)."},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(message);
        auto run = RunTool(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "tarvel-catalog: " + message + "\n");
    }
}

}  // namespace
}  // namespace tarvel
