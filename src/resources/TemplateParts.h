#pragma once

// Shorthands for writing dialog templates as tables.

#include "framework/DialogTemplate.h"

namespace tarvel::res {

using S = ControlStyle;

inline ControlTemplate Control(int id, ControlKind kind, const QString& text, QRect rect,
                               ControlStyles styles = {}, QStringList items = {}) {
    return ControlTemplate{id, kind, text, rect, styles, std::move(items), {}, 0};
}

inline ControlTemplate Label(const QString& text, QRect rect, ControlStyles styles = {},
                             int id = kNoControlId) {
    return Control(id, ControlKind::Label, text, rect, styles);
}

}  // namespace tarvel::res
