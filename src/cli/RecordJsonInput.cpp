#include "cli/RecordJsonInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

#include "catalog/CatalogReader.h"
#include "cli/Latin1.h"
#include "cli/RecordJson.h"

namespace tarvel::cli {

namespace {

constexpr int kMaximumPages = 99;

QString Name(Element element) { return FromCatalogBytes(ElementName(element)); }

/// Collects the problems of one record; each message names the record.
class RecordProblems {
public:
    explicit RecordProblems(int index) : index_(index) {}
    void add(const QString& message) {
        messages_.push_back(QStringLiteral("record %1: %2").arg(index_).arg(message));
    }
    bool empty() const { return messages_.empty(); }
    std::vector<QString>& messages() { return messages_; }

private:
    int index_;
    std::vector<QString> messages_;
};

/// A JSON string as catalog bytes; records a problem naming `what` otherwise.
std::optional<std::string> CatalogText(const QJsonValue& value, const QString& what,
                                       RecordProblems& problems) {
    if (!value.isString()) {
        problems.add(QStringLiteral("%1 is not a text (a JSON string)").arg(what));
        return std::nullopt;
    }
    QString text = value.toString();
    if (auto bad = FindNonLatin1(text)) {
        problems.add(QStringLiteral("%1 holds %2, which a catalog cannot hold (catalogs hold "
                                    "8-bit Latin-1 characters)")
                         .arg(what, DescribeCharacter(bad->codePoint)));
        return std::nullopt;
    }
    return ToCatalogBytes(text);
}

std::optional<qint64> WholeNumber(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    double number = value.toDouble();
    if (std::floor(number) != number || std::fabs(number) > 1e15)
        return std::nullopt;
    return static_cast<qint64>(number);
}

/// An item code given as a number or as {"code": n, "item": "..."}.
int ItemCode(const QJsonValue& value, Element element, RecordProblems& problems) {
    auto items = ChoiceItems(element);
    const QString name = Name(element);
    std::optional<qint64> code;
    QJsonValue item = QJsonValue::Undefined;
    if (value.isObject()) {
        QJsonObject choice = value.toObject();
        for (const QString& k : choice.keys())
            if (k != QLatin1String(key::kCode) && k != QLatin1String(key::kItem))
                problems.add(QStringLiteral("%1 has an unknown field \"%2\"").arg(name, k));
        code = WholeNumber(choice.value(QLatin1String(key::kCode)));
        item = choice.value(QLatin1String(key::kItem));
    } else {
        code = WholeNumber(value);
    }
    if (!code) {
        problems.add(QStringLiteral("%1 needs an item code (a whole number)").arg(name));
        return 0;
    }
    if (*code < 0 || *code > static_cast<qint64>(items.size())) {
        problems.add(QStringLiteral("%1 has item code %2; its codes go from 0 to %3")
                         .arg(name)
                         .arg(*code)
                         .arg(items.size()));
        return 0;
    }
    QJsonValue expected = *code == 0 ? QJsonValue(QJsonValue::Null)
                                     : QJsonValue(FromCatalogBytes(items[*code - 1]));
    if (!item.isUndefined() && item != expected)
        problems.add(QStringLiteral("%1 has item code %2, which is not the item \"%3\"")
                         .arg(name)
                         .arg(*code)
                         .arg(item.toString()));
    return static_cast<int>(*code);
}

void ReadPages(const QJsonValue& value, RecordToAppend& out, RecordProblems& problems) {
    if (value.isUndefined())
        return;
    if (!value.isArray()) {
        problems.add(QStringLiteral("pages is not an array of mode pages"));
        return;
    }
    QJsonArray pages = value.toArray();
    if (pages.size() > kMaximumPages) {
        problems.add(QStringLiteral("%1 mode pages; a record holds at most %2")
                         .arg(pages.size())
                         .arg(kMaximumPages));
        return;
    }
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QJsonArray values = pages[p].toArray();
        if (!pages[p].isArray() || values.size() != kSlotCount) {
            problems.add(QStringLiteral("mode page %1 is not an array of %2 values")
                             .arg(p + 1)
                             .arg(kSlotCount));
            continue;
        }
        std::array<std::string, kSlotCount> page;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            QString what = QStringLiteral("mode page %1, %2")
                               .arg(p + 1)
                               .arg(QString::fromStdString(SlotName(slot)));
            if (auto text = CatalogText(values[slot], what, problems))
                page[slot] = std::move(*text);
        }
        out.pages.push_back(std::move(page));
    }
}

