#pragma once

#include <string>
#include <vector>

#include "cli/CheckFindings.h"

namespace tarvel::cli {

/// The findings as text, one per line: "FILE:LINE: error|warning: message [tag]".
std::string FindingsText(const std::string& file, const std::vector<Finding>& findings);

/// The findings as JSON: {"format": "tarvel-catalog-check", "version": 1, "file": FILE,
/// "errors": n, "warnings": n, "findings": [{"line", "severity", "tag", "message"}, ...]},
/// one finding to a line, ending with a line end.
std::string FindingsJson(const std::string& file, const std::vector<Finding>& findings);

}  // namespace tarvel::cli
