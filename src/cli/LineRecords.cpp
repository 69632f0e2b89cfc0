#include "cli/LineRecords.h"

#include <algorithm>

namespace tarvel::cli {

std::vector<CatalogLine> SplitCatalogLines(std::string_view bytes) {
    std::vector<CatalogLine> lines;
    std::size_t start = 0;
    std::int64_t number = 0;
    while (start < bytes.size()) {
        std::size_t feed = bytes.find('\n', start);
        std::size_t end = feed == std::string_view::npos ? bytes.size() : feed;
        std::size_t textEnd = end;
        if (feed != std::string_view::npos && textEnd > start && bytes[textEnd - 1] == '\r')
            --textEnd;
        lines.push_back({++number, bytes.substr(start, textEnd - start)});
        if (feed == std::string_view::npos)
            break;
        start = feed + 1;
    }
    return lines;
}

bool StartsWithRecordNumber(std::string_view line) {
    std::string_view first = line.substr(0, line.find(','));
    return !first.empty() &&
           std::all_of(first.begin(), first.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<LineRecord> RecordsOf(std::string_view bytes, std::vector<std::int64_t>* skipped) {
    std::vector<LineRecord> records;
    for (const CatalogLine& line : SplitCatalogLines(bytes)) {
        if (StartsWithRecordNumber(line.text)) {
            records.push_back({line.number, ParseCatalogLine(line.text)});
        } else if (!line.text.empty() && skipped) {
            skipped->push_back(line.number);
        }
    }
    return records;
}

}  // namespace tarvel::cli
