#pragma once

namespace tarvel::cli {

/// The exit statuses of tarvel-catalog.
enum ExitStatus : int {
    kSuccess = 0,
    kFindings = 1,  ///< check found an error, append refused a record, show found no record
    kUsageOrFileError = 2,  ///< bad arguments, or a file that could not be read or written
};

}  // namespace tarvel::cli
