#pragma once

#include <string>

namespace tarvel {

/// Why a catalog operation failed, worded for the user.
struct CatalogError {
    enum class Kind {
        File,    ///< the file could not be opened, read or written; `path` names it
        Layout,  ///< the record holds input that the catalog layout cannot hold
    };
    Kind kind = Kind::File;
    int systemError = 0;  ///< errno of a file error, 0 otherwise
    std::string path;
    std::string message;
};

/// The message for a file error `systemError` (an errno value) on `path`, such as
/// "Access to Catalog.dat was denied." or "Disk full while accessing Catalog.dat.".
std::string FileErrorMessage(int systemError, const std::string& path);

/// A file error on `path` with its message.
CatalogError FileError(int systemError, const std::string& path);

}  // namespace tarvel
