// A program saving records in a loop is killed with SIGKILL at random moments, about
// 200 times. After each kill, once the catalog is opened again, every line is a whole
// record as written, and the numbers run on from 0001 with no gap and no repeat.

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "CatalogLinesCheck.h"
#include "catalog/AppendJournal.h"
#include "ChildProcess.h"
#include "core/TestSupport.h"

namespace tarvel {
namespace {

constexpr int kKills = 200;

/// Records of 40 pages (about 5.5 KB): every record spans a boundary of a memory page.
int PagesOfRun(int) { return 40; }

TEST(KilledWriter, EveryKillLeavesWholeRecordsNumberedOn) {
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    std::mt19937 random(std::random_device{}());
    reliability::AppendedLinesCheck check(PagesOfRun);
    long long written = 0;
    int lastRun = -1;
    for (int kill = 0; kill < kKills; ++kill) {
        reliability::Spawned writer({TARVEL_APPENDER, path, std::to_string(kill), std::to_string(PagesOfRun(kill))});
        ASSERT_TRUE(writer.readByte()) << "run " << kill << " saved nothing";
        // Kill it at a random moment, up to about four records later.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        writer.kill(SIGKILL);
        ASSERT_EQ(writer.wait(), 128 + SIGKILL);
        // A write cut short by the kill can stop at any page boundary; the writer's note
        // lets whoever opens the catalog next cut the unfinished record off first.
        RepairUnfinishedAppend(path);

        std::string fault = check.checkMore(path, [&](int run) {
            EXPECT_GE(run, lastRun) << "a record of an earlier run after a later one's";
            lastRun = run;
        });
        ASSERT_EQ(fault, "") << "after kill " << kill + 1 << " of " << kKills;
        ASSERT_LE(lastRun, kill);
        written = check.lines();
    }
    RecordProperty("kills", kKills);
    RecordProperty("records", std::to_string(written));
    std::printf("%d kills, %lld records, all whole and numbered on\n", kKills, written);
}

}  // namespace
}  // namespace tarvel
