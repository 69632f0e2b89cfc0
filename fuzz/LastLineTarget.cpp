// The last line of a catalog and the number that follows it, read from a file in
// memory that holds the bytes. The first three bytes stretch the file: they insert a
// run of one byte, up to 128 KB long, so that lines cross the reader's 64 KB chunks.

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "FuzzTargets.h"
#include "catalog/CatalogLines.h"
#include "catalog/CatalogRecord.h"
#include "catalog/RecordNumbering.h"

namespace tarvel::fuzz {

namespace {

std::string CatalogBytes(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return std::string(reinterpret_cast<const char*>(data), size);
    const std::size_t run = (static_cast<std::size_t>(data[0]) << 9) | (data[1] << 1);
    const char filler = static_cast<char>(data[2]);
    std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
    std::string bytes(rest.substr(0, rest.size() / 2));
    bytes.append(run, filler);
    bytes.append(rest.substr(rest.size() / 2));
    return bytes;
}

/// The value of a number held as text, as strtoll reads it, held within 32 bits.
std::int64_t Value(std::string_view text) {
    std::string copy(text);
    long long value = std::strtoll(copy.c_str(), nullptr, 10);
    return std::clamp<long long>(value, INT_MIN, INT_MAX);
}

}  // namespace

int LastLineInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = CatalogBytes(data, size);

    // What the catalog's lines are, worked out on the bytes in memory.
    std::int64_t lines = std::count(bytes.begin(), bytes.end(), '\n');
    if (!bytes.empty() && bytes.back() != '\n')
        ++lines;
    std::string lastLine;
    if (!bytes.empty()) {
        std::size_t feed = bytes.find_last_of('\n', bytes.size() - 2);
        lastLine = bytes.size() < 2 || feed == std::string::npos ? bytes : bytes.substr(feed + 1);
    }
    std::string_view firstPiece = lastLine;
    firstPiece.remove_prefix(std::min(firstPiece.size(), firstPiece.find_first_not_of(',')));
    firstPiece = firstPiece.substr(0, firstPiece.find(','));
    const std::int64_t next = lines == 0 ? 1 : Value(firstPiece) + 1;

    int fd = memfd_create("catalog", MFD_CLOEXEC);
    FUZZ_REQUIRE(fd >= 0, "no memory file");
    FUZZ_REQUIRE(write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()),
                 "the memory file could not be written");

    auto read = ReadLastLine(fd, static_cast<std::int64_t>(bytes.size()));
    FUZZ_REQUIRE(read && *read == lastLine, "last line " + Printable(read.value_or("(error)")) +
                                                " instead of " + Printable(lastLine));
    const std::int64_t worked = NextNumberAfter(lines, lastLine);
    FUZZ_REQUIRE(worked == next, "next number " + std::to_string(worked) + " instead of " +
                                     std::to_string(next) + " after " + Printable(lastLine));

    // The count reads the same file from its start, by name.
    LineCount count = CountCatalogLines("/proc/self/fd/" + std::to_string(fd));
    FUZZ_REQUIRE(!count.error, "the count could not open the file");
    FUZZ_REQUIRE(count.lines == lines && count.lastLine == lastLine,
                 std::to_string(count.lines) + " lines counted instead of " + std::to_string(lines));
    close(fd);
    return 0;
}

}  // namespace tarvel::fuzz
