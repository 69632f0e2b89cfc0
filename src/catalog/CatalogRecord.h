#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "modepages/ModePageList.h"

namespace tarvel {

/// The elements of a catalog record in file order, numbered from 1 as in the file.
enum class Element : int {
    None = 0,
    RecordNumber,
    RecordDate,
    Vendor,
    Product,
    LowFirmwareVersion,
    HighFirmwareVersion,
    NewFirmwareVersion,
    ScsiAdapterType,
    DownloadType,
    Priority,
    DownloadFilename,
    NumberOfModePages,
    PageSection,
    UpgradeNotes,
};

/// The user-visible name of an element, such as "Download Filename".
std::string_view ElementName(Element element);

/// The items of the three choice lists, in order: item code n is item n-1.
inline constexpr std::array<std::string_view, 6> kScsiAdapterTypes = {
    "Adaptec", "AMI NETRAID", "Mylex", "Symbios", "Other", "        "};
inline constexpr std::array<std::string_view, 7> kDownloadTypes = {
    "Seagate", "Seagate Multi-Chunk", "Quantum", "Quantum Multi-Chunk",
    "IBM",     "IBM Multi-Chunk",     "         "};
inline constexpr std::array<std::string_view, 3> kPriorities = {"Manditory", "Optional",
                                                                 "        "};

/// The items of the choice list that holds `element` (one of the three coded elements).
std::span<const std::string_view> ChoiceItems(Element element);

/// A catalog record's elements but the page section, whose pages live in a ModePageList.
/// Choices are item codes: the selected item's position from 1, 0 for no choice.
struct CatalogRecord {
    std::string recordNumber;
    std::string recordDate;
    std::string vendor;
    std::string product;
    std::string lowFirmwareVersion;
    std::string highFirmwareVersion;
    std::string newFirmwareVersion;
    int scsiAdapterType = 0;
    int downloadType = 0;
    int priority = 0;
    std::string downloadFilename;
    std::string numberOfModePages = "00";
    std::string upgradeNotes;

    bool operator==(const CatalogRecord&) const = default;
};

/// The text of a text element of `record`, or null for the coded choices and the page
/// section.
std::string* TextOf(CatalogRecord& record, Element element);
/// The item code of a coded choice of `record`, or null for the other elements.
int* CodeOf(CatalogRecord& record, Element element);

/// The decimal value of a number held as text: its leading digits after optional
/// white space and an optional sign; 0 when the text does not start with a number.
/// Values beyond the 32-bit range are held at its ends.
std::int64_t NumberValue(std::string_view text);

/// A number as it is written into the catalog: at least four digits, zero-filled ("%4.4d").
std::string FormatRecordNumber(std::int64_t value);

/// A date as the catalog holds it: month/day/two-digit year, without leading zeros
/// on month and day (31 December 2004 gives "12/31/04").
std::string CatalogDateText(const std::tm& date);

/// Today's local date in catalog form. Tests can set the clock that it reads.
std::string TodayCatalogDate();
/// Replaces the clock that TodayCatalogDate reads; an empty function restores the system clock.
void SetCatalogClockForTesting(std::time_t (*clock)());

/// Upgrade Notes as they are written: "No Text" when empty, each line break
/// (CR LF, CR or LF) as one blank.
std::string NotesForCatalog(std::string_view notes);

/// Puts one "0" in front of slot 0 of every entry whose slot 0 is shorter than three
/// characters (a one-character page number, or an empty one). The entries keep it.
void PadPageNumbers(const ModePageList& pages);

/// The bytes of one record without its line start: the elements of `record`, the
/// pages of `pages` (unless Number of Mode Pages reads exactly "00", which is written
/// as "0,0,") and the notes. Call PadPageNumbers first; the slots are written as held.
std::string FormatCatalogRecord(const CatalogRecord& record, const ModePageList& pages);

/// Whether a record starts with CR LF: when its number's value is greater than 1, or
/// when it is appended to bytes that do not end in a line break.
bool RecordStartsNewLine(std::int64_t recordNumberValue, bool followsUnfinishedLine);

/// The length of the whole page that `text` begins with (44 values each ended by "|",
/// then one ended by ",", none holding the other separator), or 0 when it begins with none.
std::size_t WholePageLength(std::string_view text);

/// Whether `rest`, the end of a line after its pages, is how a page looks when the line
/// was cut off inside it: values of two hexadecimal digits or "XX", each ended by "|"
/// (at least one), then at most two such characters. Readers drop such a rest.
bool LooksLikeUnfinishedPage(std::string_view rest);

/// What keeps a record from being written faithfully.
struct LayoutRefusal {
    Element element = Element::None;
    int page = 0;  ///< 1-based page for a mode page value, else 0
    int slot = -1; ///< slot of that value, else -1
    std::string message;
};

/// Finds the first element, in file order, that the layout cannot hold: a text field
/// holding ",", "|", CR or LF, or a mode page value holding any of them; after pages,
/// Upgrade Notes that would read back as a page (WholePageLength) or as a cut-off page
/// (LooksLikeUnfinishedPage).
/// Notes are otherwise never refused (NotesForCatalog makes them safe). Pages count only
/// when they are written, that is when Number of Mode Pages does not read "00".
std::optional<LayoutRefusal> CheckRecordForLayout(const CatalogRecord& record,
                                                  const ModePageList& pages);

}  // namespace tarvel
