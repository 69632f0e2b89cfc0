#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "catalog/CatalogRecord.h"
#include "modepages/ModePageList.h"

namespace tarvel::testing {

/// A folder of its own for one test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tarvel-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

/// The two records of the worked example, as they stand on the form.
inline CatalogRecord ExampleRecord() {
    CatalogRecord record;
    record.recordNumber = "0001";
    record.vendor = "Seagate";
    record.product = "DRIVE01";
    record.lowFirmwareVersion = "0012";
    record.highFirmwareVersion = "0015";
    record.newFirmwareVersion = "0018";
    record.scsiAdapterType = 6;
    record.downloadType = 7;
    record.priority = 3;
    record.downloadFilename = "FW0018.BIN";
    return record;
}

inline CatalogRecord ExampleRecordWithPage() {
    CatalogRecord record = ExampleRecord();
    record.recordNumber = "0002";
    record.scsiAdapterType = 1;
    record.downloadType = 1;
    record.priority = 2;
    record.numberOfModePages = "01";
    record.upgradeNotes = "Fixes read retry";
    return record;
}

/// The example's page: page 08, header 00 00 00 08, block descriptor
/// 00 00 00 00 00 00 02 00, page data 88 12, the rest XX.
inline std::unique_ptr<ModePageEntry> ExamplePage() {
    const char* typed[] = {"08", "00", "00", "00", "08", "00", "00", "00", "00",
                           "00", "00", "02", "00", "88", "12"};
    auto entry = NewModePageEntry();
    for (int slot = 0; slot < kSlotCount; ++slot)
        SetSlotText(*entry, slot, slot < 15 ? typed[slot] : "XX");
    return entry;
}

inline const std::string kExampleLine1 =
    "0001,6/3/97,Seagate,DRIVE01,0012,0015,0018,6,7,3,FW0018.BIN,0,0,No Text";
inline const std::string kExampleLine2 =
    "0002,6/3/97,Seagate,DRIVE01,0012,0015,0018,1,1,2,FW0018.BIN,01,"
    "08|00|00|00|08|00|00|00|00|00|00|02|00|88|12|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|"
    "XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX|XX,Fixes read retry";

}  // namespace tarvel::testing
