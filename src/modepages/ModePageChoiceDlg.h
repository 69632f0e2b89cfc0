#pragma once

#include "framework/TemplateDialog.h"

class QPushButton;

namespace tarvel {

/// Asks whether to edit the record's existing mode pages or to add a new one. Its run
/// returns kAddNewModePage, kEditExistingModePage or 2 (cancelled).
class CModePageChoiceDlg : public TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kAddNewModePage = 1;
    static constexpr int kEditExistingModePage = 3;

    explicit CModePageChoiceDlg(QWidget* parent = nullptr);

    QPushButton* m_editButton = nullptr;
    QPushButton* m_addButton = nullptr;

private:
    void OnEditExisting();
    void OnAddNew();
};

}  // namespace tarvel
