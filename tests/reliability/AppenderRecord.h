#pragma once

#include <string>

#include "catalog/CatalogRecord.h"
#include "modepages/ModePageList.h"

namespace tarvel::reliability {

/// The date every record of the appender carries, so that lines can be compared byte
/// for byte whatever the clock says.
inline constexpr const char* kAppenderDate = "6/3/97";

/// The record that appender run `run` saves: its run in the vendor and the notes, and
/// `pages` mode pages (a record of 40 pages is about 5.5 KB, so it spans a memory page).
inline CatalogRecord AppenderRecord(int run, int pages) {
    CatalogRecord record;
    record.recordDate = kAppenderDate;
    record.vendor = "RUN" + std::to_string(run);
    record.product = "DRIVE01";
    record.lowFirmwareVersion = "0012";
    record.highFirmwareVersion = "0015";
    record.newFirmwareVersion = "0018";
    record.scsiAdapterType = 1;
    record.downloadType = 2;
    record.priority = 1;
    record.downloadFilename = "FW0018.BIN";
    if (pages > 0) {
        char count[16];
        std::snprintf(count, sizeof count, "%02d", pages);
        record.numberOfModePages = count;
    }
    record.upgradeNotes = "Saved by run " + std::to_string(run);
    return record;
}

/// Fills `list` with `pages` pages whose values tell the pages apart.
inline void AppenderPages(ModePageList& list, int pages) {
    for (int p = 0; p < pages; ++p) {
        auto entry = NewModePageEntry();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            char value[3];
            std::snprintf(value, sizeof value, "%02X", (p * kSlotCount + slot) & 0xFF);
            SetSlotText(*entry, slot, value);
        }
        list.append(std::move(entry));
    }
}

/// The line (without its line start) that the appender writes as record `number`.
inline std::string AppenderLine(int run, int pages, long long number) {
    CatalogRecord record = AppenderRecord(run, pages);
    record.recordNumber = std::to_string(number);
    ModePageList list;
    AppenderPages(list, pages);
    PadPageNumbers(list);
    return FormatCatalogRecord(record, list);
}

}  // namespace tarvel::reliability
