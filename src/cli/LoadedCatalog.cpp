#include "cli/LoadedCatalog.h"

#include <ostream>

#include "cli/CatalogInput.h"

namespace tarvel::cli {

bool LoadCatalog(const std::string& path, Io& io, LoadedCatalog& catalog) {
    FileBytes file = ReadWholeFile(path);
    if (file.error) {
        Report(io, *file.error, 2);
        return false;
    }
    catalog.bytes = std::move(file.bytes);
    catalog.lines = static_cast<std::int64_t>(SplitCatalogLines(catalog.bytes).size());
    catalog.records = RecordsOf(catalog.bytes, &catalog.skipped);
    return true;
}

void NoteSkippedLines(const std::string& path, const std::vector<std::int64_t>& skipped, Io& io) {
    if (skipped.empty())
        return;
    std::string numbers;
    for (std::size_t i = 0; i < skipped.size() && i < 10; ++i)
        numbers += (i == 0 ? "" : ", ") + std::to_string(skipped[i]);
    if (skipped.size() > 10)
        numbers += " and " + std::to_string(skipped.size() - 10) + " more";
    Report(io,
             path + ": left out " + (skipped.size() == 1 ? "line " : "lines ") + numbers +
                 ", which " + (skipped.size() == 1 ? "is" : "are") +
                 " not a record (see '" + kProgramName + " check')",
             0);
}

}  // namespace tarvel::cli
