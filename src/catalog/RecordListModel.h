#pragma once

#include <QAbstractListModel>
#include <QCache>

#include <string>

#include "catalog/CatalogLines.h"

namespace tarvel {

/// The lines of a catalog as the Select Record list shows them. It holds only where
/// each line starts; a line is read and formatted when the list shows it.
class RecordListModel : public QAbstractListModel {
    Q_OBJECT
public:
    /// A list over the lines of `index`, which was read from the catalog at `path`.
    RecordListModel(std::string path, CatalogLineIndex index, QObject* parent = nullptr);

    /// As QAbstractListModel's, without asking the model for its size twice: a list view
    /// asks for the index of every row when it lays out.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// The list line of row `row`, as shown.
    QString listLine(int row) const;
    /// The line index the list was made from.
    const CatalogLineIndex& lineIndex() const { return index_; }

private:
    std::string path_;
    CatalogLineIndex index_;
    /// Lines already shown, so that scrolling back does not read them again.
    mutable QCache<int, QString> shown_;
};

}  // namespace tarvel
