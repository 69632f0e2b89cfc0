#pragma once

#include <QKeySequence>
#include <QSize>
#include <QString>
#include <QStyle>

#include <map>
#include <vector>

namespace tarvel {

/// Strings by id. A command's string is its status-bar prompt, then after "\n" its
/// tool tip.
using StringTable = std::map<int, QString>;

/// One item of a menu: a command, a separator (command 0, no children), or a popup
/// (with children). Text shows the shortcut after a tab.
struct MenuItemTemplate {
    QString text;
    int command = 0;
    bool grayed = false;  ///< shown disabled whatever handles it
    std::vector<MenuItemTemplate> children;

    bool isSeparator() const { return command == 0 && children.empty() && text.isEmpty(); }
    bool isPopup() const { return !children.empty(); }
};

/// A menu bar: its popups, left to right.
struct MenuTemplate {
    int id = 0;
    std::vector<MenuItemTemplate> popups;
};

/// One key of an accelerator table and the command it runs.
struct Accelerator {
    QKeySequence keys;
    int command = 0;
};

/// The shortcuts of a window.
struct AcceleratorTable {
    int id = 0;
    std::vector<Accelerator> entries;
};

/// A tool bar button's picture: a theme icon name, with a style icon or else an image
/// file of the program's own when the theme has none.
struct ToolBarImage {
    int command = 0;
    QString themeName;
    QStyle::StandardPixmap fallback = QStyle::SP_CustomBase;
    QString file;
};

/// A tool bar: its buttons in order, 0 for a gap.
struct ToolBarTemplate {
    int id = 0;
    QSize buttonSize;
    std::vector<int> buttons;
    std::vector<ToolBarImage> images;
};

}  // namespace tarvel
