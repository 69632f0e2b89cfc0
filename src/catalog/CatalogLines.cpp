#include "catalog/CatalogLines.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "catalog/AppendJournal.h"
#include "catalog/FileCalls.h"

namespace tarvel {

namespace {

constexpr std::size_t kChunk = 1 << 18;

}  // namespace

LineStarts::Block::~Block() {
    if (data)
        ::munmap(data, bytes);
}

void LineStarts::addBlock() {
    // A block of 2 MiB on a 2 MiB boundary can be one huge page: a million lines then
    // cost a few page faults instead of thousands.
    constexpr std::size_t bytes = kBlockSize * sizeof(std::int64_t);
    void* mapped = ::mmap(nullptr, 2 * bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    auto* start = static_cast<char*>(mapped);
    auto* aligned = reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(start) + bytes - 1) & ~(bytes - 1));
    if (aligned > start)
        ::munmap(start, static_cast<std::size_t>(aligned - start));
    if (aligned + bytes < start + 2 * bytes)
        ::munmap(aligned + bytes, static_cast<std::size_t>(start + 2 * bytes - (aligned + bytes)));
    ::madvise(aligned, bytes, MADV_HUGEPAGE);
    blocks_.emplace_back(reinterpret_cast<std::int64_t*>(aligned), bytes);
}

void LineStarts::finish() {
    if (blocks_.empty())
        return;
    static const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    Block& last = blocks_.back();
    const std::size_t used = (size_ - (blocks_.size() - 1) * kBlockSize) * sizeof(std::int64_t);
    const std::size_t kept = (used + page - 1) / page * page;
    if (kept < last.bytes && ::munmap(reinterpret_cast<char*>(last.data) + kept, last.bytes - kept) == 0)
        last.bytes = kept;
}

std::size_t LineStarts::bytesHeld() const {
    std::size_t bytes = 0;
    for (const Block& block : blocks_)
        bytes += block.bytes;
    return bytes;
}

file::UniqueFd OpenCatalogForReading(const std::string& path, std::optional<CatalogError>& error,
                                     bool create) {
    RepairUnfinishedAppend(path);
    file::UniqueFd fd(file::Open(path.c_str(), O_RDONLY));
    if (!fd && errno == ENOENT && create) {
        file::UniqueFd created(file::Open(path.c_str(), O_WRONLY | O_CREAT));
        if (!created || created.close() != 0) {
            error = FileError(errno, path);
            return {};
        }
        fd = file::UniqueFd(file::Open(path.c_str(), O_RDONLY));
    }
    struct stat info {};
    if (!fd || file::Stat(fd.get(), &info) != 0) {
        error = FileError(errno, path);
        return {};
    }
    if (S_ISDIR(info.st_mode)) {
        error = FileError(EISDIR, path);
        return {};
    }
    return fd;
}

namespace {

/// Calls `onFeed(p)` for each line feed in [begin, end), in order, until it returns
/// false; returns where it stopped, or nullptr at the end. Lines of a catalog are short
/// (about 170 bytes), so it looks at 64 bytes at a time rather than calling memchr for
/// every line.
template <typename OnFeed>
const char* ForEachLineFeed(const char* begin, const char* end, OnFeed onFeed) {
    const char* p = begin;
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi8('\n');
    for (; end - p >= 64; p += 64) {
        auto maskOf = [&](int at) {
            __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
            return static_cast<std::uint64_t>(
                static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, feed))));
        };
        std::uint64_t mask = maskOf(0) | maskOf(16) << 16 | maskOf(32) << 32 | maskOf(48) << 48;
        for (; mask; mask &= mask - 1) {
            const char* at = p + __builtin_ctzll(mask);
            if (!onFeed(at))
                return at;
        }
    }
#endif
    for (; (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p)
        if (!onFeed(p))
            return p;
    return nullptr;
}

/// Calls `onLine(start, end)` for each line of `fd` from its start, with `end` just past
/// the line feed or at the end of the file. Stops early when `onLine` returns false.
/// Returns the number of bytes read; a read error ends the reading like the file's end.
template <typename OnLine>
std::int64_t ForEachLine(int fd, OnLine onLine, bool& endsWithLineBreak) {
    std::vector<char> chunk(kChunk);
    std::int64_t offset = 0, lineStart = 0;
    endsWithLineBreak = false;
    while (true) {
        ssize_t n = file::Read(fd, chunk.data(), chunk.size());
        if (n <= 0)
            break;
        const char* begin = chunk.data();
        const char* end = begin + n;
        const char* stop = ForEachLineFeed(begin, end, [&](const char* p) {
            std::int64_t lineEnd = offset + (p - begin) + 1;
            if (!onLine(lineStart, lineEnd))
                return false;
            lineStart = lineEnd;
            return true;
        });
        if (stop)
            return offset + (stop - begin) + 1;
        offset += n;
        endsWithLineBreak = end[-1] == '\n';
    }
    if (lineStart < offset)
        onLine(lineStart, offset);
    return offset;
}

