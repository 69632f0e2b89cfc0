// Several programs save 500 records each into one catalog at the same time, through
// Save Record's numbered append: every number appears once, in order, and every line
// is a whole record of one of them.

#include <gtest/gtest.h>

#include <memory>

#include "CatalogLinesCheck.h"
#include "ChildProcess.h"
#include "core/TestSupport.h"

namespace tarvel {
namespace {

constexpr int kWriters = 4;
constexpr int kRecordsEach = 500;

/// Writers alternate between records without pages (74 bytes) and records of five
/// pages (about 770 bytes).
int PagesOfWriter(int writer) { return writer % 2 ? 5 : 0; }

TEST(ConcurrentWriters, EveryNumberOnceAndEveryLineWhole) {
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    const std::string errors = dir.file("writers.log");
    std::vector<std::unique_ptr<reliability::Spawned>> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.push_back(std::make_unique<reliability::Spawned>(
            std::vector<std::string>{TARVEL_APPENDER, path, std::to_string(w),
                                     std::to_string(PagesOfWriter(w)), std::to_string(kRecordsEach)},
            errors));
    for (auto& writer : writers)
        EXPECT_EQ(writer->wait(), 0) << testing::ReadBytes(errors);

    std::vector<int> perWriter(kWriters);
    reliability::AppendedLinesCheck check(PagesOfWriter);
    EXPECT_EQ(check.checkMore(path, [&](int run) { ++perWriter.at(run); }), "");
    EXPECT_EQ(check.lines(), kWriters * kRecordsEach);
    for (int w = 0; w < kWriters; ++w)
        EXPECT_EQ(perWriter[w], kRecordsEach) << "writer " << w;
    std::printf("%d writers, %lld records; sharing violations tried again:\n%s", kWriters, check.lines(),
                testing::ReadBytes(errors).c_str());
}

}  // namespace
}  // namespace tarvel
