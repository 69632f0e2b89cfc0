#include "catalog/CatalogRecord.h"

#include <climits>
#include <cstdio>

namespace tarvel {

namespace {

constexpr std::string_view kDelimiters = ",|\r\n";

std::time_t (*catalogClock)() = nullptr;

bool HoldsDelimiter(std::string_view text) {
    return text.find_first_of(kDelimiters) != std::string_view::npos;
}

std::string_view SlotValue(const std::string& slot, int index) {
    std::string_view value = slot;
    if (!value.empty() && value.back() == SlotSeparator(index))
        value.remove_suffix(1);
    return value;
}

}  // namespace

std::string_view ElementName(Element element) {
    switch (element) {
    case Element::None: return "";
    case Element::RecordNumber: return "Record Number";
    case Element::RecordDate: return "Record Date";
    case Element::Vendor: return "Vendor";
    case Element::Product: return "Product";
    case Element::LowFirmwareVersion: return "Low Firmware Version";
    case Element::HighFirmwareVersion: return "High Firmware Version";
    case Element::NewFirmwareVersion: return "New Firmware Version";
    case Element::ScsiAdapterType: return "SCSI Adapter Type";
    case Element::DownloadType: return "Download Type";
    case Element::Priority: return "Priority";
    case Element::DownloadFilename: return "Download Filename";
    case Element::NumberOfModePages: return "Number of Mode Pages";
    case Element::PageSection: return "Mode Page";
    case Element::UpgradeNotes: return "Upgrade Notes";
    }
    return "";
}

std::span<const std::string_view> ChoiceItems(Element element) {
    switch (element) {
    case Element::ScsiAdapterType: return kScsiAdapterTypes;
    case Element::DownloadType: return kDownloadTypes;
    case Element::Priority: return kPriorities;
    default: return {};
    }
}

std::string* TextOf(CatalogRecord& record, Element element) {
    switch (element) {
    case Element::RecordNumber: return &record.recordNumber;
    case Element::RecordDate: return &record.recordDate;
    case Element::Vendor: return &record.vendor;
    case Element::Product: return &record.product;
    case Element::LowFirmwareVersion: return &record.lowFirmwareVersion;
    case Element::HighFirmwareVersion: return &record.highFirmwareVersion;
    case Element::NewFirmwareVersion: return &record.newFirmwareVersion;
    case Element::DownloadFilename: return &record.downloadFilename;
    case Element::NumberOfModePages: return &record.numberOfModePages;
    case Element::UpgradeNotes: return &record.upgradeNotes;
    default: return nullptr;
    }
}

int* CodeOf(CatalogRecord& record, Element element) {
    switch (element) {
    case Element::ScsiAdapterType: return &record.scsiAdapterType;
    case Element::DownloadType: return &record.downloadType;
    case Element::Priority: return &record.priority;
    default: return nullptr;
    }
}

std::int64_t NumberValue(std::string_view text) {
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = std::int64_t{INT_MAX} + 1;  // enough to saturate either way
            break;
        }
    }
    if (negative)
        return value > INT_MAX ? INT_MIN : -value;
    return value > INT_MAX ? INT_MAX : value;
}

std::string FormatRecordNumber(std::int64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%4.4lld", static_cast<long long>(value));
    return text;
}

std::string CatalogDateText(const std::tm& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d/%02d", date.tm_mon + 1, date.tm_mday,
                  ((date.tm_year + 1900) % 100 + 100) % 100);
    return text;
}

std::string TodayCatalogDate() {
    std::time_t now = catalogClock ? catalogClock() : std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CatalogDateText(local);
}

void SetCatalogClockForTesting(std::time_t (*clock)()) { catalogClock = clock; }

std::string NotesForCatalog(std::string_view notes) {
    if (notes.empty())
        return "No Text";
    std::string text;
    text.reserve(notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        char c = notes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < notes.size() && notes[i + 1] == '\n')
                ++i;
            c = ' ';
        }
        text.push_back(c);
    }
    return text;
}

void PadPageNumbers(const ModePageList& pages) {
    for (const auto& entry : pages) {
        if (entry->slotTexts[0].size() < 3)
            entry->slotTexts[0].insert(0, 1, '0');
    }
}

