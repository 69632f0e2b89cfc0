#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/CatalogError.h"
#include "catalog/CatalogRecord.h"
#include "modepages/ModePageList.h"

namespace tarvel {

/// How a record goes into the catalog file; the values are the file command codes.
enum class WriteMode : int {
    Replace = 3,  ///< Save As: the file afterwards holds this record only
    Append = 4,   ///< Save: the record follows whatever the file held
};

/// How long a writer waits for another program's lock on the catalog before it reports
/// a sharing violation. Writers hold the lock only while they write one record.
inline constexpr std::chrono::milliseconds kLockWait{500};

/// Writes the record on the form into the catalog at `path`. Sets `record.recordDate`
/// to `date` and pads the page numbers of `pages` (PadPageNumbers), then writes the
/// whole record in one piece under an exclusive lock on the catalog:
/// - Append: after the file's last byte, starting with CR LF when the number is above 1
///   or the file does not end in a line break. On any failure the file is cut back to
///   its old length.
/// - Replace: into a new file in the same folder that replaces the catalog only once it
///   is complete and synced; on failure the old catalog stays as it was.
/// A record that CheckRecordForLayout refuses is not written (a Layout error).
[[nodiscard]] std::optional<CatalogError> WriteCatalogRecordToFile(const std::string& path,
                                                                   WriteMode mode,
                                                                   CatalogRecord& record,
                                                                   const ModePageList& pages,
                                                                   std::string_view date);

/// Save Record's append: under one lock, works out the next number from the catalog's
/// last line (NextNumberAfter), puts it into `record.recordNumber`, and appends the
/// record as WriteCatalogRecordToFile does. Two programs that do this at once get two
/// consecutive numbers and two whole lines.
[[nodiscard]] std::optional<CatalogError> AppendNumberedRecord(const std::string& path,
                                                               CatalogRecord& record,
                                                               const ModePageList& pages,
                                                               std::string_view date);

}  // namespace tarvel
