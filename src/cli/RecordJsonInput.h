#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "catalog/CatalogRecord.h"
#include "modepages/ModePageList.h"

namespace tarvel::cli {

/// A record read from JSON, ready for the writer. Its number and date are set when it
/// is written.
struct RecordToAppend {
    int index = 0;  ///< 1-based position among the input's records
    CatalogRecord record;
    std::vector<std::array<std::string, kSlotCount>> pages;  ///< values, without separators
};

/// Appends the pages of `record` to `list` as mode page entries.
void FillPageList(const RecordToAppend& record, ModePageList& list);

/// What the JSON input to append holds.
struct AppendInput {
    /// Set when the input is not a document of records at all; nothing else is then set.
    std::optional<QString> documentError;
    /// The records that can be written, in input order.
    std::vector<RecordToAppend> records;
    /// Why records cannot be written, each naming the record and the field
    /// ("record 2: Vendor cannot hold a comma, ..."), in input order.
    std::vector<QString> refusals;
};

/// Reads records to append from JSON: the export document (format "tarvel-catalog",
/// version 1) or a bare array of record objects. Every record must have Latin-1 texts,
/// item codes within their lists, 0 to 99 pages of 45 text values each, a Number of
/// Mode Pages (when given) that agrees with its pages, nothing that the catalog layout
/// refuses, and must read back from the catalog as it would be written. The keys
/// "line", "recordNumber" and "recordDate" are accepted and ignored; unknown keys are
/// refused.
AppendInput ReadRecordsToAppend(const QByteArray& json);

}  // namespace tarvel::cli
