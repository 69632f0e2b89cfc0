#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <set>

#include "TestSupport.h"
#include "catalog/CatalogReader.h"
#include "catalog/CatalogWriter.h"
#include "catalog/FileCalls.h"

namespace tarvel {
namespace {

using testing::ExamplePage;
using testing::ExampleRecord;
using testing::ExampleRecordWithPage;
using testing::ReadBytes;
using testing::WriteBytes;

const std::string kDate = "6/3/97";

std::optional<CatalogError> Write(const std::string& path, WriteMode mode, CatalogRecord record,
                                  const ModePageList& pages = ModePageList()) {
    return WriteCatalogRecordToFile(path, mode, record, pages, kDate);
}

std::optional<CatalogError> SaveRecord(const std::string& path, CatalogRecord record = ExampleRecord()) {
    ModePageList none;
    return AppendNumberedRecord(path, record, none, kDate);
}

/// Runs `body` in a child process and returns its exit status.
int InChild(const std::function<int()>& body) {
    pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

/// The names in a folder, to show that no temporary file is left behind.
std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(CatalogWriter, WritesTheWorkedExampleRecordAfterRecord) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    ModePageList pages;
    pages.append(ExamplePage());
    ASSERT_FALSE(Write(path, WriteMode::Append, ExampleRecord()));
    ASSERT_FALSE(Write(path, WriteMode::Append, ExampleRecordWithPage(), pages));
    EXPECT_EQ(ReadBytes(path), testing::kExampleLine1 + "\r\n" + testing::kExampleLine2);
}

TEST(CatalogWriter, SaveRecordNumbersOnFromTheLastLine) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    CatalogRecord record = ExampleRecord();
    record.recordNumber = "0042";  // whatever the form showed
    ModePageList none;
    ASSERT_FALSE(AppendNumberedRecord(path, record, none, kDate));
    EXPECT_EQ(record.recordNumber, "0001");
    ASSERT_FALSE(AppendNumberedRecord(path, record, none, kDate));
    EXPECT_EQ(record.recordNumber, "0002");
    EXPECT_EQ(ReadBytes(path), testing::kExampleLine1 + "\r\n0002" + testing::kExampleLine1.substr(4));

    WriteBytes(path, "0007,x\r\n0003,y");
    ASSERT_FALSE(AppendNumberedRecord(path, record, none, kDate));
    EXPECT_EQ(record.recordNumber, "0004");
}

TEST(CatalogWriter, ARecordOfFortyPagesIsOneLineAndNumbersTheNextRight) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    ModePageList pages;
    for (int p = 0; p < 40; ++p)
        pages.append(ExamplePage());
    CatalogRecord record = ExampleRecordWithPage();
    record.numberOfModePages = "40";
    ASSERT_FALSE(AppendNumberedRecord(path, record, pages, kDate));
    ASSERT_FALSE(SaveRecord(path));
    EXPECT_GT(std::filesystem::file_size(path), 5400u);

    std::string content = ReadBytes(path);
    std::string first = content.substr(0, content.find('\n') + 1);
    ModePageState state;
    CatalogRecord loaded;
    ApplyParsedLine(ParseCatalogLine(first), loaded, state);
    EXPECT_EQ(loaded.recordNumber, "0001");
    EXPECT_EQ(state.list.size(), 40u);
    EXPECT_EQ(loaded.upgradeNotes, "Fixes read retry");
    EXPECT_TRUE(content.ends_with("\r\n0002" + testing::kExampleLine1.substr(4)));
}

TEST(CatalogWriter, SetsTheDateAndKeepsPaddedPageNumbers) {
    testing::TempDir dir;
    ModePageList pages;
    pages.append(ExamplePage());
    SetSlotText(*pages.entryAt(pages.first()), 0, "8");
    CatalogRecord record = ExampleRecordWithPage();
    ASSERT_FALSE(WriteCatalogRecordToFile(dir.file("c.dat"), WriteMode::Append, record, pages, "12/31/04"));
    EXPECT_EQ(record.recordDate, "12/31/04");
    EXPECT_EQ(pages.entryAt(pages.first())->slotTexts[0], "08|");
    EXPECT_EQ(record.upgradeNotes, "Fixes read retry");
}

