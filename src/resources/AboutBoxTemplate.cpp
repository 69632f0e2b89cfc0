#include "resources/Templates.h"
#include "resources/TemplateParts.h"

namespace tarvel::res {

const DialogTemplate& AboutBoxTemplate() {
    static const DialogTemplate about{
        100,
        QStringLiteral("About Tarvel"),
        QRect(0, 0, 273, 56),
        QStringLiteral("MS Sans Serif"),
        8,
        DialogStyle::Popup | DialogStyle::Caption | DialogStyle::SysMenu | DialogStyle::ModalFrame,
        0,
        {
            Control(kNoControlId, ControlKind::Icon, {}, QRect(11, 17, 18, 20)),
            Label(QStringLiteral("%1 Version 1.1").arg(QLatin1String(kProgramName)),
                  QRect(40, 10, 151, 8), S::NoPrefix),
            Label(QStringLiteral("An editor for the firmware-download catalog of SCSI devices."),
                  QRect(39, 21, 160, 21)),
            Control(1, ControlKind::DefPushButton, QStringLiteral("OK"), QRect(234, 7, 32, 14),
                    S::TabStop),
        },
    };
    return about;
}

}  // namespace tarvel::res
