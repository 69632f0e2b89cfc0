#include "catalog/RecordListModel.h"

#include "form/CatalogText.h"

namespace tarvel {

RecordListModel::RecordListModel(std::string path, CatalogLineIndex index, QObject* parent)
    : QAbstractListModel(parent), path_(std::move(path)), index_(std::move(index)), shown_(512) {}

QModelIndex RecordListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || column != 0 || row < 0 || row >= static_cast<int>(index_.lines()))
        return {};
    return createIndex(row, 0);
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(index_.lines());
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return listLine(index.row());
}

QString RecordListModel::listLine(int row) const {
    if (QString* line = shown_.object(row))
        return *line;
    std::optional<std::string> line = ReadIndexedLine(path_, index_, static_cast<std::size_t>(row));
    QString shown = FromCatalogBytes(RecordListLine(line.value_or(std::string())));
    // A piece may hold the line's own line end; it would only break the row in two.
    shown.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    shown_.insert(row, new QString(shown));
    return shown;
}

}  // namespace tarvel
