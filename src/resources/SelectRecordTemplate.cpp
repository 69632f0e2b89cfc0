#include "resources/ResourceIds.h"
#include "resources/Templates.h"
#include "resources/TemplateParts.h"

namespace tarvel::res {

const DialogTemplate& SelectRecordTemplate() {
    static const DialogTemplate select{
        138,
        QStringLiteral("Select Record"),
        QRect(10, 20, 205, 109),
        QStringLiteral("Times New Roman"),
        10,
        DialogStyle::Popup | DialogStyle::Caption | DialogStyle::SysMenu |
            DialogStyle::ContextHelp | DialogStyle::ModalFrame | DialogStyle::Center |
            DialogStyle::Look3D,
        kMainFrame,
        {
            Control(1, ControlKind::DefPushButton, QStringLiteral("OK"), QRect(45, 85, 50, 14),
                    S::TabStop),
            Control(2, ControlKind::PushButton, QStringLiteral("Cancel"), QRect(110, 85, 50, 14),
                    S::TabStop),
            Control(1032, ControlKind::ListBox, {}, QRect(15, 10, 172, 65),
                    S::Notify | S::VScroll | S::Border | S::TabStop | S::NoIntegralHeight),
        },
    };
    return select;
}

}  // namespace tarvel::res
