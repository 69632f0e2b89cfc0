#pragma once

#include <QString>

#include <array>

#include "framework/TemplateDialog.h"
#include "modepages/ModePageList.h"

class QPushButton;

namespace tarvel {

class SpinControl;

/// The Mode Select Data dialog: one mode page as 45 byte fields. Opened to add a page,
/// it shows the initial texts and leaves them in its members for the opener; opened to
/// edit, it shows the record's pages one at a time, stepping with its spin control and
/// storing each page it leaves, and the page on display at OK.
class CModeSelectDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CModeSelectDlg(QWidget* parent = nullptr);

    /// The field text of slot `slot` (0 page number, 1-4 header, 5-12 block descriptor,
    /// 13-44 page data).
    QString& SlotMember(int slot);

    void ShowSpin();
    void HideSpin();
    /// Shows the current mode page entry in the fields.
    void LoadPage();
    /// Writes the fields into the current mode page entry, as far as the exchange got
    /// when a field is too long; returns whether the exchange succeeded.
    bool StorePage();

    QString m_pageNumber;
    std::array<QString, 4> m_header;
    std::array<QString, 8> m_blockDescriptor;
    std::array<QString, 32> m_pageData;
    int m_spBit = 1;
    int m_spinValue = 1;
    SpinControl* m_spin = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    int m_pageIndex = 0;
    ModePageList::Position m_pagePos{};
    QString m_errorText;
    int m_spinShown = 0;

protected:
    void doDataExchange(DataExchange& exchange) override;
    void onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    /// The spin control asks before each step; moves to the next or previous page.
    bool OnDeltaposSpin(int delta);
    /// Shows or hides the spin control and its buddy, saying which one is missing.
    void SetSpinVisible(bool visible);
    /// Pages the edit path steps through: the entries of the list.
    int PageCount() const;
};

}  // namespace tarvel
