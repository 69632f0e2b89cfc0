#include "form/TarvelView.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include "catalog/CatalogReader.h"
#include "catalog/CatalogState.h"
#include "catalog/CatalogWriter.h"
#include "catalog/RecordNumbering.h"
#include "form/CatalogText.h"
#include "form/FormIds.h"
#include "framework/CommandErrors.h"
#include "framework/MessageBoxes.h"
#include "modepages/ModePageList.h"
#include "resources/Templates.h"

namespace tarvel {

CTarvelView::CTarvelView(QWidget* parent) : TemplateForm(res::RecordFormTemplate(), parent) {
    m_saveRecordButton = control<QPushButton>(kSaveRecord);
    m_editRecordButton = control<QPushButton>(kEditRecord);
    m_addRecordButton = control<QPushButton>(kAddRecord);
    m_priority = control<QComboBox>(kPriority);
    m_downloadType = control<QComboBox>(kDownloadType);
    m_adapterType = control<QComboBox>(kAdapterType);

    m_numberOfModePages = QStringLiteral("00");
    CatalogPathOrDefault();
    NextRecordNumber();  // "0001" for an empty catalog or one that cannot be opened

    onClicked(kModePageData, [this] { OnModePageData(); });
    onClicked(kSaveRecord, [this] { OnSaveRecord(); });
    onClicked(kEditRecord, [this] { OnEditRecord(); });
    onClicked(kAddRecord, [this] { OnAddRecord(); });
    auto selectionChanged = [this](QComboBox* box, void (CTarvelView::*handler)()) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, handler] { (this->*handler)(); });
    };
    selectionChanged(m_adapterType, &CTarvelView::OnSelchangeAdapterType);
    selectionChanged(m_downloadType, &CTarvelView::OnSelchangeDownloadType);
    selectionChanged(m_priority, &CTarvelView::OnSelchangePriority);
}

CTarvelView::~CTarvelView() { EmptyModePageList(); }

void CTarvelView::OnInitialUpdate() { updateData(false); }

void CTarvelView::doDataExchange(DataExchange& dx) {
    dx.text(kDownloadFilename, m_downloadFilename);
    dx.text(kHighFirmwareVersion, m_highFirmwareVersion);
    dx.text(kLowFirmwareVersion, m_lowFirmwareVersion);
    dx.text(kNewFirmwareVersion, m_newFirmwareVersion);
    dx.text(kProduct, m_product);
    // The limits bound what a person types. A longer text that the program put there
    // itself (a number past 9999, notes loaded from a catalog) passes as it stands.
    constexpr auto typed = DataExchange::LimitScope::TypedText;
    dx.text(kRecordNumber, m_recordNumber, 4, typed);
    dx.text(kUpgradeNotes, m_upgradeNotes, 256, typed);
    dx.text(kVendor, m_vendor);
    dx.text(kNumberOfModePages, m_numberOfModePages, 2, typed);
    dx.text(kRecordDate, m_recordDate);
}

int CTarvelView::ItemCode(const QComboBox* box) { return box->currentIndex() + 1; }

void CTarvelView::SelectItemCode(QComboBox* box, int code) {
    box->setCurrentIndex(code >= 1 && code <= box->count() ? code - 1 : -1);
}

namespace {

/// The form's text members, each with the element of the record it holds.
const std::pair<Element, QString CTarvelView::*> kTextMembers[] = {
    {Element::RecordNumber, &CTarvelView::m_recordNumber},
    {Element::RecordDate, &CTarvelView::m_recordDate},
    {Element::Vendor, &CTarvelView::m_vendor},
    {Element::Product, &CTarvelView::m_product},
    {Element::LowFirmwareVersion, &CTarvelView::m_lowFirmwareVersion},
    {Element::HighFirmwareVersion, &CTarvelView::m_highFirmwareVersion},
    {Element::NewFirmwareVersion, &CTarvelView::m_newFirmwareVersion},
    {Element::DownloadFilename, &CTarvelView::m_downloadFilename},
    {Element::NumberOfModePages, &CTarvelView::m_numberOfModePages},
    {Element::UpgradeNotes, &CTarvelView::m_upgradeNotes},
};

}  // namespace

bool CTarvelView::WriteCatalogRecord(int mode, RecordNumbering numbering) {
    CatalogRecord record;
    for (const auto& [element, member] : kTextMembers) {
        if (element == Element::RecordDate)
            continue;  // the writer dates the record
        if (auto beyond = CharacterBeyondCatalog(this->*member)) {
            const std::string_view name = ElementName(element);
            ShowMessage(CharacterRefusal(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                                         *beyond),
                        MessageIcon::Exclamation, this);
            return false;
        }
        *TextOf(record, element) = ToCatalogBytes(this->*member);
    }
    record.scsiAdapterType = ItemCode(m_adapterType);
    record.downloadType = ItemCode(m_downloadType);
    record.priority = ItemCode(m_priority);

    const std::string& path = CurrentCatalogPath();
    const ModePageList& pages = ModePages().list;
    const std::string date = TodayCatalogDate();
    std::optional<CatalogError> error =
        numbering == RecordNumbering::NextFree
            ? AppendNumberedRecord(path, record, pages, date)
            : WriteCatalogRecordToFile(path, static_cast<WriteMode>(mode), record, pages, date);
    if (!pages.empty())
        ModePages().current = pages.entryAt(pages.last());
    if (error && error->kind == CatalogError::Kind::Layout) {
        ShowMessage(FromCatalogBytes(error->message), MessageIcon::Exclamation, this);
        return false;
    }
    // The number and date of a written record, and the number it was to get when the
    // write failed, are what the form shows afterwards.
    m_recordNumber = FromCatalogBytes(record.recordNumber);
    if (error)
        throw FileException(QFile::decodeName(error->message.c_str()),
                            QFile::decodeName(error->path.c_str()));
    m_recordDate = FromCatalogBytes(record.recordDate);
    return true;
}

void CTarvelView::ReadCatalogRecord() {
    ParsedLine parsed = ParseCatalogLine(RecordLineBuffer());
    const Element reached = parsed.reached;
    CatalogRecord line;
    ApplyParsedLine(std::move(parsed), line, ModePages());

    for (const auto& [element, member] : kTextMembers)
        if (reached >= element)
            this->*member = FromCatalogBytes(*TextOf(line, element));
    if (reached >= Element::ScsiAdapterType)
        SelectItemCode(m_adapterType, line.scsiAdapterType);
    if (reached >= Element::DownloadType)
        SelectItemCode(m_downloadType, line.downloadType);
    if (reached >= Element::Priority)
        SelectItemCode(m_priority, line.priority);

    updateData(false);
    update();
}

long long CTarvelView::CountCatalogLines() {
    LastCatalogLine last = ReadLastCatalogLine(CurrentCatalogPath());
    if (last.error) {
        ShowMessage(QStringLiteral("Error opening File!"), MessageIcon::Exclamation, this);
        return 0;
    }
    if (!last.hasLines)
        return 0;
    RecordLineBuffer() = std::move(last.lastLine);
    return 1;
}

QString CTarvelView::NextRecordNumber() {
    long long lines = CountCatalogLines();
    m_recordNumber = FromCatalogBytes(FormatRecordNumber(NextNumberAfter(lines, RecordLineBuffer())));
    return m_recordNumber;
}

void CTarvelView::OnSelchangeAdapterType() { update(); }
void CTarvelView::OnSelchangeDownloadType() { update(); }
void CTarvelView::OnSelchangePriority() { update(); }

}  // namespace tarvel
