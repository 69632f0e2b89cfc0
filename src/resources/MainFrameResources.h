#pragma once

#include "framework/ResourceTypes.h"

#include <QString>

namespace tarvel::res {

/// Menu 128: File, Edit, View and Help, with the recent-file placeholder.
const MenuTemplate& MainMenu();
/// Accelerator table 128.
const AcceleratorTable& MainAccelerators();
/// Tool bar 128: New, Open, Save, gap, Cut, Copy, Paste, gap, About, Context help.
const ToolBarTemplate& MainToolBar();
/// The status bar's panes after the message pane: the CAP, NUM and SCRL indicators.
const std::vector<int>& StatusIndicators();

/// The program's strings: the document string, the title, the idle prompt, the
/// indicators, and each command's prompt and tool tip.
const StringTable& Strings();
/// String `id`, or an empty text when there is none.
QString LoadString(int id);

}  // namespace tarvel::res
