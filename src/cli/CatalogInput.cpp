#include "cli/CatalogInput.h"

#include <cerrno>
#include <sys/stat.h>

#include "catalog/CatalogError.h"
#include "catalog/CatalogLines.h"
#include "catalog/FileCalls.h"
#include "catalog/RecordNumbering.h"

namespace tarvel::cli {

namespace {

/// Opens `path` for reading as the editor does, without creating it. A missing file is
/// said to be missing; other errors carry the editor's messages.
file::UniqueFd OpenForReading(const std::string& path, std::optional<std::string>& error,
                              int& systemError) {
    std::optional<CatalogError> failure;
    file::UniqueFd fd = OpenCatalogForReading(path, failure, false);
    if (failure) {
        systemError = failure->systemError;
        error = systemError == ENOENT ? path + " does not exist." : failure->message;
    }
    return fd;
}

bool FolderExists(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    struct stat info {};
    return file::StatPath(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path) {
    FileBytes result;
    int systemError = 0;
    file::UniqueFd fd = OpenForReading(path, result.error, systemError);
    if (!fd)
        return result;
    char chunk[1 << 16];
    while (true) {
        ssize_t n = file::Read(fd.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = FileErrorMessage(errno, path);
            result.bytes.clear();
            return result;
        }
        if (n == 0)
            break;
        result.bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return result;
}

LastLine ReadCatalogLastLine(const std::string& path) {
    LastLine result;
    int systemError = 0;
    std::optional<std::string> error;
    file::UniqueFd fd = OpenForReading(path, error, systemError);
    if (!fd) {
        // A missing catalog is created by the append, provided that its folder exists.
        if (systemError != ENOENT)
            result.error = error;
        else if (!FolderExists(path))
            result.error = FileErrorMessage(ENOENT, path);
        return result;
    }
    struct stat info {};
    if (file::Stat(fd.get(), &info) != 0) {
        result.error = FileErrorMessage(errno, path);
        return result;
    }
    if (info.st_size == 0)
        return result;
    std::optional<std::string> last = ReadLastLine(fd.get(), info.st_size);
    if (!last) {
        result.error = FileErrorMessage(errno ? errno : EIO, path);
        return result;
    }
    result.hasLines = true;
    result.text = std::move(*last);
    return result;
}

}  // namespace tarvel::cli
