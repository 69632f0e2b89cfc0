#include "modepages/ModePageChoiceDlg.h"

#include <QPushButton>

#include "resources/Templates.h"

namespace tarvel {

namespace {
constexpr int kEditButtonId = 1030;
constexpr int kAddButtonId = 1031;
}  // namespace

CModePageChoiceDlg::CModePageChoiceDlg(QWidget* parent)
    : TemplateDialog(res::ModePageChoiceTemplate(), parent) {
    m_editButton = control<QPushButton>(kEditButtonId);
    m_addButton = control<QPushButton>(kAddButtonId);
    onClicked(kEditButtonId, [this] { OnEditExisting(); });
    onClicked(kAddButtonId, [this] { OnAddNew(); });
}

void CModePageChoiceDlg::OnEditExisting() { endDialog(kEditExistingModePage); }

void CModePageChoiceDlg::OnAddNew() {
    if (updateData(true))
        endDialog(kAddNewModePage);
}

}  // namespace tarvel
