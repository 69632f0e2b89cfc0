#pragma once

#include <QJsonObject>

#include <string>
#include <vector>

#include "cli/LineRecords.h"

namespace tarvel::cli {

/// The name and version of the JSON shape that export writes and append reads.
inline constexpr const char* kJsonFormat = "tarvel-catalog";
inline constexpr int kJsonVersion = 1;

/// The keys of a record object, in the order in which the record holds its elements.
namespace key {
inline constexpr const char* kLine = "line";
inline constexpr const char* kRecordNumber = "recordNumber";
inline constexpr const char* kRecordDate = "recordDate";
inline constexpr const char* kVendor = "vendor";
inline constexpr const char* kProduct = "product";
inline constexpr const char* kLowFirmwareVersion = "lowFirmwareVersion";
inline constexpr const char* kHighFirmwareVersion = "highFirmwareVersion";
inline constexpr const char* kNewFirmwareVersion = "newFirmwareVersion";
inline constexpr const char* kScsiAdapterType = "scsiAdapterType";
inline constexpr const char* kDownloadType = "downloadType";
inline constexpr const char* kPriority = "priority";
inline constexpr const char* kDownloadFilename = "downloadFilename";
inline constexpr const char* kNumberOfModePages = "numberOfModePages";
inline constexpr const char* kPages = "pages";
inline constexpr const char* kUpgradeNotes = "upgradeNotes";
inline constexpr const char* kCode = "code";
inline constexpr const char* kItem = "item";
}  // namespace key

/// A record as JSON: texts as Latin-1 characters, each choice as {"code", "item"} (item
/// null for code 0), every page as an array of its 45 values as they stand, and the line.
QJsonObject RecordToJson(const LineRecord& record);

/// The export document: {"format": "tarvel-catalog", "version": 1, "records": [...]},
/// one record to a line, ending with a line end.
std::string CatalogJsonDocument(const std::vector<LineRecord>& records);

/// The export document holding the one record.
std::string RecordJsonDocument(const LineRecord& record);

}  // namespace tarvel::cli
