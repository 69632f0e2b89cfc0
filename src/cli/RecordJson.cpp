#include "cli/RecordJson.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "catalog/CatalogRecord.h"
#include "cli/Latin1.h"

namespace tarvel::cli {

namespace {

QJsonValue Choice(Element element, int code) {
    auto items = ChoiceItems(element);
    QJsonObject choice;
    choice[key::kCode] = code;
    choice[key::kItem] = code >= 1 && code <= static_cast<int>(items.size())
                             ? QJsonValue(FromCatalogBytes(items[code - 1]))
                             : QJsonValue(QJsonValue::Null);
    return choice;
}

QJsonArray Pages(const ParsedLine& parsed) {
    QJsonArray pages;
    for (const auto& page : parsed.pages) {
        QJsonArray values;
        for (int slot = 0; slot < kSlotCount; ++slot)
            values.append(FromCatalogBytes(SlotText(*page, slot)));
        pages.append(values);
    }
    return pages;
}

std::string Compact(const QJsonObject& object) {
    QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::string JsonDocument(const std::vector<QJsonObject>& records) {
    std::string text = std::string("{\"format\":\"") + kJsonFormat + "\",\"version\":" +
                       std::to_string(kJsonVersion) + ",\"records\":[";
    for (std::size_t i = 0; i < records.size(); ++i) {
        text += i == 0 ? "\n" : ",\n";
        text += Compact(records[i]);
    }
    text += records.empty() ? "]}\n" : "\n]}\n";
    return text;
}

}  // namespace

QJsonObject RecordToJson(const LineRecord& entry) {
    const CatalogRecord& r = entry.parsed.record;
    QJsonObject object;
    object[key::kLine] = static_cast<qint64>(entry.line);
    object[key::kRecordNumber] = FromCatalogBytes(r.recordNumber);
    object[key::kRecordDate] = FromCatalogBytes(r.recordDate);
    object[key::kVendor] = FromCatalogBytes(r.vendor);
    object[key::kProduct] = FromCatalogBytes(r.product);
    object[key::kLowFirmwareVersion] = FromCatalogBytes(r.lowFirmwareVersion);
    object[key::kHighFirmwareVersion] = FromCatalogBytes(r.highFirmwareVersion);
    object[key::kNewFirmwareVersion] = FromCatalogBytes(r.newFirmwareVersion);
    object[key::kScsiAdapterType] = Choice(Element::ScsiAdapterType, r.scsiAdapterType);
    object[key::kDownloadType] = Choice(Element::DownloadType, r.downloadType);
    object[key::kPriority] = Choice(Element::Priority, r.priority);
    object[key::kDownloadFilename] = FromCatalogBytes(r.downloadFilename);
    object[key::kNumberOfModePages] = FromCatalogBytes(r.numberOfModePages);
    object[key::kPages] = Pages(entry.parsed);
    object[key::kUpgradeNotes] = FromCatalogBytes(r.upgradeNotes);
    return object;
}

std::string CatalogJsonDocument(const std::vector<LineRecord>& records) {
    std::vector<QJsonObject> objects;
    objects.reserve(records.size());
    for (const LineRecord& record : records)
        objects.push_back(RecordToJson(record));
    return JsonDocument(objects);
}

std::string RecordJsonDocument(const LineRecord& record) {
    return JsonDocument({RecordToJson(record)});
}

}  // namespace tarvel::cli
