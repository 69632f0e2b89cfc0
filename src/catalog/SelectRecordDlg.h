#pragma once

#include <string>

#include "framework/TemplateDialog.h"

class QListView;
class QPushButton;

namespace tarvel {

/// Lists the lines of the current catalog, one list line per catalog line in file
/// order, and lets the user choose one. Ended with OK, it holds the chosen line.
class CSelectRecordDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CSelectRecordDlg(QWidget* parent = nullptr);

    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QListView* m_recordList = nullptr;
    /// The chosen catalog line with its line end; empty until a line is chosen.
    std::string m_chosenLine;
    /// The list position selected when OK was pressed, -1 for none.
    int m_chosenIndex = -1;

protected:
    void doDataExchange(DataExchange& exchange) override;
    /// Lists the catalog's lines; ends the dialog as cancelled when the catalog has no
    /// line, or when it ends with a line break.
    void onInitDialog() override;
    /// Reads the line at the selected position as the catalog stands now (the last line
    /// when none is selected), then ends with OK.
    void onOK() override;
    void onCancel() override;
};

}  // namespace tarvel
