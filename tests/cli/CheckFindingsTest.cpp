#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <utility>

#include "CliTestSupport.h"
#include "cli/CheckFindings.h"
#include "cli/FindingsReport.h"

namespace tarvel {
namespace {

using cli::CheckCatalog;
using cli::Finding;
using testing::ExampleCatalog;
using testing::kExampleLine1;
using testing::kExampleLine2;
using testing::RecordLine;

/// The example's second line with its text `from` replaced by `to`.
std::string PageLine(const std::string& from, const std::string& to) {
    std::string line = kExampleLine2;
    line.replace(line.find(from), from.size(), to);
    return line;
}

/// `line` with its Record Number (the first four bytes) replaced by `number`.
std::string Renumbered(const std::string& line, const std::string& number) {
    return number + line.substr(4);
}

using Found = std::vector<std::pair<std::int64_t, std::string>>;

Found LinesAndTags(const std::vector<Finding>& findings) {
    Found found;
    for (const Finding& finding : findings)
        found.emplace_back(finding.line, finding.tag());
    return found;
}

struct FindingCase {
    const char* name;
    std::string catalog;
    Found expected;
};

// One row per tag: a small catalog that shows it, and exactly what check finds in it.
const std::vector<FindingCase>& FindingCases() {
    static const std::vector<FindingCase> cases = {
        {"empty-line", kExampleLine1 + "\r\n\r\n" + kExampleLine2, {{2, "empty-line"}}},
        {"not-a-record", kExampleLine1 + "\r\nsecond line of the notes", {{2, "not-a-record"}}},
        {"short-line",
         "0001,6/3/97,Seagate,DRIVE01\r\n" + RecordLine("0002").substr(0, 64) + "\r\n" +
             Renumbered(PageLine(",Fixes read retry", ","), "0003"),
         {{1, "short-line"}, {2, "short-line"}, {3, "short-line"}}},
        {"unfinished-page", RecordLine("0001") + "\r\n" + kExampleLine2.substr(0, 90),
         {{2, "unfinished-page"}}},
        {"shifted-fields",
         RecordLine("0001", "Sea,gate") + "\r\n" +
             "0002,6/3/97,DRIVE01,0012,0015,0018,6,7,3,FW0018.BIN,0,0,No Text",
         {{1, "shifted-fields"}, {2, "shifted-fields"}}},
        {"run-on-record", RecordLine("0002") + RecordLine("0001"), {{1, "run-on-record"}}},
        {"delimiter-in-field",
         RecordLine("0001", "Sea|gate") + "\r\n" + RecordLine("0002", "Sea\rgate"),
         {{1, "delimiter-in-field"}, {2, "delimiter-in-field"}}},
        {"empty-field",
         RecordLine("0001", "") + "\r\n" + "0002,6/3/97,V,,1,2,3,6,7,3,,0,0,No Text",
         {{1, "empty-field"}, {2, "empty-field"}, {2, "empty-field"}}},
        {"item-code",
         RecordLine("0001", "Seagate", "7,7,3") + "\r\n" + RecordLine("0002", "Seagate", "6,x,4"),
         {{1, "item-code"}, {2, "item-code"}, {2, "item-code"}}},
        {"page-count",
         PageLine(",01,", ",02,") + "\r\n" + Renumbered(PageLine(",01,", ",0A,"), "0003"),
         {{1, "page-count"}, {2, "page-count"}}},
        {"page-value", PageLine("|88|12|", "|8|G1|"), {{1, "page-value"}, {1, "page-value"}}},
        {"firmware-range", RecordLine("0001", "Seagate", "6,7,3", "0015,12,0018"),
         {{1, "firmware-range"}}},
        {"duplicate-number",
         RecordLine("0001") + "\r\n" + RecordLine("0002") + "\r\n" + RecordLine("2"),
         {{3, "duplicate-number"}}},
        {"number-order",
         RecordLine("0001") + "\r\n" + RecordLine("0005") + "\r\n" + RecordLine("0003"),
         {{3, "number-order"}}},
        {"final-line-break", ExampleCatalog() + "\r\n", {{2, "final-line-break"}}},
    };
    return cases;
}

TEST(CheckFindings, EachKindOfFindingIsFoundWhereItIsAndNothingElse) {
    for (const FindingCase& c : FindingCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LinesAndTags(CheckCatalog(c.catalog)), c.expected);
    }
}

TEST(CheckFindings, EveryTagHasARowInTheTable) {
    for (const cli::FindingKindInfo& kind : cli::FindingKinds()) {
        bool shown = std::any_of(FindingCases().begin(), FindingCases().end(),
                                 [&](const FindingCase& c) { return c.name == std::string(kind.tag); });
        EXPECT_TRUE(shown) << kind.tag;
    }
}

TEST(CheckFindings, CatalogsAsTheEditorWritesThemAreClean) {
    const std::pair<const char*, std::string> cases[] = {
        {"the worked example", ExampleCatalog()},
        {"an empty file", ""},
        {"versions compared as numbers, not as text", RecordLine("0001", "S", "6,7,3", "9,10,11")},
        {"versions that are not numbers are not compared", RecordLine("0001", "S", "6,7,3", "B,A,C")},
        {"no choice and the last items", RecordLine("0001", "S", "0,0,0") + "\r\n" +
                                              RecordLine("0002", "S", "6,7,3")},
        {"lower-case hexadecimal and XX", PageLine("|88|12|", "|ff|a0|")},
        {"notes with delimiters", PageLine("Fixes read retry", "see A|B, C")},
        {"a gap in the numbers", RecordLine("0001") + "\r\n" + RecordLine("0007")},
        {"a last line without CR", kExampleLine1 + "\n" + kExampleLine2},
    };
    for (const auto& [name, catalog] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LinesAndTags(CheckCatalog(catalog)), Found{});
    }
}

