#include "catalog/SelectRecordDlg.h"

#include <QListView>
#include <QPushButton>

#include "catalog/CatalogLines.h"
#include "catalog/CatalogState.h"
#include "catalog/RecordListModel.h"
#include "framework/MessageBoxes.h"
#include "resources/Templates.h"

namespace tarvel {

namespace {
constexpr int kRecordListId = 1032;
}

CSelectRecordDlg::CSelectRecordDlg(QWidget* parent)
    : TemplateDialog(res::SelectRecordTemplate(), parent) {
    m_cancelButton = control<QPushButton>(kResultCancel);
    m_okButton = control<QPushButton>(kResultOk);
    m_recordList = control<QListView>(kRecordListId);
    m_recordList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_recordList->setUniformItemSizes(true);  // a million lines lay out without measuring each
    // The first lines show at once; the rest are laid out in steps that leave the program
    // free to answer in between, so that a big catalog does not freeze the dialog.
    m_recordList->setLayoutMode(QListView::Batched);
    m_recordList->setBatchSize(50000);
}

void CSelectRecordDlg::doDataExchange(DataExchange&) {
    // The controls are attached in the constructor; nothing else is exchanged.
}

void CSelectRecordDlg::onInitDialog() {
    TemplateDialog::onInitDialog();
    const std::string& path = CurrentCatalogPath();
    CatalogLineIndex index = IndexCatalogLines(path);
    if (index.error) {
        ShowMessage(QStringLiteral("Error opening File!"), MessageIcon::Exclamation, this);
        return;
    }
    if (index.lines() == 0 || index.endsWithLineBreak) {
        onCancel();
        return;
    }
    auto* model = new RecordListModel(path, std::move(index), this);
    if (QAbstractItemModel* old = m_recordList->model(); old && old->parent() == this)
        old->deleteLater();
    m_recordList->setModel(model);
}

void CSelectRecordDlg::onOK() {
    const QModelIndex selected = m_recordList->selectionModel()
                                     ? m_recordList->selectionModel()->currentIndex()
                                     : QModelIndex();
    const bool isSelected = selected.isValid() && m_recordList->selectionModel()->isSelected(selected);
    m_chosenIndex = isSelected ? selected.row() : -1;
    // A catalog that was not written since it was listed is read at the line's offset.
    const auto* listed = qobject_cast<const RecordListModel*>(m_recordList->model());
    ChosenLine chosen = listed ? ReadChosenLine(CurrentCatalogPath(), m_chosenIndex, listed->lineIndex())
                               : ReadChosenLine(CurrentCatalogPath(), m_chosenIndex);
    if (chosen.error) {
        endDialog(kResultCancel);
        return;
    }
    if (chosen.readYieldedNothing)
        ShowMessage(QStringLiteral("Error, String Not Loaded!"), MessageIcon::Exclamation, this);
    if (!chosen.line.empty())
        m_chosenLine = std::move(chosen.line);
    TemplateDialog::onOK();
}

void CSelectRecordDlg::onCancel() {
    updateData(true);
    TemplateDialog::onCancel();
}

}  // namespace tarvel