std::optional<FileStamp> StampOf(int fd) {
    struct stat info {};
    if (file::Stat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    FileStamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedSeconds = info.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = info.st_mtim.tv_nsec;
    stamp.changedSeconds = info.st_ctim.tv_sec;
    stamp.changedNanoseconds = info.st_ctim.tv_nsec;
    return stamp;
}

}  // namespace

std::string RecordListLine(std::string_view catalogLine) {
    std::string out = " ";
    std::size_t pos = 0;
    for (int piece = 0; piece < 7; ++piece) {
        pos = catalogLine.find_first_not_of(',', pos);
        if (pos == std::string_view::npos)
            break;
        std::size_t end = std::min(catalogLine.find(',', pos), catalogLine.size());
        out.append(catalogLine.substr(pos, end - pos));
        out.append(",   ");
        pos = end;
    }
    return out;
}

CatalogLineIndex IndexCatalogLines(const std::string& path) {
    CatalogLineIndex index;
    timespec began {};
    ::clock_gettime(CLOCK_REALTIME, &began);
    file::UniqueFd fd = OpenCatalogForReading(path, index.error, true);
    if (!fd)
        return index;
    std::optional<FileStamp> before = StampOf(fd.get());
    index.size = ForEachLine(
        fd.get(),
        [&](std::int64_t start, std::int64_t) {
            index.starts.push_back(start);
            return true;
        },
        index.endsWithLineBreak);
    index.starts.finish();
    std::optional<FileStamp> after = StampOf(fd.get());
    if (before && after && *before == *after && after->size == index.size &&
        after->modifiedSeconds + kSettledSeconds < began.tv_sec)
        index.settled = after;
    return index;
}

std::optional<std::string> ReadIndexedLine(const std::string& path, const CatalogLineIndex& index,
                                           std::size_t line) {
    if (line >= index.starts.size())
        return std::nullopt;
    std::int64_t start = index.starts[line];
    std::int64_t end = line + 1 < index.starts.size() ? index.starts[line + 1] : index.size;
    std::optional<CatalogError> error;
    file::UniqueFd fd = OpenCatalogForReading(path, error, false);
    if (!fd)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(end - start), '\0');
    if (!file::ReadFully(fd.get(), text.data(), text.size(), start))
        return std::nullopt;
    return text;
}

ChosenLine ReadChosenLine(const std::string& path, std::int64_t position) {
    ChosenLine chosen;
    file::UniqueFd fd = OpenCatalogForReading(path, chosen.error, false);
    if (!fd)
        return chosen;
    std::int64_t current = 0, chosenStart = -1, chosenEnd = -1;
    bool reached = false, endsWithLineBreak = false;
    ForEachLine(
        fd.get(),
        [&](std::int64_t start, std::int64_t end) {
            chosenStart = start;
            chosenEnd = end;
            reached = current++ == position;
            return !reached;
        },
        endsWithLineBreak);
    // Reading on past the last line yields nothing; with every line read (-1) that is
    // the read after a final line break, as with a position beyond the file.
    chosen.readYieldedNothing = !reached && (endsWithLineBreak || chosenStart < 0);
    if (chosenStart >= 0) {
        chosen.line.resize(static_cast<std::size_t>(chosenEnd - chosenStart));
        if (!file::ReadFully(fd.get(), chosen.line.data(), chosen.line.size(), chosenStart))
            chosen.line.clear();
    }
    return chosen;
}

ChosenLine ReadChosenLine(const std::string& path, std::int64_t position,
                          const CatalogLineIndex& index) {
    if (!index.settled)
        return ReadChosenLine(path, position);
    ChosenLine chosen;
    {
        file::UniqueFd fd = OpenCatalogForReading(path, chosen.error, false);
        if (!fd)
            return chosen;
        // Times that stayed as they were tell that the file was not written since: a
        // later write would stamp it with a later time than the settled one.
        if (StampOf(fd.get()) != index.settled)
            return ReadChosenLine(path, position);
        const std::int64_t lines = static_cast<std::int64_t>(index.lines());
        const bool within = position >= 0 && position < lines;
        if (lines > 0) {
            const std::int64_t line = within ? position : lines - 1;
            const std::int64_t start = index.starts[static_cast<std::size_t>(line)];
            const std::int64_t end =
                line + 1 < lines ? index.starts[static_cast<std::size_t>(line + 1)] : index.size;
            chosen.line.resize(static_cast<std::size_t>(end - start));
            if (!file::ReadFully(fd.get(), chosen.line.data(), chosen.line.size(), start))
                return ReadChosenLine(path, position);
        }
        // As when reading from the start: past the last line a read yields nothing after
        // a final line break, or when there is no line at all.
        chosen.readYieldedNothing = !within && (index.endsWithLineBreak || lines == 0);
        chosen.readFromIndex = true;
    }
    return chosen;
}

}  // namespace tarvel
