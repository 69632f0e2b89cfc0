#pragma once

#include <cstdint>
#include <utility>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/CatalogError.h"
#include "catalog/FileCalls.h"

namespace tarvel {

/// Opens the catalog at `path` for reading; with `create`, a catalog that does not exist
/// is created empty first. A folder is refused. On failure sets `error` and returns no file.
file::UniqueFd OpenCatalogForReading(const std::string& path, std::optional<CatalogError>& error,
                                     bool create);

/// How a record line shows in the Select Record list: one blank, then the first seven
/// pieces of the line cut at "," (leading commas skipped, a run of commas counted as
/// one), each followed by ",   ". A line with fewer pieces shows the pieces it has.
std::string RecordListLine(std::string_view catalogLine);

/// What tells one state of a file from another without reading it: which file it is,
/// its size and the times of its last change of contents and of any change.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

/// How long before indexing a catalog must have last been written for a later write to
/// be told by its times alone. File times are kept at a filesystem's own granularity (up
/// to 2 seconds), so a write in the same tick as the one before could leave them as they
/// were.
inline constexpr std::int64_t kSettledSeconds = 2;

/// A growing list of file offsets, 8 bytes each, in blocks of 2 MiB mapped from the
/// system: it grows without copying what it holds, and once finished holds no spare room
/// beyond the last memory page.
class LineStarts {
public:
    LineStarts() = default;

    void push_back(std::int64_t offset) {
        if ((size_ & kBlockMask) == 0)
            addBlock();
        blocks_.back().data[size_ & kBlockMask] = offset;
        ++size_;
    }
    std::int64_t operator[](std::size_t i) const { return blocks_[i >> kBlockShift].data[i & kBlockMask]; }
    std::size_t size() const { return size_; }
    /// Gives back the unused room of the last block, once the last offset is in; no
    /// offset may be added after it.
    void finish();
    /// Bytes of memory held for the offsets.
    std::size_t bytesHeld() const;

private:
    static constexpr unsigned kBlockShift = 18;  // 2^18 offsets: 2 MiB, one huge page
    static constexpr std::size_t kBlockSize = std::size_t(1) << kBlockShift;
    static constexpr std::size_t kBlockMask = kBlockSize - 1;
    struct Block {
        std::int64_t* data = nullptr;
        std::size_t bytes = 0;
        Block(std::int64_t* d, std::size_t b) : data(d), bytes(b) {}
        Block(Block&& other) noexcept : data(std::exchange(other.data, nullptr)), bytes(other.bytes) {}
        Block& operator=(Block&& other) noexcept {
            std::swap(data, other.data);
            std::swap(bytes, other.bytes);
            return *this;
        }
        ~Block();
    };
    void addBlock();

    std::vector<Block> blocks_;
    std::size_t size_ = 0;
};

/// Where the lines of a catalog start, read once from the file.
struct CatalogLineIndex {
    /// Byte offset of each line's first byte, in file order. Lines end at a line feed,
    /// which belongs to the line; a line is one line however long it is.
    LineStarts starts;
    /// Size of the file when it was indexed.
    std::int64_t size = 0;
    /// True when the file's last byte is a line feed.
    bool endsWithLineBreak = false;
    /// Set when the catalog could not be opened or read.
    std::optional<CatalogError> error;
    /// The file as it stood while it was indexed, when it did not change during the
    /// reading and had last been written at least kSettledSeconds before it; then a file
    /// with this stamp still holds the indexed lines. Unset otherwise.
    std::optional<FileStamp> settled;

    std::size_t lines() const { return starts.size(); }
};

/// Indexes the lines of the catalog at `path`, creating it empty when it does not exist.
/// The index takes 8 bytes a line.
CatalogLineIndex IndexCatalogLines(const std::string& path);

/// Reads line `index` of an indexed catalog (with its line end) as the file stands
/// when indexed. Nullopt on a read error or an index out of range.
std::optional<std::string> ReadIndexedLine(const std::string& path, const CatalogLineIndex& index,
                                           std::size_t line);

/// What reading a catalog up to a chosen line found.
struct ChosenLine {
    /// The line at the chosen position, or the last line read when the file ended first
    /// (also for position -1); empty when nothing was read.
    std::string line;
    /// True when the file ended before the chosen position was reached by a read that
    /// yielded a line (the file shrank, or ends with a line break).
    bool readYieldedNothing = false;
    /// Set when the catalog could not be opened.
    std::optional<CatalogError> error;
    /// True when the line was read straight from its offset in a line index.
    bool readFromIndex = false;
};

/// Reads the catalog at `path` as it stands now, line after line from its start, up to
/// the line at `position` (counted from 0; -1 reads every line).
ChosenLine ReadChosenLine(const std::string& path, std::int64_t position);

/// The same result as ReadChosenLine(path, position); when the file at `path` still has
/// the settled stamp of `index`, the line is read straight from its indexed offset
/// instead of reading the file up to it.
ChosenLine ReadChosenLine(const std::string& path, std::int64_t position,
                          const CatalogLineIndex& index);

}  // namespace tarvel
