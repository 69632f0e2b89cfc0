#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/CatalogError.h"
#include "catalog/FileCalls.h"

namespace tarvel {

/// Opens the catalog at `path` for reading; with `create`, a catalog that does not exist
/// is created empty first. A folder is refused. On failure sets `error` and returns no file.
file::UniqueFd OpenCatalogForReading(const std::string& path, std::optional<CatalogError>& error,
                                     bool create);

/// How a record line shows in the Select Record list: one blank, then the first seven
/// pieces of the line cut at "," (leading commas skipped, a run of commas counted as
/// one), each followed by ",   ". A line with fewer pieces shows the pieces it has.
std::string RecordListLine(std::string_view catalogLine);

/// Where the lines of a catalog start, read once from the file.
struct CatalogLineIndex {
    /// Byte offset of each line's first byte, in file order. Lines end at a line feed,
    /// which belongs to the line; a line is one line however long it is.
    std::vector<std::int64_t> starts;
    /// Size of the file when it was indexed.
    std::int64_t size = 0;
    /// True when the file's last byte is a line feed.
    bool endsWithLineBreak = false;
    /// Set when the catalog could not be opened or read.
    std::optional<CatalogError> error;

    std::size_t lines() const { return starts.size(); }
};

/// Indexes the lines of the catalog at `path`, creating it empty when it does not exist.
CatalogLineIndex IndexCatalogLines(const std::string& path);

/// Reads line `index` of an indexed catalog (with its line end) as the file stands
/// when indexed. Nullopt on a read error or an index out of range.
std::optional<std::string> ReadIndexedLine(const std::string& path, const CatalogLineIndex& index,
                                           std::size_t line);

/// What reading a catalog up to a chosen line found.
struct ChosenLine {
    /// The line at the chosen position, or the last line read when the file ended first
    /// (also for position -1); empty when nothing was read.
    std::string line;
    /// True when the file ended before the chosen position was reached by a read that
    /// yielded a line (the file shrank, or ends with a line break).
    bool readYieldedNothing = false;
    /// Set when the catalog could not be opened.
    std::optional<CatalogError> error;
};

/// Reads the catalog at `path` as it stands now, line after line from its start, up to
/// the line at `position` (counted from 0; -1 reads every line).
ChosenLine ReadChosenLine(const std::string& path, std::int64_t position);

}  // namespace tarvel
