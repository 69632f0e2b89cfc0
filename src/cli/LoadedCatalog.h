#pragma once

#include <string>
#include <vector>

#include "cli/LineRecords.h"
#include "cli/CommandLine.h"

namespace tarvel::cli {

/// A catalog read for list, show or export.
struct LoadedCatalog {
    std::string bytes;  ///< the records' texts point into these
    std::vector<LineRecord> records;
    std::int64_t lines = 0;
    /// Lines that are neither empty nor records.
    std::vector<std::int64_t> skipped;
};

/// Reads the catalog at `path` and takes its record lines apart. On a file error, says
/// so on `io.err` (naming the file) and returns false.
bool LoadCatalog(const std::string& path, Io& io, LoadedCatalog& catalog);

/// Tells `io.err` which lines of `path` were left out because they are not records.
void NoteSkippedLines(const std::string& path, const std::vector<std::int64_t>& skipped, Io& io);

}  // namespace tarvel::cli
