// The File menu's New, Open, Save and Save As, handled by the record form.
#include <QFile>

#include "catalog/CatalogState.h"
#include "catalog/SelectRecordDlg.h"
#include "form/FormIds.h"
#include "form/TarvelView.h"
#include "framework/FileDialogs.h"

namespace tarvel {

namespace {

/// The file dialog that the settings describe, as far as Qt's dialog can show it.
FileDialogRequest RequestFrom(const FileDialogSettings& s) {
    FileDialogRequest request;
    request.save = s.kind != 0;
    request.title = s.title;
    request.initialFolder = s.initialFolder;
    request.defaultName = s.defaultFileName;
    request.defaultSuffix = s.defaultExtension.startsWith(QLatin1Char('.'))
                                ? s.defaultExtension.mid(1)
                                : s.defaultExtension;
    request.nameFilters = NameFiltersFromPairs(s.filter);
    request.fileMustExist = s.OFN_FILEMUSTEXIST != 0;
    request.pathMustExist = s.OFN_PATHMUSTEXIST != 0;
    request.overwritePrompt = s.OFN_OVERWRITEPROMPT != 0;
    request.refuseReadOnly = s.OFN_NOREADONLYRETURN != 0;
    request.multiSelect = s.OFN_ALLOWMULTISELECT != 0;
    // Qt's file dialog has no read-only check box to select (OFN_READONLY) or hide
    // (OFN_HIDEREADONLY), no sharing check to skip (OFN_SHAREAWARE), no network button
    // (OFN_NONETWORKBUTTON), never changes the current folder (OFN_NOCHANGEDIR), never
    // test-creates the file (OFN_NOTESTFILECREATE), does not refuse characters in names
    // (OFN_NOVALIDATE), and OFN_EXTENSIONDIFFERENT only reports on the dialog's result.
    return request;
}

}  // namespace

void CTarvelView::PrepareFileDialog(int fileCommand) {
    FileDialogSettings& s = m_fileDialog;
    switch (fileCommand) {
    case kFileCommandNew:
        s.title = QStringLiteral("Open NEW FILE");
        s.kind = 0;
        s.defaultFileName.clear();
        s.OFN_OVERWRITEPROMPT = 1;
        s.OFN_FILEMUSTEXIST = 0;
        s.OFN_PATHMUSTEXIST = 1;
        s.OFN_NOREADONLYRETURN = 1;
        break;
    case kFileCommandOpen:
        s.title = QStringLiteral("OPEN FILE");
        s.kind = 0;
        s.defaultFileName.clear();
        s.OFN_FILEMUSTEXIST = 1;
        s.OFN_PATHMUSTEXIST = 1;
        s.OFN_NOREADONLYRETURN = 1;
        break;
    case kFileCommandSaveAs:
    case kFileCommandSave:
        s.title = fileCommand == kFileCommandSave ? QStringLiteral("SAVE FILE")
                                                  : QStringLiteral("SAVE FILE AS");
        s.kind = 1;
        s.defaultFileName = QStringLiteral("Catalog");
        s.OFN_OVERWRITEPROMPT = 1;
        s.OFN_EXTENSIONDIFFERENT = 1;
        break;
    default:
        break;
    }
    s.OFN_HIDEREADONLY = 1;
    s.OFN_READONLY = 0;
    s.OFN_ALLOWMULTISELECT = 0;
    s.OFN_NOCHANGEDIR = 0;
    s.OFN_NONETWORKBUTTON = 0;
    s.OFN_NOTESTFILECREATE = 0;
    s.OFN_NOVALIDATE = 0;
    s.filter = QStringLiteral("Tarvel Files (*.dat)|*.dat|All Files (*.*)|*.*||");
    CurrentCatalogPath().clear();
    s.initialFolder.clear();
    s.defaultExtension = QStringLiteral(".dat");
}

void CTarvelView::RunFileDialog() {
    if (!updateData(true))
        return;
    std::optional<QString> chosen = FileDialogsInUse().choose(this, RequestFrom(m_fileDialog));
    if (chosen) {
        QByteArray path = QFile::encodeName(*chosen);
        CurrentCatalogPath().assign(path.constData(), static_cast<std::size_t>(path.size()));
        updateData(false);
    } else {
        updateData(true);
    }
}

void CTarvelView::OnFileNew() {
    PrepareFileDialog(kFileCommandNew);
    RunFileDialog();
    CSelectRecordDlg select(this);
    select.runModal();  // lists the file (creating it when missing); its choice is not used
    ClearForm();
    m_recordNumber = QStringLiteral("0001");
    updateData(false);
}

void CTarvelView::OnFileOpen() {
    PrepareFileDialog(kFileCommandOpen);
    RunFileDialog();
    CSelectRecordDlg select(this);
    if (select.runModal() != kResultOk)
        return;
    RecordLineBuffer() = select.m_chosenLine;
    ReadCatalogRecord();
}

void CTarvelView::OnFileSave() {
    PrepareFileDialog(kFileCommandSave);
    RunFileDialog();
    WriteCatalogRecord(kFileCommandSave);
}

void CTarvelView::OnFileSaveAs() {
    PrepareFileDialog(kFileCommandSaveAs);
    RunFileDialog();
    WriteCatalogRecord(kFileCommandSaveAs);
}

}  // namespace tarvel
