#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <unistd.h>

#include "TestSupport.h"
#include "catalog/CatalogLines.h"

namespace tarvel {
namespace {

const std::string kLines = "0001,a\r\n0002,b\r\n0003,c";
/// As many bytes as kLines, with the second line starting a byte later.
const std::string kSameSize = "0001,ab\r\n009,z\r\n0003,c";
const auto kDayAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);

/// Writes `content` as a catalog last written a day ago.
void WriteSettled(const std::string& path, const std::string& content) {
    testing::WriteBytes(path, content);
    std::filesystem::last_write_time(path, kDayAgo);
}

TEST(IndexedChoice, OnlyACatalogNotWrittenForAWhileIsTakenAsSettled) {
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    testing::WriteBytes(path, kLines);
    EXPECT_FALSE(IndexCatalogLines(path).settled) << "written just now";

    std::filesystem::last_write_time(path, kDayAgo);
    CatalogLineIndex index = IndexCatalogLines(path);
    ASSERT_TRUE(index.settled);
    EXPECT_EQ(index.settled->size, static_cast<std::int64_t>(kLines.size()));
    EXPECT_EQ(index.starts.bytesHeld(), static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)))
        << "three offsets hold one memory page";

    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() +
                                               std::chrono::hours(1));
    EXPECT_FALSE(IndexCatalogLines(path).settled) << "written in the future";
}

TEST(IndexedChoice, AnIndexLongerThanOneBlockHoldsEveryOffset) {
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    // Lines of 1 to 7 bytes, past the 262,144 offsets of the first block of the index.
    std::string content;
    std::vector<std::int64_t> starts;
    for (int line = 0; line < 300000; ++line) {
        starts.push_back(static_cast<std::int64_t>(content.size()));
        content += std::string(static_cast<std::size_t>(line % 7), 'x') + "\n";
    }
    WriteSettled(path, content);
    const CatalogLineIndex index = IndexCatalogLines(path);
    ASSERT_EQ(index.lines(), starts.size());
    for (std::size_t line = 0; line < starts.size(); ++line)
        ASSERT_EQ(index.starts[line], starts[line]) << line;
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    EXPECT_EQ(index.starts.bytesHeld(), (300000 * 8 + page - 1) / page * page);
    EXPECT_EQ(ReadChosenLine(path, 262144, index).line, std::string(262144 % 7, 'x') + "\n");
}

// Whatever happened to the catalog after it was indexed, the line chosen is the one that
// reading the file from its start up to the position gives; only a catalog left as it
// was is read at the indexed offset.
TEST(IndexedChoice, TheLineIsTheOneAtThePositionAsTheFileStandsNow) {
    struct Case {
        const char* name;
        std::function<void(const testing::TempDir&, const std::string&)> change;
        bool fromIndex;
    };
    const Case cases[] = {
        {"left as it was", [](const auto&, const auto&) {}, true},
        {"rewritten with the same size",
         [](const auto&, const auto& path) { testing::WriteBytes(path, kSameSize); },
         false},
        {"rewritten with the same size, its time put back",
         [](const auto&, const auto& path) { WriteSettled(path, kSameSize); }, false},
        {"replaced by a file of the same size and time",
         [](const auto& dir, const auto& path) {
             WriteSettled(dir.file("other.dat"), "0007,x\r\n0008,y\r\n0009,z");
             std::filesystem::rename(dir.file("other.dat"), path);
         },
         false},
        {"appended to",
         [](const auto&, const auto& path) { testing::WriteBytes(path, kLines + "\r\n0004,d"); }, false},
        {"cut to a line and a line break",
         [](const auto&, const auto& path) { testing::WriteBytes(path, "0001,a\r\n"); }, false},
        {"emptied", [](const auto&, const auto& path) { testing::WriteBytes(path, ""); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        const std::string path = dir.file("Catalog.dat");
        WriteSettled(path, kLines);
        const CatalogLineIndex index = IndexCatalogLines(path);
        ASSERT_TRUE(index.settled);
        c.change(dir, path);
        for (std::int64_t position : {0, 1, 2, -1, 3, 9}) {
            SCOPED_TRACE("position " + std::to_string(position));
            ChosenLine indexed = ReadChosenLine(path, position, index);
            ChosenLine read = ReadChosenLine(path, position);
            EXPECT_FALSE(indexed.error);
            EXPECT_EQ(indexed.line, read.line);
            EXPECT_EQ(indexed.readYieldedNothing, read.readYieldedNothing);
            EXPECT_EQ(indexed.readFromIndex, c.fromIndex);
        }
    }
}

TEST(IndexedChoice, ASettledCatalogGivesWhatReadingFromTheStartGives) {
    const std::string contents[] = {"", "0001,a", "0001,a\r\n", "\r\n\r\n", "0001,a\r\n\r\n0003,c",
                                    "0001,a\n" + std::string(70000, 'x') + "\n0003,c\r\n"};
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    for (const std::string& content : contents) {
        SCOPED_TRACE(content.substr(0, 20));
        WriteSettled(path, content);
        const CatalogLineIndex index = IndexCatalogLines(path);
        ASSERT_TRUE(index.settled);
        for (std::int64_t position = -1; position <= static_cast<std::int64_t>(index.lines()) + 1; ++position) {
            SCOPED_TRACE("position " + std::to_string(position));
            ChosenLine indexed = ReadChosenLine(path, position, index);
            ChosenLine read = ReadChosenLine(path, position);
            EXPECT_TRUE(indexed.readFromIndex);
            EXPECT_EQ(indexed.line, read.line);
            EXPECT_EQ(indexed.readYieldedNothing, read.readYieldedNothing);
        }
    }
}

TEST(IndexedChoice, ACatalogRemovedSinceItWasIndexedIsReportedAndNotCreated) {
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    WriteSettled(path, kLines);
    const CatalogLineIndex index = IndexCatalogLines(path);
    std::filesystem::remove(path);
    ChosenLine chosen = ReadChosenLine(path, 1, index);
    ASSERT_TRUE(chosen.error);
    EXPECT_EQ(chosen.error->message, ReadChosenLine(path, 1).error->message);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace tarvel
