#pragma once

#include <QString>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tarvel::cli {

enum class Severity { Error, Warning };

/// The kinds of finding of check, each with one stable tag.
enum class FindingKind {
    EmptyLine,         ///< empty-line: a line with nothing but its line end
    NotARecord,        ///< not-a-record: a line that does not start with a Record Number
    ShortLine,         ///< short-line: a record line that ends before its Upgrade Notes
    UnfinishedPage,    ///< unfinished-page: a record line that ends inside a mode page
    ShiftedFields,     ///< shifted-fields: Number of Mode Pages is not where it belongs
    RunOnRecord,       ///< run-on-record: another record follows on the same line
    DelimiterInField,  ///< delimiter-in-field: a text field holds "|" or CR
    EmptyField,        ///< empty-field: empty Vendor, Product or Download Filename
    ItemCode,          ///< item-code: an item code outside its list
    PageCount,         ///< page-count: Number of Mode Pages disagrees with the pages
    PageValue,         ///< page-value: a page value that is not two hex digits or XX
    FirmwareRange,     ///< firmware-range: Low Firmware Version above High
    DuplicateNumber,   ///< duplicate-number: a Record Number that an earlier line has
    NumberOrder,       ///< number-order: a Record Number not above the one before it
    FinalLineBreak,    ///< final-line-break: the file ends with a line break
};

/// What every finding of a kind shares.
struct FindingKindInfo {
    FindingKind kind;
    const char* tag;
    Severity severity;
};

/// Every kind of finding, in the order of FindingKind.
std::span<const FindingKindInfo> FindingKinds();
const FindingKindInfo& InfoOf(FindingKind kind);

/// One finding: where, what kind, and a message for the user.
struct Finding {
    std::int64_t line = 0;  ///< 1-based
    FindingKind kind = FindingKind::EmptyLine;
    QString message;

    const char* tag() const { return InfoOf(kind).tag; }
    Severity severity() const { return InfoOf(kind).severity; }
};

/// Checks catalog bytes for what will hurt the catalog's users, reading each line as the
/// editor reads it (ParseCatalogLine). Findings come in line order, and within a line
/// in the order of the record's elements.
std::vector<Finding> CheckCatalog(std::string_view bytes);

/// Whether any finding is an error.
bool HasErrors(const std::vector<Finding>& findings);

}  // namespace tarvel::cli
