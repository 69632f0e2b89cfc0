#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/CatalogError.h"

namespace tarvel {

/// What a count of a catalog's lines found.
struct LineCount {
    /// Lines of the file: every line feed ends one, and bytes after the last line feed
    /// are one more. Empty lines count; a line is one line however long it is.
    std::int64_t lines = 0;
    /// The last line with its line end, as the last read of a line would leave it;
    /// empty when the file has no line.
    std::string lastLine;
    /// Set when the catalog could not be opened or read; `lines` then is 0.
    std::optional<CatalogError> error;
};

/// Counts the lines of the catalog at `path`, creating it empty when it does not exist.
/// Reads the whole file; ReadLastCatalogLine answers what numbering needs from its end.
LineCount CountCatalogLines(const std::string& path);

/// What reading a catalog's last line from the end of the file found.
struct LastCatalogLine {
    /// True when the file has a line at all, that is when it is not empty.
    bool hasLines = false;
    /// The last line with its line end, as CountCatalogLines gives it; empty when the
    /// file has no line.
    std::string lastLine;
    /// Set when the catalog could not be opened or read; `hasLines` then is false.
    std::optional<CatalogError> error;
};

/// Opens the catalog at `path` (creating it empty when it does not exist) and reads its
/// last line from the end of the file, at a cost that does not grow with the file. The
/// results are CountCatalogLines' own: `hasLines` is `lines > 0`, `lastLine` the same.
LastCatalogLine ReadLastCatalogLine(const std::string& path);

/// The last line of the open file `fd` of `size` bytes, read from the end of the file:
/// the bytes after the last line feed, or, when the file ends with one, the line that
/// it ends. Nullopt on a read error.
std::optional<std::string> ReadLastLine(int fd, std::int64_t size);

/// The number that follows a catalog of `lines` lines whose last line is `lastLine`:
/// 1 for no lines, otherwise the value of the last line's first piece (split at ",",
/// leading commas skipped) plus 1. It follows the last line, not the highest number.
std::int64_t NextNumberAfter(std::int64_t lines, std::string_view lastLine);

}  // namespace tarvel
