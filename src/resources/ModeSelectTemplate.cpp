#include "resources/Templates.h"
#include "resources/TemplateParts.h"

#include <array>
#include <initializer_list>

namespace tarvel::res {
namespace {

// One row of byte fields: the id of its first field, its y, and each field's x.
struct FieldRow {
    int firstId;
    int y;
    std::initializer_list<int> xs;
};

const std::array<FieldRow, 5> kFieldRows = {{
    {1504, 9, {84}},                                        // Mode Page Number
    {1505, 23, {84, 107, 130, 153}},                        // Header 0-3
    {1509, 37, {84, 107, 130, 153, 175, 197, 219, 242}},    // Block Descriptor 0-7
    {1517, 79, {14, 37, 60, 83, 105, 127, 149, 172, 196, 219, 242, 265, 287, 309, 331, 354}},
    {1533, 105, {14, 38, 60, 84, 106, 128, 150, 172, 196, 220, 242, 266, 288, 310, 332, 354}},
}};

constexpr int kFieldWidth = 14;
constexpr int kFieldHeight = 12;

ControlTemplate ColumnLabels(QRect rect, const QStringList& texts, const FieldRow& row) {
    ControlTemplate labels = Label({}, rect);
    labels.items = texts;
    labels.text = labels.items.join(QChar(u' '));
    labels.columns.assign(row.xs.begin(), row.xs.end());
    labels.columnWidth = kFieldWidth;
    return labels;
}

DialogTemplate Build() {
    DialogTemplate dialog{
        212,
        QStringLiteral("Mode Select Data "),
        QRect(0, 0, 386, 153),
        QStringLiteral("MS Sans Serif"),
        8,
        DialogStyle::Popup | DialogStyle::Caption | DialogStyle::ModalFrame | DialogStyle::Center,
        0,
        {},
    };
    auto& controls = dialog.controls;
    for (const FieldRow& row : kFieldRows) {
        int id = row.firstId;
        for (int x : row.xs)
            controls.push_back(Control(id++, ControlKind::Edit, {},
                                       QRect(x, row.y, kFieldWidth, kFieldHeight),
                                       S::Border | S::AutoHScroll | S::TabStop));
    }
    controls.push_back(Control(1, ControlKind::DefPushButton, QStringLiteral("OK"),
                               QRect(7, 132, 50, 14), S::TabStop));
    controls.push_back(Control(1034, ControlKind::Edit, {}, QRect(190, 140, 15, 10),
                               S::ReadOnly | S::Centered | S::Border | S::TabStop));
    controls.push_back(Control(1033, ControlKind::Spin, {}, QRect(170, 130, 55, 10),
                               S::TabStop | S::AutoBuddy | S::SetBuddyInt | S::ArrowKeys |
                                   S::Wrap | S::Horizontal));
    controls.push_back(Control(2, ControlKind::PushButton, QStringLiteral("Cancel"),
                               QRect(328, 132, 50, 14), S::TabStop));
    controls.push_back(Control(1473, ControlKind::CheckBox, QStringLiteral("Set SP bit"),
                               QRect(322, 11, 51, 11), S::Hidden | S::Disabled));
    controls.push_back(Label(QStringLiteral("Mode Page Number ="), QRect(9, 12, 70, 10)));
    controls.push_back(Label(QStringLiteral("Header ="), QRect(50, 27, 31, 10)));
    controls.push_back(Label(QStringLiteral("Block Descriptor ="), QRect(21, 39, 60, 10)));
    controls.push_back(Label(QStringLiteral("Page Data:"), QRect(9, 57, 39, 10)));
    controls.push_back(ColumnLabels(
        QRect(16, 68, 355, 8),
        QString("0 1 2 3 4 5 6 7 8 9 0A 0B 0C 0D 0E 0F").split(QChar(u' ')), kFieldRows[3]));
    controls.push_back(ColumnLabels(
        QRect(16, 95, 349, 8),
        QString("10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F").split(QChar(u' ')),
        kFieldRows[4]));
    return dialog;
}

}  // namespace

const DialogTemplate& ModeSelectTemplate() {
    static const DialogTemplate dialog = Build();
    return dialog;
}

}  // namespace tarvel::res
