// The Select Record list line of any catalog line, against the same rule worked out
// by splitting the line at its commas.

#include "FuzzTargets.h"
#include "catalog/CatalogLines.h"

namespace tarvel::fuzz {

int ListLineInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string expected = " ";
    int pieces = 0;
    std::size_t start = 0;
    while (pieces < 7 && start <= line.size()) {
        std::size_t comma = line.find(',', start);
        std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        if (end > start) {
            expected.append(line.substr(start, end - start)).append(",   ");
            ++pieces;
        }
        start = end + 1;
    }
    const std::string shown = RecordListLine(line);
    FUZZ_REQUIRE(shown == expected,
                 "list line " + Printable(shown) + " instead of " + Printable(expected));
    return 0;
}

}  // namespace tarvel::fuzz
