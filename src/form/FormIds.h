#pragma once

namespace tarvel {

/// Controls of the record form.
enum FormControl : int {
    kRecordNumber = 1000,
    kRecordDate = 1002,
    kVendor = 1004,
    kProduct = 1006,
    kLowFirmwareVersion = 1008,
    kHighFirmwareVersion = 1010,
    kNumberOfModePages = 1012,
    kAdapterType = 1014,
    kDownloadType = 1015,
    kPriority = 1016,
    kModePageData = 1017,
    kNewFirmwareVersion = 1019,
    kDownloadFilename = 1021,
    kUpgradeNotes = 1023,
    kAddRecord = 1027,
    kSaveRecord = 1028,
    kEditRecord = 1030,
};

/// File command codes, which are also the writer's modes.
enum FileCommand : int {
    kFileCommandNew = 1,
    kFileCommandOpen = 2,
    kFileCommandSaveAs = 3,
    kFileCommandSave = 4,
};

}  // namespace tarvel
