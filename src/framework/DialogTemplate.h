#pragma once

#include <QFlags>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace tarvel {

/// The id of a control that code never addresses (labels, frames).
inline constexpr int kNoControlId = -1;

/// What a control of a dialog template is.
enum class ControlKind {
    Label,             ///< static text
    GroupBox,          ///< a frame with an optional title, drawn behind other controls
    Edit,              ///< a text field; with ControlStyle::MultiLine a text box
    ComboDropDownList, ///< a combo box that only offers its items
    ComboDropDown,     ///< a combo box with an edit field
    ListBox,
    PushButton,
    DefPushButton,     ///< the push button that Enter activates
    CheckBox,          ///< an automatic check box
    Spin,              ///< an up-down control with a buddy field (SpinControl)
    Icon,              ///< the application's icon
};

/// Styles of a control; each applies to the kinds named.
enum class ControlStyle : unsigned {
    None = 0,
    TabStop = 1u << 0,        ///< reached with Tab (otherwise only by click)
    Border = 1u << 1,         ///< edit, list box: framed
    Centered = 1u << 2,       ///< edit, label: text centred horizontally
    ReadOnly = 1u << 3,       ///< edit
    Hidden = 1u << 4,         ///< created invisible
    Disabled = 1u << 5,       ///< created disabled
    Number = 1u << 6,         ///< edit: digits only
    WantReturn = 1u << 7,     ///< multi-line edit: Enter starts a new line
    MultiLine = 1u << 8,      ///< edit: a text box that wraps at its right edge
    VScroll = 1u << 9,        ///< edit, list box, combo box: vertical scroll bar
    AutoHScroll = 1u << 10,   ///< edit: scrolls sideways while typing past the edge
    NoPrefix = 1u << 11,      ///< label: "&" is shown, not taken as a mnemonic
    VCenter = 1u << 12,       ///< button, label: text centred vertically
    Transparent = 1u << 13,   ///< label: draws no background
    Notify = 1u << 14,        ///< list box: tells its parent about clicks
    NoIntegralHeight = 1u << 15, ///< list box: keeps its exact height
    AutoBuddy = 1u << 16,     ///< spin: the control before it is its buddy
    SetBuddyInt = 1u << 17,   ///< spin: writes its position into the buddy
    ArrowKeys = 1u << 18,     ///< spin: answers the arrow keys
    Wrap = 1u << 19,          ///< spin: wraps from one end of its range to the other
    Horizontal = 1u << 20,    ///< spin: left and right arrows
};
Q_DECLARE_FLAGS(ControlStyles, ControlStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(ControlStyles)

/// Styles of a template's window.
enum class DialogStyle : unsigned {
    None = 0,
    Popup = 1u << 0,       ///< a top-level window
    Child = 1u << 1,       ///< a child window filling its parent (a form)
    Caption = 1u << 2,     ///< title bar
    SysMenu = 1u << 3,     ///< system menu and close box
    ModalFrame = 1u << 4,
    ContextHelp = 1u << 5, ///< a "?" button in the title bar
    Center = 1u << 6,      ///< opens centred on the screen
    CenterMouse = 1u << 7, ///< opens centred on the mouse pointer
    ThinBorder = 1u << 8,
    ClientEdge = 1u << 9,  ///< sunken edge
    Look3D = 1u << 10,
};
Q_DECLARE_FLAGS(DialogStyles, DialogStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(DialogStyles)

/// One control of a dialog template; `rect` is x, y, width, height in dialog units.
struct ControlTemplate {
    int id = kNoControlId;
    ControlKind kind = ControlKind::Label;
    QString text;
    QRect rect;
    ControlStyles styles;
    QStringList items;  ///< combo box items in order; for a label, its column texts
    /// A label with column texts: the x (dialog units) of the column each text stands
    /// centred over, and the columns' width.
    std::vector<int> columns;
    int columnWidth = 0;
};

/// A dialog or form laid out in dialog units of its font; controls in tab order.
struct DialogTemplate {
    int id = 0;
    QString caption;
    QRect rect;  ///< position and size in dialog units
    QString fontName;
    int pointSize = 8;
    DialogStyles styles;
    int menuId = 0;  ///< menu the window shows, 0 for none
    std::vector<ControlTemplate> controls;

    /// The control with `id`, or null.
    const ControlTemplate* control(int controlId) const {
        for (const auto& c : controls)
            if (c.id == controlId)
                return &c;
        return nullptr;
    }
};

}  // namespace tarvel
