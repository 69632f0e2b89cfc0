#pragma once

#include <QString>

#include "framework/TemplateForm.h"

class QComboBox;
class QPushButton;

namespace tarvel {

/// The settings of the next file dialog, kept by the form between file commands.
struct FileDialogSettings {
    int OFN_READONLY = 0;
    int OFN_HIDEREADONLY = 0;
    int OFN_FILEMUSTEXIST = 0;
    int OFN_SHAREAWARE = 0;
    int OFN_OVERWRITEPROMPT = 0;
    int OFN_EXTENSIONDIFFERENT = 0;
    int OFN_ALLOWMULTISELECT = 0;
    int OFN_NOCHANGEDIR = 0;
    int OFN_NONETWORKBUTTON = 0;
    int OFN_NOREADONLYRETURN = 0;
    int OFN_NOTESTFILECREATE = 0;
    int OFN_PATHMUSTEXIST = 0;
    int OFN_NOVALIDATE = 0;
    /// 0 for an open-file dialog, any other value for a save-file dialog.
    int kind = 0;
    QString filter;
    QString defaultFileName;
    QString initialFolder;
    QString title;
    QString defaultExtension;
};

/// How WriteCatalogRecord numbers the record it appends.
enum class RecordNumbering {
    AsOnForm,  ///< the Record Number the form holds
    NextFree,  ///< the number after the catalog's last line, worked out under the lock
};

/// The record form: the one editing surface, filling the main window. Its members are
/// the record on the form; its pages live in the program-wide mode page list.
class CTarvelView : public TemplateForm {
    Q_OBJECT
public:
    /// Builds the form, sets the default catalog path when none is set, and numbers the
    /// record after the catalog's last line ("0001" for an empty catalog).
    explicit CTarvelView(QWidget* parent = nullptr);
    /// Frees the pages of the mode page list.
    ~CTarvelView() override;

    /// Shows the members in the controls; the frame calls it once the form is in place.
    void OnInitialUpdate();

    /// Writes the record on the form into the current catalog: mode 4 appends it, mode 3
    /// makes it the file's only record. Text that a catalog cannot hold is refused with
    /// a message naming the field, before anything is written; a file error is thrown
    /// as a FileException. Returns whether the record was written.
    bool WriteCatalogRecord(int mode, RecordNumbering numbering = RecordNumbering::AsOnForm);
    /// Loads the line in the record line buffer into the form and the mode page list, as
    /// far as the line reaches, then shows the members and repaints.
    void ReadCatalogRecord();
    /// Whether the current catalog has a line, read from the end of the file: 0 when it
    /// has none, and 0 (after "Error opening File!") when it cannot be opened; 1 or more
    /// when it has one, which then leaves its last line in the record line buffer. Not
    /// the number of lines: callers only compare it with 1. Creates a missing catalog.
    long long CountCatalogLines();
    /// Sets Record Number to the number after the catalog's last line ("0001" when it
    /// has none or cannot be opened) and returns it.
    QString NextRecordNumber();

    // Record commands.
    void OnSaveRecord();
    void OnEditRecord();
    void OnAddRecord();
    void ClearForm();

    // Mode page flow.
    void OnModePageData();
    void AddNewModePage();
    void EditExistingModePages();

    // File commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void PrepareFileDialog(int fileCommand);
    void RunFileDialog();

    /// Item code of a combo box: the selected item's position from 1, 0 for none.
    static int ItemCode(const QComboBox* box);
    /// Selects item `code` (from 1) of a combo box; any other code selects none.
    static void SelectItemCode(QComboBox* box, int code);

    // Controls attached by the exchange.
    QPushButton* m_saveRecordButton = nullptr;
    QPushButton* m_editRecordButton = nullptr;
    QPushButton* m_addRecordButton = nullptr;
    QComboBox* m_priority = nullptr;
    QComboBox* m_downloadType = nullptr;
    QComboBox* m_adapterType = nullptr;

    // The record's text fields.
    QString m_downloadFilename;
    QString m_highFirmwareVersion;
    QString m_lowFirmwareVersion;
    QString m_newFirmwareVersion;
    QString m_product;
    QString m_recordNumber;
    QString m_upgradeNotes;
    QString m_vendor;
    QString m_numberOfModePages;
    QString m_recordDate;

    FileDialogSettings m_fileDialog;

protected:
    void doDataExchange(DataExchange& exchange) override;

private:
    void OnSelchangeAdapterType();
    void OnSelchangeDownloadType();
    void OnSelchangePriority();
};

}  // namespace tarvel
