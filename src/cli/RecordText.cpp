#include "cli/RecordText.h"

#include <QStringList>

#include <algorithm>

#include "catalog/CatalogRecord.h"
#include "cli/Latin1.h"

namespace tarvel::cli {

namespace {

QString Columns(const std::vector<QString>& cells, const std::vector<qsizetype>& widths) {
    QString line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        bool last = i + 1 == cells.size();
        line += last ? cells[i] : cells[i].leftJustified(widths[i]) + QStringLiteral("  ");
    }
    return line + QLatin1Char('\n');
}

QString ItemText(Element element, int code) {
    auto items = ChoiceItems(element);
    if (code < 1 || code > static_cast<int>(items.size()))
        return QStringLiteral("%1 (no choice)").arg(code);
    return QStringLiteral("%1 (\"%2\")").arg(code).arg(FromCatalogBytes(items[code - 1]));
}

/// The values of slots [first, first + count) of a page, a blank apart.
QString SlotRow(const ModePageEntry& page, int first, int count) {
    QStringList values;
    for (int slot = first; slot < first + count; ++slot)
        values << DisplayText(SlotText(page, slot));
    return values.join(QLatin1Char(' '));
}

}  // namespace

QString RecordListText(const std::vector<LineRecord>& records) {
    std::vector<std::vector<QString>> rows;
    rows.push_back({QStringLiteral("NUMBER"), QStringLiteral("DATE"), QStringLiteral("VENDOR"),
                    QStringLiteral("PRODUCT"), QStringLiteral("LOW"), QStringLiteral("HIGH"),
                    QStringLiteral("NEW"), QStringLiteral("PAGES")});
    for (const LineRecord& entry : records) {
        const CatalogRecord& r = entry.parsed.record;
        rows.push_back({DisplayText(r.recordNumber), DisplayText(r.recordDate),
                        DisplayText(r.vendor), DisplayText(r.product),
                        DisplayText(r.lowFirmwareVersion), DisplayText(r.highFirmwareVersion),
                        DisplayText(r.newFirmwareVersion),
                        QString::number(entry.parsed.pages.size())});
    }
    std::vector<qsizetype> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    QString text;
    for (const auto& row : rows)
        text += Columns(row, widths);
    return text;
}

QString RecordText(const LineRecord& entry) {
    const CatalogRecord& r = entry.parsed.record;
    const std::pair<Element, QString> elements[] = {
        {Element::RecordNumber, DisplayText(r.recordNumber)},
        {Element::RecordDate, DisplayText(r.recordDate)},
        {Element::Vendor, DisplayText(r.vendor)},
        {Element::Product, DisplayText(r.product)},
        {Element::LowFirmwareVersion, DisplayText(r.lowFirmwareVersion)},
        {Element::HighFirmwareVersion, DisplayText(r.highFirmwareVersion)},
        {Element::NewFirmwareVersion, DisplayText(r.newFirmwareVersion)},
        {Element::ScsiAdapterType, ItemText(Element::ScsiAdapterType, r.scsiAdapterType)},
        {Element::DownloadType, ItemText(Element::DownloadType, r.downloadType)},
        {Element::Priority, ItemText(Element::Priority, r.priority)},
        {Element::DownloadFilename, DisplayText(r.downloadFilename)},
        {Element::NumberOfModePages, DisplayText(r.numberOfModePages)},
        {Element::UpgradeNotes, DisplayText(r.upgradeNotes)},
    };
    qsizetype width = QStringLiteral("Line").size();
    for (const auto& [element, value] : elements)
        width = std::max(width, static_cast<qsizetype>(ElementName(element).size()));

    auto row = [width](const QString& name, const QString& value) {
        return (name + QLatin1Char(':')).leftJustified(width + 2) + value + QLatin1Char('\n');
    };
    QString text = row(QStringLiteral("Line"), QString::number(entry.line));
    for (const auto& [element, value] : elements)
        text += row(FromCatalogBytes(ElementName(element)), value);

    int number = 0;
    for (const auto& page : entry.parsed.pages) {
        text += QStringLiteral("\nMode page %1\n").arg(++number);
        text += QStringLiteral("  Page Number       %1\n").arg(SlotRow(*page, 0, 1));
        text += QStringLiteral("  Header            %1\n").arg(SlotRow(*page, kHeaderSlot, 4));
        text += QStringLiteral("  Block Descriptor  %1\n")
                    .arg(SlotRow(*page, kBlockDescriptorSlot, 8));
        text += QStringLiteral("  Page Data 0x00    %1\n").arg(SlotRow(*page, kPageDataSlot, 16));
        text += QStringLiteral("  Page Data 0x10    %1\n")
                    .arg(SlotRow(*page, kPageDataSlot + 16, 16));
    }
    return text;
}

}  // namespace tarvel::cli