std::string FormatCatalogRecord(const CatalogRecord& record, const ModePageList& pages) {
    std::string out;
    out.reserve(128 + pages.size() * 135 + record.upgradeNotes.size());
    auto field = [&out](std::string_view text) {
        out.append(text);
        out.push_back(',');
    };
    field(FormatRecordNumber(NumberValue(record.recordNumber)));
    field(record.recordDate);
    field(record.vendor);
    field(record.product);
    field(record.lowFirmwareVersion);
    field(record.highFirmwareVersion);
    field(record.newFirmwareVersion);
    field(std::to_string(record.scsiAdapterType));
    field(std::to_string(record.downloadType));
    field(std::to_string(record.priority));
    field(record.downloadFilename);
    if (record.numberOfModePages == "00") {
        out.append("0,0,");
    } else {
        field(record.numberOfModePages);
        for (const auto& entry : pages)
            for (const std::string& slot : entry->slotTexts)
                out.append(slot);
    }
    out.append(NotesForCatalog(record.upgradeNotes));
    return out;
}

std::size_t WholePageLength(std::string_view text) {
    std::size_t at = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::size_t end = text.find_first_of(",|", at);
        if (end == std::string_view::npos || text[end] != SlotSeparator(slot))
            return 0;
        at = end + 1;
    }
    return at;
}

bool LooksLikeUnfinishedPage(std::string_view rest) {
    if (rest.find('|') == std::string_view::npos || rest.find(',') != std::string_view::npos)
        return false;
    auto isByteDigit = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') ||
               c == 'X' || c == 'x';
    };
    std::size_t start = 0;
    while (true) {
        std::size_t bar = rest.find('|', start);
        std::string_view value = rest.substr(start, bar == std::string_view::npos ? bar : bar - start);
        if (value.size() > 2 || (bar != std::string_view::npos && value.size() != 2))
            return false;
        for (char c : value)
            if (!isByteDigit(c))
                return false;
        if (bar == std::string_view::npos)
            return true;
        start = bar + 1;
    }
}

bool RecordStartsNewLine(std::int64_t recordNumberValue, bool followsUnfinishedLine) {
    return recordNumberValue > 1 || followsUnfinishedLine;
}

std::optional<LayoutRefusal> CheckRecordForLayout(const CatalogRecord& record,
                                                  const ModePageList& pages) {
    const std::pair<Element, const std::string*> texts[] = {
        {Element::Vendor, &record.vendor},
        {Element::Product, &record.product},
        {Element::LowFirmwareVersion, &record.lowFirmwareVersion},
        {Element::HighFirmwareVersion, &record.highFirmwareVersion},
        {Element::NewFirmwareVersion, &record.newFirmwareVersion},
        {Element::DownloadFilename, &record.downloadFilename},
        {Element::NumberOfModePages, &record.numberOfModePages},
    };
    for (const auto& [element, text] : texts) {
        if (HoldsDelimiter(*text)) {
            LayoutRefusal refusal;
            refusal.element = element;
            refusal.message = std::string(ElementName(element)) +
                              " cannot hold a comma, a vertical bar or a line break.";
            return refusal;
        }
    }
    if (record.numberOfModePages == "00")
        return std::nullopt;
    int page = 0;
    for (const auto& entry : pages) {
        ++page;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (!HoldsDelimiter(SlotValue(entry->slotTexts[slot], slot)))
                continue;
            LayoutRefusal refusal;
            refusal.element = Element::PageSection;
            refusal.page = page;
            refusal.slot = slot;
            refusal.message = "Mode page " + std::to_string(page) + ", " + SlotName(slot) +
                              " cannot hold a comma, a vertical bar or a line break.";
            return refusal;
        }
    }
    const std::string notes = NotesForCatalog(record.upgradeNotes);
    if (WholePageLength(notes) > 0 || LooksLikeUnfinishedPage(notes)) {
        LayoutRefusal refusal;
        refusal.element = Element::UpgradeNotes;
        refusal.message = "Upgrade Notes that begin with byte values and vertical bars would read "
                          "back as part of a mode page. Reword their beginning.";
        return refusal;
    }
    return std::nullopt;
}

}  // namespace tarvel
