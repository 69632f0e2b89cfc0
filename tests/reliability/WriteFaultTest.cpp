// Failures while a record is written, for append, Save As and Save Record: each leaves
// the catalog as it was (no part of the record, no temporary file) and reports one
// message that names the file. Run as root, the cases that need another user, a full
// disk or a read-only mount make them in a child process.

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "ChildProcess.h"
#include "catalog/CatalogWriter.h"
#include "catalog/FileCalls.h"
#include "core/TestSupport.h"

namespace tarvel {
namespace {

using reliability::Names;
using testing::WriteBytes;

/// The bytes of a file, or what kept it from being read.
std::string ReadBytes(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::string("(cannot open: ") + std::strerror(errno) + ")";
    std::string bytes;
    char buffer[65536];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<std::size_t>(n));
    if (n < 0)
        bytes = std::string("(cannot read: ") + std::strerror(errno) + ")";
    close(fd);
    return bytes;
}

const std::string kDate = "6/3/97";

enum class Operation { Append, SaveAs, SaveRecord };

const char* OperationName(Operation op) {
    switch (op) {
    case Operation::Append: return "Append";
    case Operation::SaveAs: return "SaveAs";
    case Operation::SaveRecord: return "SaveRecord";
    }
    return "";
}

/// Writes the example's second record (one mode page, 216 bytes) the way `op` does.
std::optional<CatalogError> WriteRecord(Operation op, const std::string& path) {
    ModePageList pages;
    pages.append(testing::ExamplePage());
    CatalogRecord record = testing::ExampleRecordWithPage();
    if (op == Operation::SaveRecord)
        return AppendNumberedRecord(path, record, pages, kDate);
    return WriteCatalogRecordToFile(path, op == Operation::SaveAs ? WriteMode::Replace : WriteMode::Append,
                                    record, pages, kDate);
}

/// A catalog of about 4 KB: the example's first record, then a record whose notes fill
/// it up to 40 bytes short of 4096, so that the next record crosses a memory page.
std::string NearlyOnePage() {
    std::string line = testing::kExampleLine1 + "\r\n0002" + testing::kExampleLine1.substr(4, 60);
    line += std::string(4096 - 40 - line.size(), 'n');
    return line;
}

/// Where a case writes: the catalog's path and the folder that must keep its names.
struct Place {
    std::string path;
    std::filesystem::path folder;
};

/// One failure. `prepare` makes the files (in the test process); `inChild` sets up the
/// failure in the child that then writes, returning a reason when this machine cannot.
struct FaultCase {
    const char* name;
    std::vector<Operation> operations;
    std::function<Place(const testing::TempDir&)> prepare;
    std::function<std::string(const Place&)> inChild;
    std::function<std::string(const std::string& path)> message;
    std::string before = testing::kExampleLine1;
};

std::string NoSetUp(const Place&) { return {}; }

std::string DenyMessage(const std::string& path) { return "Access to " + path + " was denied."; }
std::string FullMessage(const std::string& path) { return "Disk full while accessing " + path + "."; }

Place CatalogIn(const testing::TempDir& dir, const std::string& before, mode_t folderMode = 0755,
                mode_t fileMode = 0644) {
    Place place{dir.file("Catalog.dat"), dir.path()};
    WriteBytes(place.path, before);
    chmod(place.path.c_str(), fileMode);
    chmod(dir.path().c_str(), folderMode);
    return place;
}

std::string DropToNobody() {
    if (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0)
        return "cannot drop to user 65534 (the test does not run as root)";
    return {};
}

/// Moves the child into a mount namespace of its own, whose mounts nobody else sees.
std::string OwnMounts() {
    if (unshare(CLONE_NEWNS) != 0)
        return std::string("no mount namespace on this machine (unshare: ") + std::strerror(errno) + ")";
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("cannot make the mounts private (") + std::strerror(errno) + ")";
    return {};
}

/// Mounts a small memory file system on `folder` (in the child's own namespace), puts
/// `before` into Catalog.dat there and fills the rest of it.
std::string SmallDisk(const Place& place, const std::string& before, const char* options) {
    if (std::string reason = OwnMounts(); !reason.empty())
        return reason;
    if (mount("tmpfs", place.folder.c_str(), "tmpfs", 0, options) != 0)
        return std::string("cannot mount a tmpfs (") + std::strerror(errno) + ")";
    WriteBytes(place.path, before);
    if (ReadBytes(place.path) != before)
        return "the small disk cannot hold the catalog";
    int filler = open((place.folder / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
    std::string block(4096, 'f');
    while (filler >= 0 && write(filler, block.data(), block.size()) > 0) {
    }
    if (filler >= 0)
        close(filler);
    return {};
}

std::vector<FaultCase> FaultCases() {
    const std::vector<Operation> all = {Operation::Append, Operation::SaveAs, Operation::SaveRecord};
    std::vector<FaultCase> cases;
    cases.push_back({"MissingFolder", all,
                     [](const testing::TempDir& dir) { return Place{dir.file("missing/Catalog.dat"), dir.path()}; },
                     NoSetUp, [](const std::string& p) { return "The folder for " + p + " was not found."; }});
    cases.push_back({"PathIsAFolder", all,
                     [](const testing::TempDir& dir) {
                         std::filesystem::create_directory(dir.file("Catalog.dat"));
                         return Place{dir.file("Catalog.dat"), dir.path()};
                     },
                     NoSetUp, [](const std::string& p) { return p + " is a folder, not a catalog file."; }});
    cases.push_back({"ParentIsAFile", all,
                     [](const testing::TempDir& dir) {
                         WriteBytes(dir.file("plain"), "x");
                         return Place{dir.file("plain/Catalog.dat"), dir.path()};
                     },
                     NoSetUp, [](const std::string& p) { return p + " contains an invalid path."; }});
    cases.push_back({"NameTooLong", all,
                     [](const testing::TempDir& dir) { return Place{dir.file(std::string(300, 'n')), dir.path()}; },
                     NoSetUp, [](const std::string& p) { return "The name " + p + " is too long."; }});
    cases.push_back({"FileSizeLimitInTheMiddleOfARecord", all,
                     [](const testing::TempDir& dir) { return CatalogIn(dir, testing::kExampleLine1); },
                     [](const Place&) {
                         signal(SIGXFSZ, SIG_IGN);
                         rlim_t room = testing::kExampleLine1.size() + 100;  // half a record
                         rlimit limit{room, room};
                         return setrlimit(RLIMIT_FSIZE, &limit) == 0 ? std::string() : "no RLIMIT_FSIZE";
                     },
                     FullMessage});
    cases.push_back({"DiskFillsInTheMiddleOfARecord", all,
                     [](const testing::TempDir& dir) {
                         std::filesystem::create_directory(dir.file("small"));
                         return Place{dir.file("small/Catalog.dat"), dir.file("small")};
                     },
                     [](const Place& place) { return SmallDisk(place, NearlyOnePage(), "size=64k"); },
                     FullMessage, NearlyOnePage()});
    cases.push_back({"NoRoomForTheTemporaryFile", {Operation::SaveAs},
                     [](const testing::TempDir& dir) {
                         std::filesystem::create_directory(dir.file("small"));
                         return Place{dir.file("small/Catalog.dat"), dir.file("small")};
                     },
                     [](const Place& place) {
                         // Inodes for the folder, the catalog and the filler only.
                         return SmallDisk(place, testing::kExampleLine1, "size=64k,nr_inodes=3");
                     },
                     FullMessage});
    cases.push_back({"PermissionDenied", all,
                     [](const testing::TempDir& dir) { return CatalogIn(dir, testing::kExampleLine1); },
                     [](const Place&) { return DropToNobody(); }, DenyMessage});
    cases.push_back({"FolderNotWritable", {Operation::SaveAs},
                     [](const testing::TempDir& dir) {
                         return CatalogIn(dir, testing::kExampleLine1, 0755, 0666);
                     },
                     [](const Place&) { return DropToNobody(); }, DenyMessage});
    cases.push_back({"ReadOnlyMount", all,
                     [](const testing::TempDir& dir) { return CatalogIn(dir, testing::kExampleLine1); },
                     [](const Place& place) {
                         if (std::string reason = OwnMounts(); !reason.empty())
                             return reason;
                         const char* folder = place.folder.c_str();
                         if (mount(folder, folder, nullptr, MS_BIND, nullptr) != 0 ||
                             mount(nullptr, folder, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                             return std::string("cannot make a read-only bind mount (") + std::strerror(errno) + ")";
                         return std::string();
                     },
                     DenyMessage});
    return cases;
}

struct FaultRow {
    FaultCase fault;
    Operation operation;
};

std::vector<FaultRow> FaultRows() {
    std::vector<FaultRow> rows;
    for (const FaultCase& fault : FaultCases())
        for (Operation op : fault.operations)
            rows.push_back({fault, op});
    return rows;
}

void PrintTo(const FaultRow& row, std::ostream* out) {
    *out << row.fault.name << " " << OperationName(row.operation);
}

class WriteFault : public ::testing::TestWithParam<FaultRow> {};

TEST_P(WriteFault, LeavesTheCatalogAsItWasAndNamesTheFile) {
    const FaultRow& row = GetParam();
    testing::TempDir dir;
    const Place place = row.fault.prepare(dir);

    // The child sets up the failure, writes, and hands back what it saw: a reason to
    // skip, or the message, the catalog's bytes and the folder's names before and after.
    auto seen = reliability::RunInChild([&]() -> std::vector<std::string> {
        if (std::string reason = row.fault.inChild(place); !reason.empty())
            return {"skip", reason};
        auto names = [&] {
            std::string joined;
            for (const std::string& name : Names(place.folder))
                joined += name + "\n";
            return joined;
        };
        const std::string bytesBefore = ReadBytes(place.path), namesBefore = names();
        auto error = WriteRecord(row.operation, place.path);
        return {"ran", error ? error->message : "(no error)", bytesBefore, ReadBytes(place.path),
                namesBefore, names()};
    });
    ASSERT_GE(seen.size(), 2u) << "the child died";
    if (seen[0] == "skip")
        GTEST_SKIP() << seen[1];
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[1], row.fault.message(place.path));
    EXPECT_EQ(seen[3], seen[2]) << "the catalog changed";
    EXPECT_EQ(seen[5], seen[4]) << "the folder's files changed";
    std::error_code ignored;
    if (std::filesystem::is_regular_file(place.path, ignored) && place.folder == dir.path()) {
        EXPECT_EQ(seen[2], row.fault.before);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WriteFault, ::testing::ValuesIn(FaultRows()),
                         [](const ::testing::TestParamInfo<FaultRow>& param) {
                             return std::string(param.param.fault.name) + "_" +
                                    OperationName(param.param.operation);
                         });

/// File descriptors open in this process.
std::size_t OpenFiles() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                  std::filesystem::directory_iterator()));
}

struct SeamRow {
    int error;
    const char* name;
    Operation operation;
};

void PrintTo(const SeamRow& row, std::ostream* out) {
    *out << row.name << " " << OperationName(row.operation);
}

class FailingFileCall : public ::testing::TestWithParam<SeamRow> {};

// Every file call of a write fails in turn, once and from then on, with the error of
// the row. A write either fails and leaves the catalog, the folder and the process as
// they were (no open file, no lock held: the next write goes through at once), or it
// succeeds and the catalog holds the record.
TEST_P(FailingFileCall, EitherWritesTheWholeRecordOrNothing) {
    const SeamRow& row = GetParam();
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    const std::string before = NearlyOnePage();
    WriteBytes(path, before);
    ASSERT_FALSE(WriteRecord(row.operation, path));
    const std::string written = ReadBytes(path);

    int failed = 0;
    for (bool persistent : {false, true}) {
        for (int nth = 1;; ++nth) {
            SCOPED_TRACE("call " + std::to_string(nth) + (persistent ? " and after" : " only"));
            WriteBytes(path, before);
            const std::size_t files = OpenFiles();
            file::InjectFaultForTesting(nth, row.error, persistent);
            auto error = WriteRecord(row.operation, path);
            const int calls = file::CallsSinceInjection();
            file::InjectFaultForTesting(0, 0);
            EXPECT_EQ(OpenFiles(), files) << "a file was left open";
            EXPECT_EQ(Names(dir.path()), std::set<std::string>{"Catalog.dat"});
            if (error) {
                ++failed;
                const std::string sharing = "Sharing violation while accessing " + path + ".";
                if (row.error == EACCES && error->message == sharing) {
                    // A lock refused with EACCES is another writer's lock.
                } else {
                    EXPECT_EQ(error->message, FileErrorMessage(row.error, path));
                }
                EXPECT_EQ(ReadBytes(path), before) << "a failed write left part of a record";
                auto started = std::chrono::steady_clock::now();
                EXPECT_FALSE(WriteRecord(row.operation, path)) << "the next write failed too";
                EXPECT_LT(std::chrono::steady_clock::now() - started, kLockWait) << "a lock was left held";
                EXPECT_EQ(ReadBytes(path), written);
            } else {
                EXPECT_EQ(ReadBytes(path), written);
            }
            if (nth > calls)
                break;
        }
    }
    EXPECT_GT(failed, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, FailingFileCall,
                         ::testing::ValuesIn([] {
                             std::vector<SeamRow> rows;
                             for (auto [error, name] : {std::pair{ENOSPC, "ENOSPC"}, {EACCES, "EACCES"},
                                                        {EINTR, "EINTR"}})
                                 for (Operation op : {Operation::Append, Operation::SaveAs, Operation::SaveRecord})
                                     rows.push_back({error, name, op});
                             return rows;
                         }()),
                         [](const ::testing::TestParamInfo<SeamRow>& param) {
                             return std::string(param.param.name) + "_" + OperationName(param.param.operation);
                         });

}  // namespace
}  // namespace tarvel
