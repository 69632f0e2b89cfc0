#pragma once

#include "framework/DialogTemplate.h"
#include "framework/DialogUnits.h"

#include <QSize>
#include <QWidget>

namespace tarvel {

/// The object name of the control with `id`, such as "control1004".
QString ControlName(int id);

/// The object name of a control without an id: "static" and its place in the template.
QString StaticControlName(int index);

/// The control with `id` among the descendants of `parent`, or null.
template <class T = QWidget>
T* FindControl(const QWidget* parent, int id) {
    return parent ? parent->findChild<T*>(ControlName(id)) : nullptr;
}

/// What building a template produced.
struct BuiltTemplate {
    QFont font;          ///< the template's font, as mapped to this system
    DialogUnits units;   ///< pixels per dialog unit of that font
    QSize clientSize;    ///< the template's size in pixels
};

/// Creates the controls of `tmpl` as children of `parent` at their places, gives
/// `parent` the template's font, names each control (ControlName, StaticControlName),
/// and chains the tab order in template order. Combo boxes get their items and no
/// selection; a spin control with AutoBuddy takes the control before it as its buddy.
BuiltTemplate BuildControls(const DialogTemplate& tmpl, QWidget* parent);

}  // namespace tarvel
