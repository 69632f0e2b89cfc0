// A record built from the bytes, written into a catalog by one of the three ways a
// record is written, must be refused as a whole or read back as it was written.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FuzzTargets.h"
#include "catalog/CatalogReader.h"
#include "catalog/CatalogWriter.h"
#include "catalog/RecordNumbering.h"

namespace tarvel::fuzz {

namespace {

/// Hands out the fuzzer's bytes as the pieces of a record; zeros once they run out.
class ByteSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    /// A text of up to `longest` bytes; with `clean`, free of what the layout refuses.
    std::string text(std::size_t longest, bool clean) {
        std::size_t length = byte() % (longest + 1);
        std::string out;
        while (out.size() < length && pos_ < size_) {
            char c = static_cast<char>(byte());
            if (clean && (c == ',' || c == '|' || c == '\r' || c == '\n'))
                c = static_cast<char>(c + 0x40);  // a letter or a bracket instead
            out.push_back(c);
        }
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

/// A folder of this process's own on a memory file system where there is one, so that
/// syncing costs nothing; removed at exit.
class ScratchFolder {
public:
    ScratchFolder() {
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        path_ = base / ("tarvel-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

const char* const kDate = "12/31/04";

/// What the catalog held before the record, chosen by the fuzzer.
const char* const kBefore[] = {
    "",
    "0001,6/3/97,Seagate,DRIVE01,0012,0015,0018,6,7,3,FW0018.BIN,0,0,No Text",
    "0001,6/3/97,Seagate,DRIVE01,0012,0015,0018,6,7,3,FW0018.BIN,0,0,No Text\r\n",
    "0041,1/1/01,V,P,1,2,3,1,1,1,F,0,0,notes\r\ncontinued notes",
};

int ItemCode(ByteSource& bytes, Element element) {
    // One past the list's end too, which reads back as no choice.
    return bytes.byte() % (ChoiceItems(element).size() + 2);
}

}  // namespace

int RoundTripInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFolder folder;
    ByteSource bytes(data, size);
    const std::uint8_t how = bytes.byte();
    const bool clean = (how & 0x80) == 0;  // mostly records that the layout can hold
    const auto mode = how % 3;             // 0 append, 1 Save As, 2 Save Record
    const std::string before = kBefore[(how >> 2) % std::size(kBefore)];

    CatalogRecord record;
    record.recordNumber = bytes.text(6, false);
    record.vendor = bytes.text(24, clean);
    record.product = bytes.text(24, clean);
    record.lowFirmwareVersion = bytes.text(8, clean);
    record.highFirmwareVersion = bytes.text(8, clean);
    record.newFirmwareVersion = bytes.text(8, clean);
    record.scsiAdapterType = ItemCode(bytes, Element::ScsiAdapterType);
    record.downloadType = ItemCode(bytes, Element::DownloadType);
    record.priority = ItemCode(bytes, Element::Priority);
    record.downloadFilename = bytes.text(24, clean);
    const int pageCount = bytes.byte() % 4;
    ModePageList pages;
    for (int p = 0; p < pageCount; ++p) {
        auto entry = NewModePageEntry();
        for (int slot = 0; slot < kSlotCount; ++slot)
            SetSlotText(*entry, slot, bytes.text(3, clean));
        pages.append(std::move(entry));
    }
    // The form shows "00" or the count of pages as two digits; sometimes two other
    // characters, and sometimes "00" while the list still holds pages.
    switch (bytes.byte() % 4) {
    case 0: record.numberOfModePages = "00"; break;
    case 1: record.numberOfModePages = bytes.text(2, clean) + "  "; record.numberOfModePages.resize(2); break;
    default: record.numberOfModePages = pageCount ? "0" + std::to_string(pageCount) : "00"; break;
    }
    record.upgradeNotes = bytes.text(255, false);

    const std::string path = folder.file("Catalog.dat");
    WriteAll(path, before);
    const bool refused = CheckRecordForLayout(record, pages).has_value();
    const CatalogRecord typed = record;
    std::optional<CatalogError> error;
    if (mode == 2)
        error = AppendNumberedRecord(path, record, pages, kDate);
    else
        error = WriteCatalogRecordToFile(path, mode == 1 ? WriteMode::Replace : WriteMode::Append,
                                         record, pages, kDate);
    const std::string after = ReadAll(path);
    if (refused) {
        FUZZ_REQUIRE(error && error->kind == CatalogError::Kind::Layout,
                     "a record that the layout cannot hold was not refused");
        FUZZ_REQUIRE(after == before, "a refused record changed the catalog");
        return 0;
    }
    FUZZ_REQUIRE(!error, "the record was not written: " + (error ? error->message : ""));

    // The record is the file's last line, after exactly what the file held before.
    const std::string kept = mode == 1 ? "" : before;
    FUZZ_REQUIRE(after.compare(0, kept.size(), kept) == 0, "the bytes before the record changed");
    std::string line = after.substr(kept.size());
    const bool followsLine = !kept.empty() && kept.back() != '\n';
    const bool startsNewLine = NumberValue(record.recordNumber) > 1 || followsLine;
    FUZZ_REQUIRE(line.starts_with("\r\n") == startsNewLine, "wrong line start: " + Printable(line));
    if (startsNewLine)
        line.erase(0, 2);
    FUZZ_REQUIRE(line.find('\n') == std::string::npos, "the record is more than one line: " + Printable(line));

    CatalogRecord expected = typed;
    expected.recordDate = kDate;
    if (mode == 2) {
        std::int64_t lines = before.empty() ? 0 : 1;
        std::string last = before.substr(before.empty() ? 0 : before.find_last_of('\n', before.size() - 2) + 1);
        expected.recordNumber = FormatRecordNumber(NextNumberAfter(lines, last));
    } else {
        expected.recordNumber = FormatRecordNumber(NumberValue(typed.recordNumber));
    }
    expected.upgradeNotes = NotesForCatalog(typed.upgradeNotes);
    for (int* code : {&expected.scsiAdapterType, &expected.downloadType, &expected.priority}) {
        Element element = code == &expected.scsiAdapterType ? Element::ScsiAdapterType
                          : code == &expected.downloadType  ? Element::DownloadType
                                                            : Element::Priority;
        if (*code > static_cast<int>(ChoiceItems(element).size()))
            *code = 0;
    }
    FUZZ_REQUIRE(record.recordNumber == expected.recordNumber || mode != 2,
                 "Save Record gave " + record.recordNumber + " instead of " + expected.recordNumber);

    const bool pagesWritten = expected.numberOfModePages != "00";

    ModePageState state;
    CatalogRecord loaded;
    ParsedLine parsed = ParseCatalogLine(line);
    FUZZ_REQUIRE(parsed.reaches(Element::UpgradeNotes), "the line read back ends early: " + Printable(line));
    ApplyParsedLine(std::move(parsed), loaded, state);
    FUZZ_REQUIRE(loaded == expected, "the record read back differs from the one written: " + Printable(line));

    // Pages come back as written (with their page numbers padded), and only when written.
    FUZZ_REQUIRE(state.list.size() == (pagesWritten ? pages.size() : 0),
                 std::to_string(state.list.size()) + " pages read back: " + Printable(line));
    if (pagesWritten) {
        auto read = state.list.begin();
        for (const auto& written : pages)
            FUZZ_REQUIRE((*read++)->slotTexts == written->slotTexts, "a page read back differs: " + Printable(line));
    }
    return 0;
}

}  // namespace tarvel::fuzz