TEST(CatalogWriter, ARecordNeverRunsOnFromTheLineBefore) {
    struct Case {
        const char* name;
        std::string before;
        const char* number;
        bool newLine;
    };
    const Case cases[] = {
        {"0001 into an empty file", "", "0001", false},
        {"0002 into an empty file", "", "0002", true},
        {"0001 after a record", testing::kExampleLine1, "0001", true},
        {"0000 after a record", testing::kExampleLine1, "0000", true},
        {"a non-number after a record", testing::kExampleLine1, "abc", true},
        {"0001 after a line break", testing::kExampleLine1 + "\r\n", "0001", false},
        {"0003 after a line break", testing::kExampleLine1 + "\n", "0003", true},
    };
    testing::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.file("Catalog.dat");
        WriteBytes(path, c.before);
        CatalogRecord record = ExampleRecord();
        record.recordNumber = c.number;
        ASSERT_FALSE(Write(path, WriteMode::Append, record));
        std::string added = ReadBytes(path).substr(c.before.size());
        EXPECT_EQ(added.starts_with("\r\n"), c.newLine) << added;
        EXPECT_EQ(added.substr(c.newLine ? 2 : 0, 5),
                  FormatRecordNumber(NumberValue(c.number)) + ",");
    }
}

TEST(CatalogWriter, SaveAsReplacesTheFileWithTheOneRecord) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    WriteBytes(path, testing::kExampleLine1 + "\r\n" + testing::kExampleLine2);
    chmod(path.c_str(), 0640);

    CatalogRecord record = ExampleRecord();
    record.recordNumber = "0005";
    ASSERT_FALSE(Write(path, WriteMode::Replace, record));
    EXPECT_EQ(ReadBytes(path), "\r\n0005" + testing::kExampleLine1.substr(4));
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms(0640)) << "the catalog keeps its permissions";

    ASSERT_FALSE(Write(dir.file("new.dat"), WriteMode::Replace, ExampleRecord()));
    EXPECT_EQ(ReadBytes(dir.file("new.dat")), testing::kExampleLine1);
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"Catalog.dat", "new.dat"}));
}

TEST(CatalogWriter, RefusesWhatTheLayoutCannotHoldWithoutTouchingTheFile) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    WriteBytes(path, testing::kExampleLine1);
    CatalogRecord record = ExampleRecord();
    record.product = "DRIVE,01";
    for (WriteMode mode : {WriteMode::Append, WriteMode::Replace}) {
        auto error = Write(path, mode, record);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind, CatalogError::Kind::Layout);
        EXPECT_EQ(error->message, "Product cannot hold a comma, a vertical bar or a line break.");
        EXPECT_EQ(ReadBytes(path), testing::kExampleLine1);
    }
    EXPECT_TRUE(SaveRecord(path, record));
    EXPECT_EQ(ReadBytes(path), testing::kExampleLine1);
}

TEST(CatalogWriter, FailuresNameTheFileAndChangeNothing) {
    testing::TempDir dir;
    WriteBytes(dir.file("plain"), "x");
    std::filesystem::create_directory(dir.file("folder"));
    struct Case {
        std::string path;
        std::string message;
    };
    const std::string tooLong = dir.file(std::string(300, 'n'));
    const Case cases[] = {
        {dir.file("missing/Catalog.dat"), "The folder for " + dir.file("missing/Catalog.dat") + " was not found."},
        {dir.file("folder"), dir.file("folder") + " is a folder, not a catalog file."},
        {dir.file("plain/Catalog.dat"), dir.file("plain/Catalog.dat") + " contains an invalid path."},
        {tooLong, "The name " + tooLong + " is too long."},
        {"", "The catalog has no file name."},
    };
    for (const Case& c : cases) {
        for (WriteMode mode : {WriteMode::Append, WriteMode::Replace}) {
            SCOPED_TRACE(c.path + (mode == WriteMode::Append ? " append" : " replace"));
            auto before = Names(dir.path());
            auto error = Write(c.path, mode, ExampleRecord());
            ASSERT_TRUE(error);
            EXPECT_EQ(error->kind, CatalogError::Kind::File);
            EXPECT_EQ(error->message, c.message);
            EXPECT_EQ(Names(dir.path()), before);
            EXPECT_EQ(ReadBytes(dir.file("plain")), "x");
        }
    }
}

