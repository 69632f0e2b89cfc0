#include "resources/Templates.h"
#include "resources/TemplateParts.h"

namespace tarvel::res {

const DialogTemplate& ModePageChoiceTemplate() {
    static const DialogTemplate choice{
        136,
        {},
        QRect(0, 0, 151, 94),
        QStringLiteral("MS Sans Serif"),
        8,
        DialogStyle::Popup | DialogStyle::Caption | DialogStyle::ModalFrame |
            DialogStyle::CenterMouse,
        0,
        {
            Control(1030, ControlKind::DefPushButton, QStringLiteral("Edit Existing Mode Page"),
                    QRect(32, 9, 88, 21), S::TabStop),
            Control(2, ControlKind::PushButton, QStringLiteral("Cancel"), QRect(64, 70, 27, 14),
                    S::TabStop),
            Control(1031, ControlKind::DefPushButton, QStringLiteral("Add a NEW Mode Page"),
                    QRect(32, 41, 88, 21), S::TabStop),
        },
    };
    return choice;
}

}  // namespace tarvel::res
