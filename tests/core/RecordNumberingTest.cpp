#include <gtest/gtest.h>

#include <sys/stat.h>

#include "TestSupport.h"
#include "catalog/RecordNumbering.h"

namespace tarvel {
namespace {

std::string Record(const char* number) { return std::string(number) + ",6/3/97,V,P,1,2,3,6,7,3,F,0,0,No Text"; }

TEST(RecordNumbering, CountsLinesAndNumbersOnFromTheLastLine) {
    struct Case {
        const char* name;
        std::string content;
        std::int64_t lines;
        std::int64_t next;
    };
    const std::string longLine = "0041,1/1/01,V,P,1,2,3,1,1,1,F,40," + std::string(5400, 'X');
    const Case cases[] = {
        {"empty", "", 0, 1},
        {"records 1 to 5", Record("0001") + "\r\n" + Record("0002") + "\r\n" + Record("0003") +
                               "\r\n" + Record("0004") + "\r\n" + Record("0005"), 5, 6},
        {"the last line, not the highest", Record("0007") + "\r\n" + Record("0003"), 2, 4},
        {"a trailing line break", Record("0001") + "\r\n" + Record("0005") + "\r\n", 2, 6},
        {"an empty first line", "\r\n" + Record("0005"), 2, 6},
        {"empty lines count", "\n\n\r\n" + Record("0002"), 4, 3},
        {"a last line that is not a number", Record("0004") + "\r\ncontinued notes", 2, 1},
        {"an empty last line", Record("0004") + "\r\n\r\n", 2, 1},
        {"leading commas are skipped", ",,0008,x", 1, 9},
        {"after 9999", Record("9999"), 1, 10000},
        {"a line of 6,000 characters is one line", Record("0001") + "\n" + longLine + std::string(6000, 'y'), 2, 42},
        {"only a line feed", "\n", 1, 1},
    };
    testing::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.file("Catalog.dat");
        testing::WriteBytes(path, c.content);
        LineCount count = CountCatalogLines(path);
        EXPECT_FALSE(count.error);
        EXPECT_EQ(count.lines, c.lines);
        EXPECT_EQ(NextNumberAfter(count.lines, count.lastLine), c.next);
    }
}

TEST(RecordNumbering, TheLastLineKeepsItsLineEnd) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    testing::WriteBytes(path, Record("0001") + "\r\n" + Record("0002") + "\r\n");
    EXPECT_EQ(CountCatalogLines(path).lastLine, Record("0002") + "\r\n");
    testing::WriteBytes(path, Record("0001") + "\r\n" + Record("0002"));
    EXPECT_EQ(CountCatalogLines(path).lastLine, Record("0002"));
}

TEST(RecordNumbering, ALastLineLongerThanTheReadChunkIsWhole) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    std::string last = "0002," + std::string(300000, 'a');
    testing::WriteBytes(path, Record("0001") + "\r\n" + last);
    LineCount count = CountCatalogLines(path);
    EXPECT_EQ(count.lines, 2);
    EXPECT_EQ(count.lastLine, last);
    EXPECT_EQ(NextNumberAfter(count.lines, count.lastLine), 3);
}

TEST(RecordNumbering, AMissingCatalogIsCreatedEmpty) {
    testing::TempDir dir;
    std::string path = dir.file("new.dat");
    LineCount count = CountCatalogLines(path);
    EXPECT_FALSE(count.error);
    EXPECT_EQ(count.lines, 0);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(NextNumberAfter(count.lines, count.lastLine), 1);
}

TEST(RecordNumbering, ACatalogThatCannotBeOpenedCountsNothingAndSaysWhy) {
    testing::TempDir dir;
    testing::WriteBytes(dir.file("file"), "x");
    const std::pair<std::string, std::string> cases[] = {
        {dir.file("missing/Catalog.dat"), "The folder for " + dir.file("missing/Catalog.dat") + " was not found."},
        {dir.path().string(), dir.path().string() + " is a folder, not a catalog file."},
        {dir.file("file/Catalog.dat"), dir.file("file/Catalog.dat") + " contains an invalid path."},
    };
    for (const auto& [path, message] : cases) {
        LineCount count = CountCatalogLines(path);
        ASSERT_TRUE(count.error) << path;
        EXPECT_EQ(count.error->message, message);
        EXPECT_EQ(count.lines, 0);
    }
}

}  // namespace
}  // namespace tarvel