TEST(CatalogWriter, PermissionDeniedIsReportedAsSuch) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to drop to another user";
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    WriteBytes(path, testing::kExampleLine1);
    chmod(dir.path().c_str(), 0755);
    chmod(path.c_str(), 0644);
    for (WriteMode mode : {WriteMode::Append, WriteMode::Replace}) {
        int status = InChild([&] {
            if (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0)
                return 10;
            auto error = Write(path, mode, ExampleRecordWithPage());
            return error && error->message == "Access to " + path + " was denied." ? 0 : 1;
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(ReadBytes(path), testing::kExampleLine1);
        EXPECT_EQ(Names(dir.path()), std::set<std::string>{"Catalog.dat"});
    }
}

TEST(CatalogWriter, ADiskThatFillsInTheMiddleOfARecordLeavesTheCatalogAsItWas) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    const std::string before = testing::kExampleLine1;
    for (WriteMode mode : {WriteMode::Append, WriteMode::Replace}) {
        WriteBytes(path, before);
        int status = InChild([&] {
            signal(SIGXFSZ, SIG_IGN);
            // Room for the old bytes and half of the new record.
            rlimit limit{before.size() + 100, before.size() + 100};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 10;
            ModePageList pages;
            pages.append(ExamplePage());
            CatalogRecord record = ExampleRecordWithPage();
            auto error = WriteCatalogRecordToFile(path, mode, record, pages, kDate);
            return error && error->message == "Disk full while accessing " + path + "." ? 0 : 1;
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(Names(dir.path()), std::set<std::string>{"Catalog.dat"});
    }
}

TEST(CatalogWriter, AFailureOfAnyFileCallLeavesNoPartOfARecord) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    const std::string before = testing::kExampleLine1;
    ModePageList pages;
    pages.append(ExamplePage());
    struct Operation {
        const char* name;
        std::function<std::optional<CatalogError>()> run;
        std::string after;
    };
    const Operation operations[] = {
        {"append", [&] { return Write(path, WriteMode::Append, ExampleRecordWithPage(), pages); },
         before + "\r\n" + testing::kExampleLine2},
        {"numbered append", [&] {
             CatalogRecord record = ExampleRecordWithPage();
             return AppendNumberedRecord(path, record, pages, kDate);
         }, before + "\r\n" + testing::kExampleLine2},
        {"replace", [&] { return Write(path, WriteMode::Replace, ExampleRecordWithPage(), pages); },
         "\r\n" + testing::kExampleLine2},
    };
    for (const Operation& op : operations) {
        for (bool persistent : {false, true}) {
            for (int nth = 1;; ++nth) {
                SCOPED_TRACE(std::string(op.name) + " failing call " + std::to_string(nth) +
                             (persistent ? " and after" : ""));
                WriteBytes(path, before);
                file::InjectFaultForTesting(nth, EIO, persistent);
                auto error = op.run();
                int calls = file::CallsSinceInjection();
                file::InjectFaultForTesting(0, 0);
                if (error) {
                    EXPECT_EQ(error->message,
                              "A hardware I/O error was reported while accessing " + path + ".");
                    EXPECT_EQ(ReadBytes(path), before);
                } else {
                    EXPECT_EQ(ReadBytes(path), op.after);
                }
                EXPECT_EQ(Names(dir.path()), std::set<std::string>{"Catalog.dat"});
                if (nth > calls)
                    break;  // the fault came after the last call: every call has failed once
            }
        }
    }
}

TEST(CatalogWriter, TheNextWriterCutsOffARecordThatAKilledWriterLeftUnfinished) {
    testing::TempDir dir;
    const std::string path = dir.file("Catalog.dat");
    const std::string whole = testing::kExampleLine1 + "\r\n" + testing::kExampleLine2;
    const std::int64_t before = testing::kExampleLine1.size();
    const std::int64_t after = whole.size();
    struct Case {
        const char* name;
        std::string content;  // what the killed writer left
        const char* note;     // its note, or null for none
        std::string kept;     // what the next writer finds before its own record
    };
    const Case cases[] = {
        {"cut inside the record", whole.substr(0, 150), "", testing::kExampleLine1},
        {"killed before writing", testing::kExampleLine1, "", testing::kExampleLine1},
        {"killed after writing", whole, "", whole},
        {"written past since", whole + "\r\n0003,x", "", whole + "\r\n0003,x"},
        {"no note", whole.substr(0, 150), nullptr, whole.substr(0, 150)},
        {"an unreadable note", whole.substr(0, 150), "garbage", whole.substr(0, 150)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.content);
        if (c.note)
            WriteBytes(dir.file(".Catalog.dat.append"),
                       *c.note ? std::string(c.note)
                               : std::to_string(before) + " " + std::to_string(after) + "\n");
        ASSERT_FALSE(SaveRecord(path));
        const std::string content = ReadBytes(path);
        EXPECT_EQ(content.substr(0, c.kept.size()), c.kept);
        ModePageState state;
        CatalogRecord added;
        ApplyParsedLine(ParseCatalogLine(content.substr(content.rfind('\n') + 1)), added, state);
        EXPECT_EQ(added.vendor, "Seagate");
        EXPECT_EQ(Names(dir.path()), std::set<std::string>{"Catalog.dat"});
    }
}

/// A child that holds the catalog's lock until it is killed.
class LockHolder {
public:
    explicit LockHolder(const std::string& path) {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            int fd = open(path.c_str(), O_RDWR);
            bool locked = fd >= 0 && file::TryLockForWriting(fd) == 0;
            (void)!write(ready[1], locked ? "1" : "0", 1);
            pause();
            _exit(0);
        }
        char answer = 0;
        (void)!read(ready[0], &answer, 1);
        locked_ = answer == '1';
        close(ready[0]);
        close(ready[1]);
    }
    ~LockHolder() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool locked() const { return locked_; }

private:
    pid_t pid_ = -1;
    bool locked_ = false;
};

