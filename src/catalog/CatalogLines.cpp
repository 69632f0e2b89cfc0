#include "catalog/CatalogLines.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>

#include "catalog/AppendJournal.h"
#include "catalog/FileCalls.h"

namespace tarvel {

namespace {

constexpr std::size_t kChunk = 1 << 16;

}  // namespace

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
        for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\n', end - p)));
             ++p) {
            std::int64_t lineEnd = offset + (p - begin) + 1;
            if (!onLine(lineStart, lineEnd))
                return lineEnd;
            lineStart = lineEnd;
        }
        offset += n;
        endsWithLineBreak = end[-1] == '\n';
    }
    if (lineStart < offset)
        onLine(lineStart, offset);
    return offset;
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
    file::UniqueFd fd = OpenCatalogForReading(path, index.error, true);
    if (!fd)
        return index;
    index.size = ForEachLine(
        fd.get(),
        [&](std::int64_t start, std::int64_t) {
            index.starts.push_back(start);
            return true;
        },
        index.endsWithLineBreak);
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

}  // namespace tarvel
