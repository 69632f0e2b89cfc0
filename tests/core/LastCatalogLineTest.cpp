#include <gtest/gtest.h>

#include "TestSupport.h"
#include "catalog/RecordNumbering.h"

namespace tarvel {
namespace {

std::string Record(const std::string& number) { return number + ",6/3/97,V,P,1,2,3,6,7,3,F,0,0,No Text"; }

// Reading from the end answers exactly what counting every line does: whether there is
// a line, and which is the last, with its line end.
TEST(LastCatalogLine, AgreesWithTheFullCount) {
    struct Case {
        const char* name;
        std::string content;
        std::int64_t next;
    };
    std::string many;
    for (int n = 1; n <= 3000; ++n)
        many += (n > 1 ? "\r\n" : "") + Record(std::to_string(n));
    // The search goes back from the end in chunks of 64 KiB: a line feed as the first
    // byte of the first chunk searched, and one as the last byte of the next.
    const std::string tail(65532, 't');
    const Case cases[] = {
        {"empty", "", 1},
        {"one record", Record("0001"), 2},
        {"a trailing line break", Record("0001") + "\r\n" + Record("0005") + "\r\n", 6},
        {"only a line feed", "\n", 1},
        {"only line breaks", "\r\n\r\n\n", 1},
        {"an empty first line", "\r\n" + Record("0005"), 6},
        {"an empty last line", Record("0004") + "\r\n\r\n", 1},
        {"a last line that is not a number", Record("0004") + "\r\ncontinued notes", 1},
        {"leading commas", Record("0001") + "\n,,0008,x", 9},
        {"the last line, not the highest", Record("0007") + "\r\n" + Record("0003"), 4},
        {"three thousand records", many, 3001},
        {"a last line longer than the search chunk", Record("0001") + "\n0002," + std::string(200000, 'a'), 3},
        {"a line feed at the chunk's edge", Record("0001") + "\n0002" + tail, 3},
        {"a line feed just past the chunk's edge", Record("0001") + "\n0002," + tail, 3},
        {"no line feed at all, longer than a chunk", "0009" + std::string(140000, 'b'), 10},
    };
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::WriteBytes(path, c.content);
        LineCount count = CountCatalogLines(path);
        LastCatalogLine last = ReadLastCatalogLine(path);
        EXPECT_FALSE(last.error);
        EXPECT_EQ(last.hasLines, count.lines > 0);
        EXPECT_EQ(last.lastLine, count.lastLine);
        EXPECT_EQ(NextNumberAfter(last.hasLines ? 1 : 0, last.lastLine), c.next);
    }
}

TEST(LastCatalogLine, AMissingCatalogIsCreatedEmpty) {
    testing::TempDir dir;
    const std::string path = dir.file("new.dat");
    LastCatalogLine last = ReadLastCatalogLine(path);
    EXPECT_FALSE(last.error);
    EXPECT_FALSE(last.hasLines);
    EXPECT_EQ(last.lastLine, "");
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(LastCatalogLine, ACatalogThatCannotBeOpenedSaysWhyAsTheCountDoes) {
    testing::TempDir dir;
    testing::WriteBytes(dir.file("file"), "0001,x");
    for (const std::string& path : {dir.file("missing/Catalog.dat"), dir.path().string(),
                                    dir.file("file/Catalog.dat")}) {
        SCOPED_TRACE(path);
        LastCatalogLine last = ReadLastCatalogLine(path);
        LineCount count = CountCatalogLines(path);
        ASSERT_TRUE(last.error);
        ASSERT_TRUE(count.error);
        EXPECT_EQ(last.error->message, count.error->message);
        EXPECT_FALSE(last.hasLines);
        EXPECT_EQ(last.lastLine, "");
    }
}

// A system file that reports a size of 0 and still has text is read, not taken as empty.
TEST(LastCatalogLine, AFileThatReportsNoSizeButHasTextIsRead) {
    const std::string path = "/proc/self/mountinfo";
    if (!std::filesystem::exists(path) || std::filesystem::file_size(path) != 0)
        GTEST_SKIP() << "no system file of size 0 with text here";
    LastCatalogLine last = ReadLastCatalogLine(path);
    EXPECT_FALSE(last.error);
    EXPECT_TRUE(last.hasLines);
    EXPECT_EQ(last.lastLine, CountCatalogLines(path).lastLine);
}

}  // namespace
}  // namespace tarvel