/// Number of Mode Pages as written: given as two digits or a number from 0 to 99, or
/// worked out from the pages; it must agree with them.
void ReadPageCount(const QJsonValue& value, RecordToAppend& out, std::size_t pagesGiven,
                   RecordProblems& problems) {
    const QString name = Name(Element::NumberOfModePages);
    qint64 count = static_cast<qint64>(pagesGiven);
    if (value.isString()) {
        QString text = value.toString();
        auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
        if (text.size() != 2 || !digit(text[0]) || !digit(text[1])) {
            problems.add(QStringLiteral("%1 \"%2\" is not two digits (\"00\" to \"99\")")
                             .arg(name, text));
            return;
        }
        count = text.toInt();
    } else if (!value.isUndefined()) {
        std::optional<qint64> number = WholeNumber(value);
        if (!number || *number < 0 || *number > kMaximumPages) {
            problems.add(QStringLiteral("%1 is not a number from 0 to 99").arg(name));
            return;
        }
        count = *number;
    }
    if (count != static_cast<qint64>(pagesGiven)) {
        problems.add(QStringLiteral("%1 reads %2 but the record has %3 mode page(s)")
                         .arg(name)
                         .arg(count, 2, 10, QLatin1Char('0'))
                         .arg(pagesGiven));
        return;
    }
    out.record.numberOfModePages = QStringLiteral("%1").arg(count, 2, 10, QLatin1Char('0')).toStdString();
}

/// Whether the catalog line that the record becomes reads back as the same record.
void CheckReadsBack(const RecordToAppend& out, RecordProblems& problems) {
    CatalogRecord record = out.record;
    record.recordNumber = "0002";
    record.recordDate = "1/1/00";
    ModePageList list;
    FillPageList(out, list);
    PadPageNumbers(list);
    ParsedLine parsed = ParseCatalogLine(FormatCatalogRecord(record, list));

    const CatalogRecord& back = parsed.record;
    const std::pair<Element, bool> same[] = {
        {Element::Vendor, back.vendor == record.vendor},
        {Element::Product, back.product == record.product},
        {Element::LowFirmwareVersion, back.lowFirmwareVersion == record.lowFirmwareVersion},
        {Element::HighFirmwareVersion, back.highFirmwareVersion == record.highFirmwareVersion},
        {Element::NewFirmwareVersion, back.newFirmwareVersion == record.newFirmwareVersion},
        {Element::ScsiAdapterType, back.scsiAdapterType == record.scsiAdapterType},
        {Element::DownloadType, back.downloadType == record.downloadType},
        {Element::Priority, back.priority == record.priority},
        {Element::DownloadFilename, back.downloadFilename == record.downloadFilename},
        {Element::PageSection, parsed.pages.size() == out.pages.size()},
        {Element::UpgradeNotes, parsed.reaches(Element::UpgradeNotes) &&
                                    back.upgradeNotes == NotesForCatalog(record.upgradeNotes)},
    };
    for (const auto& [element, equal] : same) {
        if (equal)
            continue;
        if (element == Element::UpgradeNotes && !out.pages.empty())
            problems.add(QStringLiteral("Upgrade Notes \"%1\" would read back as the start of a "
                                        "mode page, and be lost")
                             .arg(FromCatalogBytes(record.upgradeNotes)));
        else
            problems.add(QStringLiteral("%1 would not read back as written").arg(Name(element)));
        return;
    }
}

