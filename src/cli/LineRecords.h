#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "catalog/CatalogReader.h"

namespace tarvel::cli {

/// One line of a catalog file.
struct CatalogLine {
    std::int64_t number = 0;  ///< 1-based
    std::string_view text;    ///< without its line end: the LF and a CR just before it
};

/// Splits catalog bytes at every LF; a CR right before the LF belongs to the line end.
/// Bytes after the last LF are one more line; a file that ends with LF has no empty
/// line after it. A line of any length is one line.
std::vector<CatalogLine> SplitCatalogLines(std::string_view bytes);

/// Whether a line is a record as list, show and export see it: its first piece (up to
/// the first ",") is a non-empty run of decimal digits.
bool StartsWithRecordNumber(std::string_view line);

/// A record line taken apart as the editor reads it.
struct LineRecord {
    std::int64_t line = 0;
    ParsedLine parsed;
};

/// The record lines of a catalog (StartsWithRecordNumber), in file order, parsed with
/// ParseCatalogLine. Empty lines are left out silently; other lines that are not
/// records are left out and their line numbers put into `skipped` when it is given.
std::vector<LineRecord> RecordsOf(std::string_view bytes,
                                  std::vector<std::int64_t>* skipped = nullptr);

}  // namespace tarvel::cli
