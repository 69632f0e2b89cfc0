#pragma once

#include <QString>

#include <vector>

#include "cli/LineRecords.h"

namespace tarvel::cli {

/// The list of records: a header line, then one line per record in file order with its
/// number, date, vendor, product, low, high and new firmware version and number of
/// pages (the whole pages the line holds), in columns two blanks apart.
QString RecordListText(const std::vector<LineRecord>& records);

/// One record in full: an element per line ("Vendor: Seagate"), item codes with their
/// item texts, then each mode page as rows of values: page number, header, block
/// descriptor, and the page data in two rows of sixteen.
QString RecordText(const LineRecord& record);

}  // namespace tarvel::cli
