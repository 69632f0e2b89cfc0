#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>

namespace tarvel::file {

// The system calls that catalog operations make, in one place so that tests can make
// any of them fail. Each returns what the system call returns and sets errno.

int Open(const char* path, int flags, mode_t mode = 0666);
ssize_t PRead(int fd, void* buffer, size_t size, off_t offset);
/// Reads sequentially from the current offset.
ssize_t Read(int fd, void* buffer, size_t size);
ssize_t PWrite(int fd, const void* buffer, size_t size, off_t offset);
int Stat(int fd, struct stat* info);
int StatPath(const char* path, struct stat* info);
int SyncData(int fd);
int Truncate(int fd, off_t length);
/// Closes `fd`; it is closed even when this reports an error.
int Close(int fd);
int Rename(const char* from, const char* to);
int Unlink(const char* path);
int Fchmod(int fd, mode_t mode);
/// Takes an exclusive open-file-description lock on the whole file without waiting.
int TryLockForWriting(int fd);
int Dup(int fd);

/// Makes the `nth` file call from now on fail with `error` (1 is the next call); with
/// `persistent`, every call from the nth on fails. 0 turns failures off.
void InjectFaultForTesting(int nth, int error, bool persistent = false);
/// Number of file calls made since the last InjectFaultForTesting.
int CallsSinceInjection();

/// Owns a file descriptor and closes it on destruction.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    ~UniqueFd();

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release();
    /// Closes now; returns Close's result (0 when there was nothing to close).
    int close();

private:
    int fd_ = -1;
};

/// Reads exactly `size` bytes at `offset`; false on an error or an early end of file.
bool ReadFully(int fd, char* buffer, size_t size, off_t offset);
/// Writes all of `size` bytes at `offset`; false (errno set) when that could not be done.
bool WriteFully(int fd, const char* buffer, size_t size, off_t offset);

}  // namespace tarvel::file
