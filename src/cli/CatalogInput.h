#pragma once

#include <optional>
#include <string>

namespace tarvel::cli {

/// A file's bytes, or why they could not be read: a message for the user naming the file.
struct FileBytes {
    std::string bytes;
    std::optional<std::string> error;
};

/// Reads the whole file at `path` as bytes, without creating it: a missing file is an
/// error ("Catalog.dat does not exist."), as is a folder or a failed read.
FileBytes ReadWholeFile(const std::string& path);

/// What a catalog append would number from: the catalog's last line as the writer reads
/// it, without creating a missing catalog (which then has no last line).
struct LastLine {
    bool hasLines = false;
    std::string text;
    std::optional<std::string> error;
};
LastLine ReadCatalogLastLine(const std::string& path);

}  // namespace tarvel::cli
