#include "cli/CheckFindings.h"

#include <algorithm>
#include <map>

#include "catalog/CatalogReader.h"
#include "cli/LineRecords.h"
#include "cli/Latin1.h"

namespace tarvel::cli {

namespace {

constexpr FindingKindInfo kKinds[] = {
    {FindingKind::EmptyLine, "empty-line", Severity::Warning},
    {FindingKind::NotARecord, "not-a-record", Severity::Error},
    {FindingKind::ShortLine, "short-line", Severity::Error},
    {FindingKind::UnfinishedPage, "unfinished-page", Severity::Error},
    {FindingKind::ShiftedFields, "shifted-fields", Severity::Error},
    {FindingKind::RunOnRecord, "run-on-record", Severity::Error},
    {FindingKind::DelimiterInField, "delimiter-in-field", Severity::Error},
    {FindingKind::EmptyField, "empty-field", Severity::Error},
    {FindingKind::ItemCode, "item-code", Severity::Error},
    {FindingKind::PageCount, "page-count", Severity::Error},
    {FindingKind::PageValue, "page-value", Severity::Warning},
    {FindingKind::FirmwareRange, "firmware-range", Severity::Error},
    {FindingKind::DuplicateNumber, "duplicate-number", Severity::Error},
    {FindingKind::NumberOrder, "number-order", Severity::Warning},
    {FindingKind::FinalLineBreak, "final-line-break", Severity::Warning},
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

QString Name(Element element) { return FromCatalogBytes(ElementName(element)); }
QString Quoted(std::string_view bytes) { return QLatin1Char('"') + DisplayText(bytes) + QLatin1Char('"'); }

/// The first `count` pieces of a line cut at ",", as the reader cuts the fields before
/// the page section.
std::vector<std::string_view> LeadingPieces(std::string_view line, std::size_t count) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (pieces.size() < count && start < line.size()) {
        std::size_t comma = line.find(',', start);
        std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        pieces.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

/// Compares two runs of decimal digits by value.
int CompareDecimal(std::string_view a, std::string_view b) {
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

/// The Record Number of a record that starts inside `notes`: digits (at least four),
/// ",", a date M/D/YY and ",", as a record that was written without a line break before
/// it follows the notes of the line before.
std::optional<std::string_view> RunOnRecordNumber(std::string_view notes) {
    auto digits = [&notes](std::size_t at) {
        std::size_t end = at;
        while (end < notes.size() && IsDigit(notes[end]))
            ++end;
        return end - at;
    };
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (!IsDigit(notes[i]) || (i > 0 && IsDigit(notes[i - 1])))
            continue;
        std::size_t numberLength = digits(i);
        std::size_t at = i + numberLength;
        if (numberLength < 4 || at >= notes.size() || notes[at] != ',')
            continue;
        ++at;
        bool date = true;
        for (int part = 0; part < 3 && date; ++part) {
            std::size_t n = digits(at);
            char end = part < 2 ? '/' : ',';
            date = (part < 2 ? n >= 1 && n <= 2 : n == 2) && at + n < notes.size() &&
                   notes[at + n] == end;
            at += n + 1;
        }
        if (date)
            return notes.substr(i, numberLength);
    }
    return std::nullopt;
}

/// Checks one line that starts with a Record Number; numbering is checked by the caller.
class RecordLineCheck {
public:
    RecordLineCheck(std::int64_t line, std::string_view text, std::vector<Finding>& findings)
        : line_(line), text_(text), parsed_(ParseCatalogLine(text)), findings_(findings) {}

    void run() {
        // Elements 1-11, Number of Mode Pages, and the "0" that follows a count of "0".
        std::vector<std::string_view> pieces = LeadingPieces(text_, 13);
        if (!parsed_.reaches(Element::NumberOfModePages) ||
            (pieces[11].size() <= 1 && pieces.size() < 13)) {
            add(FindingKind::ShortLine,
                QStringLiteral("not a whole record: the line ends after %1")
                    .arg(Name(parsed_.reached)));
            return;
        }
        std::string_view count = pieces[11];
        if (count.size() > 2 || (count.size() <= 1 && (count != "0" || pieces[12] != "0"))) {
            std::string_view shown = count.size() > 2 ? count : text_.substr(
                count.data() - text_.data(), pieces[12].data() + pieces[12].size() - count.data());
            add(FindingKind::ShiftedFields,
                QStringLiteral("fields out of place: where Number of Mode Pages belongs the line "
                               "holds %1; a field before it holds a comma, or one is missing")
                    .arg(Quoted(shown)));
            return;
        }
        checkEnd();
        checkTexts();
        checkCodes(pieces);
        checkPages(count);
        checkFirmwareRange();
    }

private:
    void add(FindingKind kind, const QString& message) {
        findings_.push_back({line_, kind, message});
    }

    void checkEnd() {
        if (parsed_.droppedUnfinishedPage) {
            add(FindingKind::UnfinishedPage,
                QStringLiteral("not a whole record: the line ends inside mode page %1")
                    .arg(parsed_.pages.size() + 1));
        } else if (!parsed_.reaches(Element::UpgradeNotes)) {
            add(FindingKind::ShortLine,
                QStringLiteral("not a whole record: the line ends before Upgrade Notes"));
        } else if (auto number = RunOnRecordNumber(parsed_.record.upgradeNotes)) {
            add(FindingKind::RunOnRecord,
                QStringLiteral("record %1 runs on from this one: it was written without a line "
                               "break before it, and is read as part of the Upgrade Notes")
                    .arg(DisplayText(*number)));
        }
    }

    void checkTexts() {
        const CatalogRecord& r = parsed_.record;
        const std::pair<Element, const std::string*> texts[] = {
            {Element::Vendor, &r.vendor},
            {Element::Product, &r.product},
            {Element::LowFirmwareVersion, &r.lowFirmwareVersion},
            {Element::HighFirmwareVersion, &r.highFirmwareVersion},
            {Element::NewFirmwareVersion, &r.newFirmwareVersion},
            {Element::DownloadFilename, &r.downloadFilename},
        };
        for (const auto& [element, text] : texts) {
            std::size_t at = text->find_first_of("|\r");
            if (at != std::string::npos)
                add(FindingKind::DelimiterInField,
                    QStringLiteral("%1 %2 holds a delimiter (%3), which the editor does not "
                                   "write and other readers cut apart")
                        .arg(Name(element), Quoted(*text),
                             (*text)[at] == '|' ? QStringLiteral("\"|\"")
                                                : QStringLiteral("a carriage return")));
            bool required = element == Element::Vendor || element == Element::Product ||
                            element == Element::DownloadFilename;
            if (required && text->empty())
                add(FindingKind::EmptyField, QStringLiteral("%1 is empty").arg(Name(element)));
        }
    }

    void checkCodes(const std::vector<std::string_view>& pieces) {
        const std::pair<Element, std::string_view> codes[] = {
            {Element::ScsiAdapterType, pieces[7]},
            {Element::DownloadType, pieces[8]},
            {Element::Priority, pieces[9]},
        };
        for (const auto& [element, piece] : codes) {
            auto size = ChoiceItems(element).size();
            if (AllDigits(piece) && CompareDecimal(piece, std::to_string(size)) <= 0)
                continue;
            add(FindingKind::ItemCode,
                QStringLiteral("%1 has item code %2, outside its list (0 to %3); the editor "
                               "reads it as no choice")
                    .arg(Name(element), Quoted(piece))
                    .arg(size));
        }
    }

    void checkPages(std::string_view count) {
        std::size_t pages = parsed_.pages.size();
        if (count.size() == 2 && !parsed_.droppedUnfinishedPage) {
            if (!AllDigits(count))
                add(FindingKind::PageCount,
                    QStringLiteral("Number of Mode Pages %1 is not a number; the line holds %2 "
                                   "mode page(s)")
                        .arg(Quoted(count))
                        .arg(pages));
            else if (NumberValue(count) != static_cast<std::int64_t>(pages))
                add(FindingKind::PageCount,
                    QStringLiteral("Number of Mode Pages reads %1 but the line holds %2 mode "
                                   "page(s)")
                        .arg(DisplayText(count))
                        .arg(pages));
        }
        int number = 0;
        for (const auto& page : parsed_.pages) {
            ++number;
            for (int slot = 0; slot < kSlotCount; ++slot) {
                std::string value = SlotText(*page, slot);
                bool hex = value.size() == 2 && IsHexDigit(value[0]) && IsHexDigit(value[1]);
                if (hex || value == "XX")
                    continue;
                add(FindingKind::PageValue,
                    QStringLiteral("mode page %1, %2 is %3, not two hexadecimal digits or XX")
                        .arg(number)
                        .arg(QString::fromStdString(SlotName(slot)), Quoted(value)));
            }
        }
    }

    void checkFirmwareRange() {
        const CatalogRecord& r = parsed_.record;
        if (AllDigits(r.lowFirmwareVersion) && AllDigits(r.highFirmwareVersion) &&
            CompareDecimal(r.lowFirmwareVersion, r.highFirmwareVersion) > 0)
            add(FindingKind::FirmwareRange,
                QStringLiteral("Low Firmware Version %1 is above High Firmware Version %2")
                    .arg(DisplayText(r.lowFirmwareVersion), DisplayText(r.highFirmwareVersion)));
    }

    std::int64_t line_;
    std::string_view text_;
    ParsedLine parsed_;
    std::vector<Finding>& findings_;
};

/// Remembers the Record Numbers seen so far.
class NumberCheck {
public:
    explicit NumberCheck(std::vector<Finding>& findings) : findings_(findings) {}

    void see(std::int64_t line, std::string_view text) {
        std::string_view piece = text.substr(0, text.find(','));
        std::int64_t number = NumberValue(piece);
        auto [earlier, fresh] = firstLine_.try_emplace(number, line);
        if (!fresh) {
            findings_.push_back({line, FindingKind::DuplicateNumber,
                                 QStringLiteral("Record Number %1 is also on line %2")
                                     .arg(DisplayText(piece))
                                     .arg(earlier->second)});
        } else if (previousLine_ > 0 && number <= previous_) {
            findings_.push_back(
                {line, FindingKind::NumberOrder,
                 QStringLiteral("Record Number %1 does not follow %2 on line %3; new records "
                                "are numbered on from the last line")
                     .arg(DisplayText(piece), DisplayText(previousText_))
                     .arg(previousLine_)});
        }
        previous_ = number;
        previousText_ = std::string(piece);
        previousLine_ = line;
    }

private:
    std::vector<Finding>& findings_;
    std::map<std::int64_t, std::int64_t> firstLine_;
    std::int64_t previous_ = 0;
    std::string previousText_;
    std::int64_t previousLine_ = 0;
};

}  // namespace

std::span<const FindingKindInfo> FindingKinds() { return kKinds; }

const FindingKindInfo& InfoOf(FindingKind kind) { return kKinds[static_cast<int>(kind)]; }

std::vector<Finding> CheckCatalog(std::string_view bytes) {
    std::vector<Finding> findings;
    NumberCheck numbers(findings);
    std::vector<CatalogLine> lines = SplitCatalogLines(bytes);
    for (const CatalogLine& line : lines) {
        if (line.text.empty()) {
            findings.push_back({line.number, FindingKind::EmptyLine, QStringLiteral("empty line")});
            continue;
        }
        if (!StartsWithRecordNumber(line.text)) {
            findings.push_back(
                {line.number, FindingKind::NotARecord,
                 QStringLiteral("the line does not start with a Record Number: a record cut by a "
                                "line break, or no record at all")});
            continue;
        }
        numbers.see(line.number, line.text);
        RecordLineCheck(line.number, line.text, findings).run();
    }
    if (!bytes.empty() && bytes.back() == '\n')
        findings.push_back({lines.back().number, FindingKind::FinalLineBreak,
                            QStringLiteral("the file ends with a line break; the next record "
                                           "will follow an empty line")});
    return findings;
}

bool HasErrors(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity() == Severity::Error; });
}

}  // namespace tarvel::cli