TEST(CatalogWriter, AHeldLockIsASharingViolation) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    WriteBytes(path, testing::kExampleLine1);
    LockHolder holder(path);
    ASSERT_TRUE(holder.locked());
    for (WriteMode mode : {WriteMode::Append, WriteMode::Replace}) {
        auto started = std::chrono::steady_clock::now();
        auto error = Write(path, mode, ExampleRecordWithPage());
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message, "Sharing violation while accessing " + path + ".");
        EXPECT_LT(std::chrono::steady_clock::now() - started, kLockWait * 4);
    }
    EXPECT_TRUE(SaveRecord(path));
    EXPECT_EQ(ReadBytes(path), testing::kExampleLine1);
    EXPECT_EQ(Names(dir.path()), std::set<std::string>{"Catalog.dat"});
}

TEST(CatalogWriter, TwoProgramsSavingAtOnceGetConsecutiveNumbers) {
    testing::TempDir dir;
    std::string path = dir.file("Catalog.dat");
    constexpr int kPerWriter = 100;
    std::vector<pid_t> writers;
    for (int w = 0; w < 2; ++w) {
        pid_t pid = fork();
        if (pid == 0) {
            for (int i = 0; i < kPerWriter; ++i)
                if (SaveRecord(path))
                    _exit(1);
            _exit(0);
        }
        writers.push_back(pid);
    }
    for (pid_t pid : writers) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::string content = ReadBytes(path);
    std::istringstream lines(content);
    std::string line;
    int expected = 1;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        EXPECT_EQ(line, FormatRecordNumber(expected) + testing::kExampleLine1.substr(4));
        ++expected;
    }
    EXPECT_EQ(expected - 1, 2 * kPerWriter);
}

}  // namespace
}  // namespace tarvel
