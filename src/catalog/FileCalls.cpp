#include "catalog/FileCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tarvel::file {

namespace {

struct FaultPlan {
    int nth = 0;
    int error = 0;
    bool persistent = false;
    int calls = 0;
};
FaultPlan faults;

/// Counts a call and tells whether it is to fail; sets errno when it is.
bool Fails() {
    ++faults.calls;
    if (faults.nth <= 0)
        return false;
    bool fail = faults.persistent ? faults.calls >= faults.nth : faults.calls == faults.nth;
    if (fail)
        errno = faults.error;
    return fail;
}

}  // namespace

void InjectFaultForTesting(int nth, int error, bool persistent) {
    faults = FaultPlan{nth, error, persistent, 0};
}

int CallsSinceInjection() { return faults.calls; }

int Open(const char* path, int flags, mode_t mode) {
    if (Fails())
        return -1;
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t PRead(int fd, void* buffer, size_t size, off_t offset) {
    if (Fails())
        return -1;
    ssize_t n;
    do {
        n = ::pread(fd, buffer, size, offset);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t Read(int fd, void* buffer, size_t size) {
    if (Fails())
        return -1;
    ssize_t n;
    do {
        n = ::read(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t PWrite(int fd, const void* buffer, size_t size, off_t offset) {
    if (Fails())
        return -1;
    ssize_t n;
    do {
        n = ::pwrite(fd, buffer, size, offset);
    } while (n < 0 && errno == EINTR);
    return n;
}

int Stat(int fd, struct stat* info) { return Fails() ? -1 : ::fstat(fd, info); }

int StatPath(const char* path, struct stat* info) { return Fails() ? -1 : ::stat(path, info); }

int SyncData(int fd) { return Fails() ? -1 : ::fdatasync(fd); }

int Truncate(int fd, off_t length) { return Fails() ? -1 : ::ftruncate(fd, length); }

int Close(int fd) {
    bool fail = Fails();
    int saved = errno;
    int result = ::close(fd);
    if (fail) {
        errno = saved;
        return -1;
    }
    return result;
}

int Rename(const char* from, const char* to) { return Fails() ? -1 : ::rename(from, to); }

int Unlink(const char* path) { return Fails() ? -1 : ::unlink(path); }

int Fchmod(int fd, mode_t mode) { return Fails() ? -1 : ::fchmod(fd, mode); }

int TryLockForWriting(int fd) {
    if (Fails())
        return -1;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    return ::fcntl(fd, F_OFD_SETLK, &lock);
}

int Dup(int fd) { return Fails() ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0); }

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.release();
    }
    return *this;
}

UniqueFd::~UniqueFd() {
    if (fd_ >= 0)
        ::close(fd_);
}

int UniqueFd::release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
}

int UniqueFd::close() { return fd_ >= 0 ? Close(release()) : 0; }

bool ReadFully(int fd, char* buffer, size_t size, off_t offset) {
    while (size > 0) {
        ssize_t n = PRead(fd, buffer, size, offset);
        if (n <= 0)
            return false;
        buffer += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

bool WriteFully(int fd, const char* buffer, size_t size, off_t offset) {
    while (size > 0) {
        ssize_t n = PWrite(fd, buffer, size, offset);
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        buffer += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

}  // namespace tarvel::file
