#include "catalog/CatalogWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <thread>

#include "catalog/AppendJournal.h"
#include "catalog/FileCalls.h"
#include "catalog/RecordNumbering.h"

namespace tarvel {

namespace {

using Clock = std::chrono::steady_clock;

/// Takes the exclusive lock on an open catalog, waiting up to kLockWait for another
/// writer to finish. False with errno set when it could not be had.
bool LockCatalog(int fd) {
    const auto deadline = Clock::now() + kLockWait;
    while (file::TryLockForWriting(fd) != 0) {
        if ((errno != EAGAIN && errno != EACCES) || Clock::now() >= deadline) {
            if (errno == EACCES)
                errno = EAGAIN;  // held by another writer, not a permission problem
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

/// Opens the catalog for appending and locks it. Retries when the file was replaced
/// (Save As renames a new file over it) between the open and the lock.
std::optional<CatalogError> OpenLockedForAppend(const std::string& path, file::UniqueFd& fd) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        fd = file::UniqueFd(file::Open(path.c_str(), O_RDWR | O_CREAT));
        if (!fd || !LockCatalog(fd.get()))
            return FileError(errno, path);
        struct stat opened {}, named {};
        if (file::Stat(fd.get(), &opened) != 0)
            return FileError(errno, path);
        if (file::StatPath(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
            named.st_dev == opened.st_dev)
            return std::nullopt;
    }
    return FileError(EAGAIN, path);
}

/// Appends `bytes` at `size`, syncs and closes `fd`, cutting the file back to `size`
/// when any of that fails. The journal note stands while the record is written.
std::optional<CatalogError> AppendBytes(const std::string& path, file::UniqueFd fd,
                                        std::int64_t size, const std::string& bytes) {
    const std::string journal = AppendJournalPath(path);
    if (!BeginAppend(journal, size, size + static_cast<std::int64_t>(bytes.size())))
        return FileError(errno, path);
    int error = 0;
    if (!file::WriteFully(fd.get(), bytes.data(), bytes.size(), size) ||
        file::SyncData(fd.get()) != 0) {
        error = errno;
    } else {
        // Closing a duplicate reports the errors that a close can, while the original
        // still holds the lock and can cut the file back.
        file::UniqueFd duplicate(file::Dup(fd.get()));
        if (!duplicate || duplicate.close() != 0)
            error = errno;
    }
    if (error != 0 && ::ftruncate(fd.get(), size) == 0)
        ::fdatasync(fd.get());
    EndAppend(journal);
    // The record is synced (or cut back) and a close has succeeded; this last close only
    // releases the lock.
    fd.close();
    if (error != 0)
        return FileError(error, path);
    return std::nullopt;
}

/// Whether the last byte of a file of `size` bytes is something other than a line feed.
std::optional<bool> EndsInsideLine(int fd, std::int64_t size) {
    if (size == 0)
        return false;
    char last = 0;
    if (!file::ReadFully(fd, &last, 1, size - 1))
        return std::nullopt;
    return last != '\n';
}

std::optional<CatalogError> Append(const std::string& path, CatalogRecord& record,
                                   const ModePageList& pages, std::string_view date,
                                   bool numbered) {
    file::UniqueFd fd;
    if (auto error = OpenLockedForAppend(path, fd))
        return error;
    struct stat info {};
    if (file::Stat(fd.get(), &info) != 0)
        return FileError(errno, path);
    const std::optional<std::int64_t> recovered =
        RecoverUnfinishedAppend(AppendJournalPath(path), fd.get(), info.st_size);
    if (!recovered)
        return FileError(errno, path);
    const std::int64_t size = *recovered;
    std::optional<bool> insideLine = EndsInsideLine(fd.get(), size);
    if (!insideLine)
        return FileError(errno ? errno : EIO, path);
    if (numbered) {
        std::optional<std::string> lastLine = ReadLastLine(fd.get(), size);
        if (!lastLine)
            return FileError(errno ? errno : EIO, path);
        record.recordNumber = FormatRecordNumber(NextNumberAfter(size > 0 ? 1 : 0, *lastLine));
    }
    record.recordDate = std::string(date);
    PadPageNumbers(pages);
    std::string bytes;
    if (RecordStartsNewLine(NumberValue(record.recordNumber), *insideLine))
        bytes = "\r\n";
    bytes += FormatCatalogRecord(record, pages);
    return AppendBytes(path, std::move(fd), size, bytes);
}

std::string ParentFolder(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string TemporaryName(const std::string& path) {
    static std::mt19937_64 random{std::random_device{}()};
    std::size_t slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%012llx",
                  static_cast<unsigned long long>(random() & 0xffffffffffffULL));
    return folder + "." + name + suffix + ".tmp";
}

std::optional<CatalogError> Replace(const std::string& path, CatalogRecord& record,
                                    const ModePageList& pages, std::string_view date) {
    // Lock the catalog that is being replaced, so that no append goes into it meanwhile;
    // opening it for writing also checks that it may be written at all.
    file::UniqueFd old(file::Open(path.c_str(), O_WRONLY));
    struct stat oldInfo {};
    if (old) {
        if (!LockCatalog(old.get()) || file::Stat(old.get(), &oldInfo) != 0)
            return FileError(errno, path);
    } else if (errno != ENOENT) {
        return FileError(errno, path);
    }

    record.recordDate = std::string(date);
    PadPageNumbers(pages);
    std::string bytes;
    if (RecordStartsNewLine(NumberValue(record.recordNumber), false))
        bytes = "\r\n";
    bytes += FormatCatalogRecord(record, pages);

    std::string temporary;
    file::UniqueFd fd;
    for (int attempt = 0; attempt < 16 && !fd; ++attempt) {
        temporary = TemporaryName(path);
        fd = file::UniqueFd(file::Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL));
        if (!fd && errno != EEXIST)
            return FileError(errno, path);
    }
    if (!fd)
        return FileError(EEXIST, path);

    int error = 0;
    if ((old && file::Fchmod(fd.get(), oldInfo.st_mode & 07777) != 0) ||
        !file::WriteFully(fd.get(), bytes.data(), bytes.size(), 0) ||
        file::SyncData(fd.get()) != 0 || fd.close() != 0 ||
        file::Rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return FileError(error, path);
    }
    EndAppend(AppendJournalPath(path));  // a note about the old catalog no longer applies
    // Make the rename itself durable; the new catalog is in place either way.
    file::UniqueFd folder(::open(ParentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder)
        ::fsync(folder.get());
    return std::nullopt;
}

/// Why the record cannot go to `path` at all, before any file is touched.
std::optional<CatalogError> Unwritable(const std::string& path, const CatalogRecord& record,
                                       const ModePageList& pages) {
    if (auto refusal = CheckRecordForLayout(record, pages))
        return CatalogError{CatalogError::Kind::Layout, 0, path, refusal->message};
    if (path.empty())
        return FileError(ENOENT, path);
    return std::nullopt;
}

}  // namespace

std::optional<CatalogError> WriteCatalogRecordToFile(const std::string& path, WriteMode mode,
                                                     CatalogRecord& record,
                                                     const ModePageList& pages,
                                                     std::string_view date) {
    if (auto error = Unwritable(path, record, pages))
        return error;
    if (mode == WriteMode::Replace)
        return Replace(path, record, pages, date);
    return Append(path, record, pages, date, false);
}

std::optional<CatalogError> AppendNumberedRecord(const std::string& path, CatalogRecord& record,
                                                 const ModePageList& pages,
                                                 std::string_view date) {
    if (auto error = Unwritable(path, record, pages))
        return error;
    return Append(path, record, pages, date, true);
}

}  // namespace tarvel
