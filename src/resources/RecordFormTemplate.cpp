#include "resources/Templates.h"
#include "resources/TemplateParts.h"

namespace tarvel::res {
namespace {

const ControlStyles kField = S::Border | S::TabStop | S::AutoHScroll;

ControlTemplate Edit(int id, QRect rect, ControlStyles styles = kField) {
    return Control(id, ControlKind::Edit, {}, rect, styles);
}

ControlTemplate Button(int id, const QString& text, QRect rect, ControlStyles styles = S::TabStop) {
    return Control(id, ControlKind::PushButton, text, rect, styles);
}

}  // namespace

const DialogTemplate& RecordFormTemplate() {
    const ControlStyles choice = S::VScroll | S::TabStop;
    const ControlStyles heading = S::Centered | S::Transparent;
    static const DialogTemplate form{
        101,
        {},
        QRect(0, 0, 310, 181),
        QStringLiteral("Times New Roman"),
        11,
        DialogStyle::Child | DialogStyle::ThinBorder | DialogStyle::ClientEdge,
        0,
        {
            Edit(1000, QRect(15, 10, 34, 13), S::Border | S::TabStop | S::Centered),
            Edit(1004, QRect(15, 29, 48, 13)),
            Edit(1006, QRect(15, 48, 48, 13)),
            Edit(1008, QRect(15, 75, 26, 12)),
            Edit(1010, QRect(15, 92, 26, 13)),
            Edit(1019, QRect(15, 110, 26, 13)),
            Edit(1021, QRect(15, 128, 42, 13)),
            Control(1014, ControlKind::ComboDropDownList, {}, QRect(146, 15, 72, 64), choice,
                    {QStringLiteral("Adaptec"), QStringLiteral("AMI NETRAID"), QStringLiteral("Mylex"),
                     QStringLiteral("Symbios"), QStringLiteral("Other"), QStringLiteral("        ")}),
            Control(1015, ControlKind::ComboDropDown, {}, QRect(146, 38, 72, 73), choice,
                    {QStringLiteral("Seagate"), QStringLiteral("Seagate Multi-Chunk"),
                     QStringLiteral("Quantum"), QStringLiteral("Quantum Multi-Chunk"),
                     QStringLiteral("IBM"), QStringLiteral("IBM Multi-Chunk"),
                     QStringLiteral("         ")}),
            Control(1016, ControlKind::ComboDropDown, {}, QRect(146, 61, 72, 32), choice,
                    {QStringLiteral("Manditory"), QStringLiteral("Optional"),
                     QStringLiteral("        ")}),
            Edit(1023, QRect(144, 92, 146, 47), S::MultiLine | S::Border | S::TabStop),
            Button(1017, QStringLiteral("Mode Page Data"), QRect(240, 32, 56, 38),
                   S::TabStop | S::VCenter),
            Button(1028, QStringLiteral("Save Record"), QRect(26, 152, 43, 14)),
            Button(1030, QStringLiteral("Edit Record"), QRect(141, 152, 40, 14)),
            Button(1027, QStringLiteral("Add Record"), QRect(253, 152, 41, 14)),
            Edit(1002, QRect(244, 56, 48, 13), S::Border | S::AutoHScroll | S::Hidden),
            Control(kNoControlId, ControlKind::GroupBox, {}, QRect(11, 3, 109, 62)),
            Label(QStringLiteral("Record Number"), QRect(51, 13, 49, 8), {}, 1001),
            Edit(1012, QRect(238, 11, 22, 12), S::ReadOnly | S::Centered),
            Label(QStringLiteral("Vendor"), QRect(68, 30, 23, 8), {}, 1003),
            Label(QStringLiteral("Product"), QRect(68, 48, 24, 8), {}, 1007),
            Label(QStringLiteral("High Firmware Version"), QRect(43, 94, 72, 11), {}, 1009),
            Label(QStringLiteral("Low Firmware Version"), QRect(43, 77, 72, 11), {}, 1011),
            Label(QStringLiteral("Number of Mode Pages"), QRect(252, 8, 44, 16), S::Centered, 1013),
            Label(QStringLiteral("New Firmware Version"), QRect(43, 112, 72, 11), {}, 1018),
            Label(QStringLiteral("Download Filename"), QRect(60, 131, 60, 8), {}, 1020),
            Label(QStringLiteral("SCSI Adapter Type"), QRect(154, 6, 56, 8), heading, 1022),
            Label(QStringLiteral("Download Type"), QRect(159, 28, 45, 8), heading, 1024),
            Label(QStringLiteral("Priority"), QRect(170, 51, 21, 9), heading, 1025),
            Control(kNoControlId, ControlKind::GroupBox, {}, QRect(11, 70, 109, 75)),
            Control(1029, ControlKind::GroupBox, QStringLiteral("Upgrade Notes"),
                    QRect(140, 83, 155, 62)),
        },
    };
    return form;
}

}  // namespace tarvel::res
