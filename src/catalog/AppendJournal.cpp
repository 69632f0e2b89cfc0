#include "catalog/AppendJournal.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "catalog/FileCalls.h"

namespace tarvel {

std::string AppendJournalPath(const std::string& catalogPath) {
    const std::size_t slash = catalogPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : catalogPath.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? catalogPath : catalogPath.substr(slash + 1);
    return folder + "." + name + ".append";
}

bool BeginAppend(const std::string& journal, std::int64_t before, std::int64_t after) {
    char note[64];
    const int length = std::snprintf(note, sizeof note, "%" PRId64 " %" PRId64 "\n", before, after);
    file::UniqueFd fd(file::Open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC));
    if (!fd)
        return false;
    if (!file::WriteFully(fd.get(), note, static_cast<std::size_t>(length), 0) || fd.close() != 0) {
        const int error = errno;
        ::unlink(journal.c_str());
        errno = error;
        return false;
    }
    return true;
}

void EndAppend(const std::string& journal) { ::unlink(journal.c_str()); }

std::optional<std::int64_t> RecoverUnfinishedAppend(const std::string& journal, int fd,
                                                    std::int64_t size) {
    file::UniqueFd note(::open(journal.c_str(), O_RDONLY | O_CLOEXEC));
    if (!note)
        return size;  // no append was cut off
    char text[64] = {};
    const ssize_t length = ::pread(note.get(), text, sizeof text - 1, 0);
    std::int64_t before = -1, after = -1;
    if (length > 0)
        std::sscanf(text, "%" SCNd64 " %" SCNd64, &before, &after);
    // Only a catalog that ends inside the announced record is cut: one that ends where
    // the record ends holds it whole, and one that grew past it was written since.
    if (before >= 0 && size > before && size < after) {
        if (::ftruncate(fd, before) != 0 || ::fdatasync(fd) != 0)
            return std::nullopt;
        size = before;
    }
    EndAppend(journal);
    return size;
}

void RepairUnfinishedAppend(const std::string& path) {
    const std::string journal = AppendJournalPath(path);
    if (::access(journal.c_str(), F_OK) != 0)
        return;
    file::UniqueFd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (!fd)
        return;
    // Wait a little for a writer that is still at work (its note is its own); when the
    // lock stays taken, the reader goes on and a later reader or writer repairs.
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    for (int attempt = 0; ::fcntl(fd.get(), F_OFD_SETLK, &lock) != 0; ++attempt) {
        if (attempt == 250)
            return;
        ::usleep(2000);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) == 0)
        RecoverUnfinishedAppend(journal, fd.get(), info.st_size);
}

}  // namespace tarvel
