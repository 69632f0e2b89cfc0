#include <gtest/gtest.h>

#include "TestSupport.h"
#include "catalog/CatalogLines.h"

namespace tarvel {
namespace {

TEST(CatalogLines, ListLinesShowTheFirstSevenPieces) {
    const std::pair<std::string, std::string> cases[] = {
        {testing::kExampleLine1, " 0001,   6/3/97,   Seagate,   DRIVE01,   0012,   0015,   0018,   "},
        {testing::kExampleLine2 + "\r\n", " 0002,   6/3/97,   Seagate,   DRIVE01,   0012,   0015,   0018,   "},
        {"0003,1/1/01,,P", " 0003,   1/1/01,   P,   "},
        {",,0004,,x", " 0004,   x,   "},
        {"\r\n", " \r\n,   "},
        {"", " "},
        {std::string(3000, 'v') + ",p", " " + std::string(3000, 'v') + ",   p,   "},
    };
    for (const auto& [line, shown] : cases)
        EXPECT_EQ(RecordListLine(line), shown) << line;
}

TEST(CatalogLines, IndexesEveryLineInFileOrder) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    const std::string lines[] = {"\r\n", "0001,a\r\n", std::string(70000, 'x') + "\r\n", "0003,c"};
    testing::WriteBytes(path, lines[0] + lines[1] + lines[2] + lines[3]);

    CatalogLineIndex index = IndexCatalogLines(path);
    EXPECT_FALSE(index.error);
    ASSERT_EQ(index.lines(), 4u);
    EXPECT_FALSE(index.endsWithLineBreak);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(ReadIndexedLine(path, index, i), lines[i]) << i;
    EXPECT_EQ(ReadIndexedLine(path, index, 4), std::nullopt);

    testing::WriteBytes(path, lines[1] + lines[1]);
    index = IndexCatalogLines(path);
    EXPECT_EQ(index.lines(), 2u);
    EXPECT_TRUE(index.endsWithLineBreak);
}

TEST(CatalogLines, IndexingAMissingCatalogCreatesItEmpty) {
    testing::TempDir dir;
    CatalogLineIndex index = IndexCatalogLines(dir.file("new.dat"));
    EXPECT_FALSE(index.error);
    EXPECT_EQ(index.lines(), 0u);
    EXPECT_TRUE(std::filesystem::exists(dir.file("new.dat")));

    index = IndexCatalogLines(dir.file("missing/new.dat"));
    ASSERT_TRUE(index.error);
    EXPECT_EQ(index.error->message, "The folder for " + dir.file("missing/new.dat") + " was not found.");
}

TEST(CatalogLines, TheChosenLineIsReadAsTheFileStandsNow) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    struct Case {
        const char* name;
        std::string content;
        std::int64_t position;
        std::string line;
        bool readNothing;
    };
    const Case cases[] = {
        {"the second of three", "0001,a\r\n0005,b\r\n0003,c", 1, "0005,b\r\n", false},
        {"the last", "0001,a\r\n0005,b\r\n0003,c", 2, "0003,c", false},
        {"no selection reads every line", "0001,a\r\n0005,b\r\n0003,c", -1, "0003,c", false},
        {"no selection after a final line break", "0001,a\r\n0005,b\r\n", -1, "0005,b\r\n", true},
        {"beyond a file that shrank", "0001,a\r\n0005,b", 7, "0005,b", false},
        {"beyond a file that ends with a line break", "0001,a\r\n", 3, "0001,a\r\n", true},
        {"an empty file", "", 0, "", true},
        {"an empty first line", "\r\n0005,b", 0, "\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::WriteBytes(path, c.content);
        ChosenLine chosen = ReadChosenLine(path, c.position);
        EXPECT_FALSE(chosen.error);
        EXPECT_EQ(chosen.line, c.line);
        EXPECT_EQ(chosen.readYieldedNothing, c.readNothing);
    }
    EXPECT_TRUE(ReadChosenLine(dir.file("gone.dat"), 0).error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("gone.dat"))) << "choosing does not create";
}

}  // namespace
}  // namespace tarvel
