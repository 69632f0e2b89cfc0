// The record commands of the form: Save Record, Edit Record, Add Record, and clearing
// the form.
#include <QComboBox>

#include "catalog/CatalogState.h"
#include "catalog/SelectRecordDlg.h"
#include "form/FormIds.h"
#include "form/TarvelView.h"
#include "modepages/ModePageList.h"

namespace tarvel {

namespace {

/// Selects the first item whose text begins with `prefix`, searching from the top.
void SelectItemStartingWith(QComboBox* box, const QString& prefix) {
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).startsWith(prefix, Qt::CaseInsensitive)) {
            box->setCurrentIndex(i);
            return;
        }
    }
}

}  // namespace

void CTarvelView::OnSaveRecord() {
    // A record is written only as the form shows it: after a limit message on typed
    // input, nothing is written until the text is shortened.
    if (!updateData(true))
        return;
    CatalogPathOrDefault();
    NextRecordNumber();
    updateData(false);
    // The number is worked out again under the catalog's lock, so that a record saved
    // meanwhile by another program cannot share it; the form then shows what was written.
    if (WriteCatalogRecord(kFileCommandSave, RecordNumbering::NextFree))
        updateData(false);
}

void CTarvelView::OnEditRecord() {
    CatalogPathOrDefault();
    CSelectRecordDlg select(this);
    if (select.runModal() != kResultOk)
        return;
    RecordLineBuffer() = select.m_chosenLine;
    ReadCatalogRecord();
}

void CTarvelView::OnAddRecord() {
    CatalogPathOrDefault();
    ClearForm();
    NextRecordNumber();  // "0001" for an empty catalog or one that cannot be opened
    updateData(false);
}

void CTarvelView::ClearForm() {
    for (QString* field : {&m_recordDate, &m_downloadFilename, &m_highFirmwareVersion,
                           &m_lowFirmwareVersion, &m_newFirmwareVersion, &m_product,
                           &m_recordNumber, &m_upgradeNotes, &m_vendor})
        field->clear();
    m_numberOfModePages = QStringLiteral("00");
    // The blank item of each list is the one that begins with two spaces.
    for (QComboBox* box : {m_adapterType, m_priority, m_downloadType})
        SelectItemStartingWith(box, QStringLiteral("  "));
    EmptyModePageList();
    updateData(false);
    update();
}

}  // namespace tarvel
