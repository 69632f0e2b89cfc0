#include "cli/RecordCsv.h"

#include <QStringList>

#include "catalog/CatalogRecord.h"
#include "cli/Latin1.h"

namespace tarvel::cli {

namespace {

/// A cell quoted when it holds a comma, a quote, a line end, or blanks at either end.
QString Cell(const QString& value) {
    bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
                 value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')) ||
                 value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '));
    if (!quote)
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString Item(Element element, int code) {
    auto items = ChoiceItems(element);
    return code >= 1 && code <= static_cast<int>(items.size()) ? FromCatalogBytes(items[code - 1])
                                                               : QString();
}

QString Pages(const ParsedLine& parsed) {
    QStringList pages;
    for (const auto& page : parsed.pages) {
        QStringList values;
        for (int slot = 0; slot < kSlotCount; ++slot)
            values << FromCatalogBytes(SlotText(*page, slot));
        pages << values.join(QLatin1Char(' '));
    }
    return pages.join(QLatin1Char(';'));
}

}  // namespace

std::string CatalogCsv(const std::vector<LineRecord>& records) {
    QString text = QStringLiteral(
        "line,recordNumber,recordDate,vendor,product,lowFirmwareVersion,highFirmwareVersion,"
        "newFirmwareVersion,scsiAdapterType,scsiAdapterTypeItem,downloadType,downloadTypeItem,"
        "priority,priorityItem,downloadFilename,numberOfModePages,pages,upgradeNotes\n");
    for (const LineRecord& entry : records) {
        const CatalogRecord& r = entry.parsed.record;
        const QString cells[] = {
            QString::number(entry.line),
            FromCatalogBytes(r.recordNumber),
            FromCatalogBytes(r.recordDate),
            FromCatalogBytes(r.vendor),
            FromCatalogBytes(r.product),
            FromCatalogBytes(r.lowFirmwareVersion),
            FromCatalogBytes(r.highFirmwareVersion),
            FromCatalogBytes(r.newFirmwareVersion),
            QString::number(r.scsiAdapterType),
            Item(Element::ScsiAdapterType, r.scsiAdapterType),
            QString::number(r.downloadType),
            Item(Element::DownloadType, r.downloadType),
            QString::number(r.priority),
            Item(Element::Priority, r.priority),
            FromCatalogBytes(r.downloadFilename),
            FromCatalogBytes(r.numberOfModePages),
            Pages(entry.parsed),
            FromCatalogBytes(r.upgradeNotes),
        };
        QStringList row;
        for (const QString& cell : cells)
            row << Cell(cell);
        text += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return Utf8(text);
}

}  // namespace tarvel::cli
