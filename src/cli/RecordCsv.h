#pragma once

#include <string>
#include <vector>

#include "cli/LineRecords.h"

namespace tarvel::cli {

/// The records as CSV in UTF-8 (RFC 4180 quoting, lines ended by LF): a header row, then
/// one row per record with the line, every element, each choice as its code and its
/// item text, and the pages in one column: pages apart by ";", the 45 values of a page
/// apart by blanks.
std::string CatalogCsv(const std::vector<LineRecord>& records);

}  // namespace tarvel::cli