void ReadRecord(const QJsonValue& value, int index, AppendInput& input) {
    RecordProblems problems(index);
    if (!value.isObject()) {
        problems.add(QStringLiteral("not a JSON object"));
        input.refusals.insert(input.refusals.end(), problems.messages().begin(),
                              problems.messages().end());
        return;
    }
    QJsonObject object = value.toObject();
    RecordToAppend out;
    out.index = index;
    CatalogRecord& r = out.record;

    struct TextField {
        const char* key;
        Element element;
        std::string* value;
    };
    const TextField texts[] = {
        {key::kVendor, Element::Vendor, &r.vendor},
        {key::kProduct, Element::Product, &r.product},
        {key::kLowFirmwareVersion, Element::LowFirmwareVersion, &r.lowFirmwareVersion},
        {key::kHighFirmwareVersion, Element::HighFirmwareVersion, &r.highFirmwareVersion},
        {key::kNewFirmwareVersion, Element::NewFirmwareVersion, &r.newFirmwareVersion},
        {key::kDownloadFilename, Element::DownloadFilename, &r.downloadFilename},
        {key::kUpgradeNotes, Element::UpgradeNotes, &r.upgradeNotes},
    };
    const std::pair<const char*, std::pair<Element, int*>> codes[] = {
        {key::kScsiAdapterType, {Element::ScsiAdapterType, &r.scsiAdapterType}},
        {key::kDownloadType, {Element::DownloadType, &r.downloadType}},
        {key::kPriority, {Element::Priority, &r.priority}},
    };

    QSet<QString> known = {QLatin1String(key::kLine), QLatin1String(key::kRecordNumber),
                           QLatin1String(key::kRecordDate), QLatin1String(key::kNumberOfModePages),
                           QLatin1String(key::kPages)};
    for (const TextField& field : texts)
        known.insert(QLatin1String(field.key));
    for (const auto& [k, code] : codes)
        known.insert(QLatin1String(k));
    for (const QString& k : object.keys())
        if (!known.contains(k))
            problems.add(QStringLiteral("unknown field \"%1\"").arg(k));

    for (const TextField& field : texts) {
        QJsonValue v = object.value(QLatin1String(field.key));
        if (v.isUndefined())
            continue;
        if (auto text = CatalogText(v, Name(field.element), problems))
            *field.value = std::move(*text);
    }
    for (const auto& [k, code] : codes) {
        QJsonValue v = object.value(QLatin1String(k));
        if (!v.isUndefined())
            *code.second = ItemCode(v, code.first, problems);
    }
    ReadPages(object.value(QLatin1String(key::kPages)), out, problems);
    if (problems.empty())
        ReadPageCount(object.value(QLatin1String(key::kNumberOfModePages)), out,
                      out.pages.size(), problems);

    if (problems.empty()) {
        ModePageList list;
        FillPageList(out, list);
        if (auto refusal = CheckRecordForLayout(r, list))
            problems.add(QString::fromLatin1(refusal->message.c_str()));
    }
    if (problems.empty())
        CheckReadsBack(out, problems);

    if (problems.empty())
        input.records.push_back(std::move(out));
    else
        input.refusals.insert(input.refusals.end(), problems.messages().begin(),
                              problems.messages().end());
}

}  // namespace

void FillPageList(const RecordToAppend& record, ModePageList& list) {
    for (const auto& values : record.pages) {
        auto entry = NewModePageEntry();
        for (int slot = 0; slot < kSlotCount; ++slot)
            SetSlotText(*entry, slot, values[slot]);
        list.append(std::move(entry));
    }
}

AppendInput ReadRecordsToAppend(const QByteArray& json) {
    AppendInput input;
    QJsonParseError error;
    QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull()) {
        input.documentError = QStringLiteral("not valid JSON: %1 at byte %2")
                                  .arg(error.errorString())
                                  .arg(error.offset);
        return input;
    }
    QJsonArray records;
    if (document.isArray()) {
        records = document.array();
    } else {
        QJsonObject top = document.object();
        QJsonValue format = top.value(QStringLiteral("format"));
        std::optional<qint64> version = WholeNumber(top.value(QStringLiteral("version")));
        if (format.toString() != QLatin1String(kJsonFormat)) {
            input.documentError = QStringLiteral("not a %1 document: \"format\" is not \"%1\"")
                                      .arg(QLatin1String(kJsonFormat));
            return input;
        }
        if (!version || *version < 1) {
            input.documentError = QStringLiteral("\"version\" is not a version number");
            return input;
        }
        if (*version > kJsonVersion) {
            input.documentError = QStringLiteral("version %1 is newer than this program reads (%2)")
                                      .arg(*version)
                                      .arg(kJsonVersion);
            return input;
        }
        if (!top.value(QStringLiteral("records")).isArray()) {
            input.documentError = QStringLiteral("\"records\" is not an array of records");
            return input;
        }
        records = top.value(QStringLiteral("records")).toArray();
    }
    for (qsizetype i = 0; i < records.size(); ++i)
        ReadRecord(records[i], static_cast<int>(i + 1), input);
    return input;
}

}  // namespace tarvel::cli