TEST(CheckFindings, MessagesSayWhatIsWrongWithWhichValue) {
    const std::pair<std::string, std::string> cases[] = {
        {PageLine(",01,", ",02,"), "Number of Mode Pages reads 02 but the line holds 1 mode page(s)"},
        {RecordLine("0001", "Seagate", "6,9,3"),
         "Download Type has item code \"9\", outside its list (0 to 7); the editor reads it as "
         "no choice"},
        {RecordLine("0001", "Seagate", "6,7,3", "0015,0012,0018"),
         "Low Firmware Version 0015 is above High Firmware Version 0012"},
        {PageLine("|88|", "|\x1b|"),
         "mode page 1, Page Data byte 0x00 is \"\\x1B\", not two hexadecimal digits or XX"},
        {RecordLine("0002") + RecordLine("0001"),
         "record 0001 runs on from this one: it was written without a line break before it, and "
         "is read as part of the Upgrade Notes"},
        {"0003,6/3/97,S,P,1,2,3,6,7,3,F,0,1,No Text",
         "fields out of place: where Number of Mode Pages belongs the line holds \"0,1\"; a field "
         "before it holds a comma, or one is missing"},
    };
    for (const auto& [catalog, message] : cases) {
        SCOPED_TRACE(catalog);
        std::vector<Finding> findings = CheckCatalog(catalog);
        ASSERT_EQ(findings.size(), 1u);
        EXPECT_EQ(findings[0].message.toStdString(), message);
    }
}

TEST(CheckFindings, ReportsAsTextAndJson) {
    std::vector<Finding> findings = CheckCatalog(kExampleLine1 + "\r\n\r\n" + PageLine(",01,", ",02,"));
    EXPECT_EQ(cli::FindingsText("Catalog.dat", findings),
              "Catalog.dat:2: warning: empty line [empty-line]\n"
              "Catalog.dat:3: error: Number of Mode Pages reads 02 but the line holds 1 mode "
              "page(s) [page-count]\n");

    std::string json = cli::FindingsJson("Catalog.dat", findings);
    QJsonParseError error;
    QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
    EXPECT_EQ(report["format"].toString(), "tarvel-catalog-check");
    EXPECT_EQ(report["version"].toInt(), 1);
    EXPECT_EQ(report["file"].toString(), "Catalog.dat");
    EXPECT_EQ(report["errors"].toInt(), 1);
    EXPECT_EQ(report["warnings"].toInt(), 1);
    QJsonArray list = report["findings"].toArray();
    ASSERT_EQ(list.size(), 2);
    QJsonObject second = list[1].toObject();
    EXPECT_EQ(second["line"].toInt(), 3);
    EXPECT_EQ(second["severity"].toString(), "error");
    EXPECT_EQ(second["tag"].toString(), "page-count");
    EXPECT_EQ(second["message"].toString(), findings[1].message);
}

TEST(CheckFindings, LinesAreSplitAtLineFeedsWhateverTheirLength) {
    // A record longer than the old 4,999-character line limit is one line, and a CR LF or
    // a lone LF both end a line.
    std::string pages;
    std::string page = kExampleLine2.substr(kExampleLine2.find(",01,") + 4, 135);
    for (int i = 0; i < 40; ++i)
        pages += page;
    std::string longLine = "0002,6/3/97,S,P,1,2,3,1,1,2,F,40," + pages + "notes";
    ASSERT_GT(longLine.size(), 5000u);
    std::string catalog = kExampleLine1 + "\r\n" + longLine + "\n" + RecordLine("0002");
    EXPECT_EQ(LinesAndTags(CheckCatalog(catalog)), (Found{{3, "duplicate-number"}}));
}

}  // namespace
}  // namespace tarvel
