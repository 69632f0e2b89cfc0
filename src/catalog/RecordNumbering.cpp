#include "catalog/RecordNumbering.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

#include "catalog/CatalogLines.h"
#include "catalog/CatalogRecord.h"
#include "catalog/FileCalls.h"

namespace tarvel {

namespace {
constexpr std::size_t kChunk = 1 << 16;
}

namespace {

/// Counts the lines of the open catalog `fd` from its current offset. A read error ends
/// the count as the end of the file would.
LineCount CountOpenCatalog(int fd) {
    LineCount count;
    std::vector<char> chunk(kChunk);
    std::int64_t size = 0;
    char lastByte = '\n';
    while (true) {
        ssize_t n = file::Read(fd, chunk.data(), chunk.size());
        if (n <= 0)
            break;
        count.lines += std::count(chunk.data(), chunk.data() + n, '\n');
        lastByte = chunk[n - 1];
        size += n;
    }
    if (lastByte != '\n')
        ++count.lines;
    if (count.lines > 0)
        count.lastLine = ReadLastLine(fd, size).value_or(std::string());
    return count;
}

}  // namespace

LineCount CountCatalogLines(const std::string& path) {
    LineCount count;
    file::UniqueFd fd = OpenCatalogForReading(path, count.error, true);
    if (!fd)
        return count;
    return CountOpenCatalog(fd.get());
}

LastCatalogLine ReadLastCatalogLine(const std::string& path) {
    LastCatalogLine last;
    file::UniqueFd fd = OpenCatalogForReading(path, last.error, true);
    if (!fd)
        return last;
    // A file has a line exactly when it has a byte. Only a regular file's size says how
    // many bytes a reading would yield, and a size of 0 is believed once a read finds
    // nothing (some system files report 0 and yet have text); anything else, or a read
    // that fails, is counted from the start.
    struct stat info {};
    std::optional<std::string> line;
    if (file::Stat(fd.get(), &info) == 0 && S_ISREG(info.st_mode)) {
        char probe = 0;
        if (info.st_size > 0 || file::PRead(fd.get(), &probe, 1, 0) == 0)
            line = ReadLastLine(fd.get(), info.st_size);
    }
    if (!line) {
        LineCount count = CountOpenCatalog(fd.get());
        last.hasLines = count.lines > 0;
        last.lastLine = std::move(count.lastLine);
        return last;
    }
    last.hasLines = info.st_size > 0;
    last.lastLine = std::move(*line);
    return last;
}

std::optional<std::string> ReadLastLine(int fd, std::int64_t size) {
    if (size <= 0)
        return std::string();
    // The line ends at the end of the file; find the line feed before it, if any.
    std::int64_t searchEnd = size - 1;  // a final line feed belongs to the last line
    std::int64_t start = 0;
    std::vector<char> chunk(kChunk);
    while (searchEnd > 0) {
        std::int64_t from = std::max<std::int64_t>(0, searchEnd - static_cast<std::int64_t>(kChunk));
        auto length = static_cast<std::size_t>(searchEnd - from);
        if (!file::ReadFully(fd, chunk.data(), length, from))
            return std::nullopt;
        auto found = std::find(std::make_reverse_iterator(chunk.data() + length),
                               std::make_reverse_iterator(chunk.data()), '\n');
        if (found != std::make_reverse_iterator(chunk.data())) {
            start = from + (found.base() - chunk.data());
            break;
        }
        searchEnd = from;
    }
    std::string line(static_cast<std::size_t>(size - start), '\0');
    if (!file::ReadFully(fd, line.data(), line.size(), start))
        return std::nullopt;
    return line;
}

std::int64_t NextNumberAfter(std::int64_t lines, std::string_view lastLine) {
    if (lines == 0)
        return 1;
    std::size_t first = lastLine.find_first_not_of(',');
    if (first == std::string_view::npos)
        return 1;
    std::string_view piece = lastLine.substr(first);
    piece = piece.substr(0, piece.find(','));
    return NumberValue(piece) + 1;
}

}  // namespace tarvel
