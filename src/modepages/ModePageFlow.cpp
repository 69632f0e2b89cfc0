// The way from the form's Mode Page Data button into adding or editing mode pages.
#include "catalog/CatalogRecord.h"
#include "form/CatalogText.h"
#include "form/TarvelView.h"
#include "framework/MessageBoxes.h"
#include "modepages/ModePageChoiceDlg.h"
#include "modepages/ModePageList.h"
#include "modepages/ModeSelectDlg.h"

namespace tarvel {

namespace {
/// Number of Mode Pages has room for two digits.
constexpr int kMostModePages = 99;
}  // namespace

void CTarvelView::OnModePageData() {
    ModePageState& pages = ModePages();
    if (m_numberOfModePages == QLatin1String("00")) {
        pages.count = 0;
        AddNewModePage();
    } else {
        CModePageChoiceDlg choice;
        const int result = choice.runModal();
        const auto count = static_cast<std::int32_t>(NumberValue(ToCatalogBytes(m_numberOfModePages)));
        if (result == CModePageChoiceDlg::kAddNewModePage) {
            pages.count = count;
            AddNewModePage();
        } else if (result == CModePageChoiceDlg::kEditExistingModePage) {
            pages.editExisting = 1;
            pages.count = count;
        }
    }
    if (pages.editExisting)
        EditExistingModePages();
}

void CTarvelView::AddNewModePage() {
    ModePageState& pages = ModePages();
    const int before = pages.count;
    if (before >= kMostModePages) {
        ShowMessage(QStringLiteral("A record holds at most %1 mode pages.").arg(kMostModePages),
                    MessageIcon::Exclamation, this);
        return;
    }
    pages.addNew = 1;
    updateData(true);  // the add path goes on whatever the exchange reports
    CModeSelectDlg dialog;
    if (dialog.runModal() == kResultOk) {
        auto entry = NewModePageEntry();
        pages.current = entry.get();
        for (int slot = 0; slot < kSlotCount; ++slot)
            SetSlotText(*entry, slot, ToCatalogBytes(dialog.SlotMember(slot)));
        AppendModePage(std::move(entry));
        m_numberOfModePages = QStringLiteral("%1").arg(before + 1, 2, 10, QLatin1Char('0'));
    }
    pages.addNew = 0;
    updateData(false);
    update();
}

void CTarvelView::EditExistingModePages() {
    ModePageState& pages = ModePages();
    if (pages.list.empty()) {
        // A line whose page count disagrees with its pages can leave none to edit.
        pages.editExisting = 0;
        return;
    }
    pages.current = pages.list.entryAt(pages.list.first());
    CModeSelectDlg dialog;
    dialog.runModal();
    pages.editExisting = 0;
}

}  // namespace tarvel
