#include "catalog/CatalogError.h"

#include <cerrno>
#include <cstring>

namespace tarvel {

std::string FileErrorMessage(int systemError, const std::string& path) {
    if (path.empty())
        return "The catalog has no file name.";
    switch (systemError) {
    case EACCES:
    case EPERM:
    case EROFS:
        return "Access to " + path + " was denied.";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full while accessing " + path + ".";
    case EAGAIN:
    case EBUSY:
    case ETXTBSY:
        return "Sharing violation while accessing " + path + ".";
    case ENOENT:
        return "The folder for " + path + " was not found.";
    case ENOTDIR:
    case ELOOP:
        return path + " contains an invalid path.";
    case EISDIR:
        return path + " is a folder, not a catalog file.";
    case ENAMETOOLONG:
        return "The name " + path + " is too long.";
    case EMFILE:
    case ENFILE:
        return "Too many files are open to access " + path + ".";
    case EIO:
        return "A hardware I/O error was reported while accessing " + path + ".";
    default:
        return "An error occurred while accessing " + path + " (" + std::strerror(systemError) +
               ").";
    }
}

CatalogError FileError(int systemError, const std::string& path) {
    return CatalogError{CatalogError::Kind::File, systemError, path,
                        FileErrorMessage(systemError, path)};
}

}  // namespace tarvel
