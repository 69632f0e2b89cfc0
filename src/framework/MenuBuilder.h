#pragma once

#include "framework/CommandRouter.h"
#include "framework/ResourceTypes.h"

class QMenu;
class QMenuBar;
class QToolBar;

namespace tarvel {

/// Fills `bar` with the popups of `menu`; each item is the router's action for its
/// command, carrying the item's text.
void BuildMenuBar(QMenuBar* bar, const MenuTemplate& menu, CommandRouter& router);

/// Fills `menu` with `items` (nested popups included).
void BuildMenu(QMenu* menu, const std::vector<MenuItemTemplate>& items, CommandRouter& router);

/// Gives each command of `table` its keys, several keys for one command included.
void ApplyAccelerators(const AcceleratorTable& table, CommandRouter& router);

/// Fills `bar` with the buttons of `toolBar` in order, a separator for each gap.
void BuildToolBar(QToolBar* bar, const ToolBarTemplate& toolBar, CommandRouter& router);

}  // namespace tarvel
