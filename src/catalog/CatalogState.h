#pragma once

#include <string>

namespace tarvel {

/// The catalog that commands use when none has been chosen: Catalog.dat in the working folder.
inline constexpr const char* kDefaultCatalogPath = "Catalog.dat";

/// The program-wide current catalog path: the file every catalog operation opens at the
/// moment it runs. Empty at start; not kept between runs.
std::string& CurrentCatalogPath();

/// Sets the current catalog path to kDefaultCatalogPath when it is empty, and returns it.
const std::string& CatalogPathOrDefault();

/// The program-wide record line buffer: the catalog line last counted or chosen.
std::string& RecordLineBuffer();

}  // namespace tarvel
