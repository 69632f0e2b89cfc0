#include "modepages/ModeSelectDlg.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "form/CatalogText.h"
#include "framework/MessageBoxes.h"
#include "framework/SpinControl.h"
#include "resources/Templates.h"

namespace tarvel {

namespace {

constexpr int kSpinId = 1033;
constexpr int kBuddyId = 1034;
constexpr int kSpBitId = 1473;

/// Refuses characters that 8-bit catalog text cannot hold, as they are typed or pasted.
class CatalogTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return CharacterBeyondCatalog(input) ? Invalid : Acceptable;
    }
};

/// Slots of the page data in the order the dialog exchanges them.
constexpr int kPageDataOrder[32] = {0x00, 0x01, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12,
                                    0x13, 0x02, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C,
                                    0x1D, 0x03, 0x1E, 0x1F, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09};

}  // namespace

CModeSelectDlg::CModeSelectDlg(QWidget* parent) : TemplateDialog(res::ModeSelectTemplate(), parent) {
    m_spin = control<SpinControl>(kSpinId);
    m_okButton = control<QPushButton>(kResultOk);
    m_cancelButton = control<QPushButton>(kResultCancel);
    m_pageNumber = QStringLiteral("00");
    m_header.fill(QStringLiteral("XX"));
    m_blockDescriptor.fill(QStringLiteral("XX"));
    m_pageData.fill(QStringLiteral("XX"));
    auto* validator = new CatalogTextValidator(this);
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (auto* field = control<QLineEdit>(res::ModeSelectFieldId(slot)))
            field->setValidator(validator);
    if (m_spin)
        m_spin->setStepRequest([this](int delta) { return OnDeltaposSpin(delta); });
}

QString& CModeSelectDlg::SlotMember(int slot) {
    if (slot == 0)
        return m_pageNumber;
    if (slot < kBlockDescriptorSlot)
        return m_header[static_cast<std::size_t>(slot - kHeaderSlot)];
    if (slot < kPageDataSlot)
        return m_blockDescriptor[static_cast<std::size_t>(slot - kBlockDescriptorSlot)];
    return m_pageData[static_cast<std::size_t>(slot - kPageDataSlot)];
}

void CModeSelectDlg::doDataExchange(DataExchange& dx) {
    auto field = [&](int slot) { dx.text(res::ModeSelectFieldId(slot), SlotMember(slot), 2); };
    for (int i = 0; i < 8; ++i)
        field(kBlockDescriptorSlot + i);
    dx.check(kSpBitId, m_spBit);
    for (int i = 0; i < 4; ++i)
        field(kHeaderSlot + i);
    for (int byte : kPageDataOrder)
        field(kPageDataSlot + byte);
    field(0);
    dx.integer(kBuddyId, m_spinValue);
}

void CModeSelectDlg::ShowSpin() { SetSpinVisible(true); }

void CModeSelectDlg::HideSpin() { SetSpinVisible(false); }

void CModeSelectDlg::SetSpinVisible(bool visible) {
    for (auto [id, error] : {std::pair{kSpinId, "Error finding Spin Control"},
                             std::pair{kBuddyId, "Error finding Edit Control"}}) {
        if (QWidget* widget = control(id)) {
            widget->setVisible(visible);
        } else {
            m_errorText = QString::fromLatin1(error);
            ShowMessage(m_errorText, MessageIcon::Exclamation, this);
        }
    }
}

void CModeSelectDlg::LoadPage() {
    if (const ModePageEntry* entry = ModePages().current)
        for (int slot = 0; slot < kSlotCount; ++slot)
            SlotMember(slot) = FromCatalogBytes(SlotText(*entry, slot));
    updateData(false);
}

bool CModeSelectDlg::StorePage() {
    // What the exchange got is stored even when it stopped at a field that is too long.
    const bool exchanged = updateData(true);
    if (ModePageEntry* entry = ModePages().current)
        for (int slot = 0; slot < kSlotCount; ++slot)
            SetSlotText(*entry, slot, ToCatalogBytes(SlotMember(slot)));
    updateData(false);
    return exchanged;
}

int CModeSelectDlg::PageCount() const { return static_cast<int>(ModePages().list.size()); }

void CModeSelectDlg::onInitDialog() {
    TemplateDialog::onInitDialog();
    ModePageState& pages = ModePages();
    m_spinShown = 0;
    if (pages.editExisting) {
        m_pageIndex = 1;
        m_pagePos = pages.list.first();
        pages.current = pages.list.entryAt(m_pagePos);
        if (PageCount() > 1) {
            m_spinShown = 1;
            ShowSpin();
        } else {
            m_spinShown = 0;
            HideSpin();
        }
        LoadPage();
    }
    const int count = pages.editExisting ? PageCount() : pages.count;
    if (count > 1 && m_spin) {
        m_spin->setRange(1, count);
        m_spin->setPosition(1);
    }
    if (pages.addNew && m_spinShown != 1) {
        m_spinShown = 0;
        HideSpin();
    }
    if (QWidget* first = control(res::ModeSelectFieldId(0)))
        first->setFocus();
}

bool CModeSelectDlg::OnDeltaposSpin(int delta) {
    ModePageState& pages = ModePages();
    const int count = PageCount();
    if (!pages.editExisting || count == 0)
        return false;
    StorePage();
    const ModePageList& list = pages.list;
    if (delta < 0) {
        if (m_pageIndex <= 1) {
            m_pageIndex = count;
            m_pagePos = list.last();
        } else {
            --m_pageIndex;
            m_pagePos = list.previous(m_pagePos);
        }
    } else if (m_pageIndex >= count) {
        m_pageIndex = 1;
        m_pagePos = list.first();
    } else {
        ++m_pageIndex;
        m_pagePos = list.next(m_pagePos);
    }
    pages.current = list.entryAt(m_pagePos);
    LoadPage();
    updateData(false);
    update();
    return true;
}

void CModeSelectDlg::onOK() {
    ModePageState& pages = ModePages();
    // A field that is too long keeps the dialog open (its message shown once), still on
    // its path, so that stepping and a later OK go on storing pages.
    if (pages.editExisting && !StorePage())
        return;
    if (!updateData(true))
        return;
    pages.editExisting = 0;
    pages.addNew = 0;
    endDialog(kResultOk);
}

void CModeSelectDlg::onCancel() {
    ModePages().editExisting = 0;
    ModePages().addNew = 0;
    TemplateDialog::onCancel();
}

void CModeSelectDlg::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

}  // namespace tarvel
