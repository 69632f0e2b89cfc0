#pragma once

#include "framework/DialogTemplate.h"

namespace tarvel::res {

/// About box (100): icon, name and version, notice, OK.
const DialogTemplate& AboutBoxTemplate();
/// Record form (101): the catalog record's fields, choices and buttons.
const DialogTemplate& RecordFormTemplate();
/// Mode page choice (136): edit the existing pages, add a new one, or cancel.
const DialogTemplate& ModePageChoiceTemplate();
/// Select Record (138): the catalog's lines in a list, OK and Cancel.
const DialogTemplate& SelectRecordTemplate();
/// Mode Select Data (212): the 45 byte fields of one mode page, the page spin, OK, Cancel.
const DialogTemplate& ModeSelectTemplate();

/// The template with `id`, or null.
const DialogTemplate* FindDialogTemplate(int id);

/// The id of the Mode Select Data field that holds slot `slot` (0..44) of a mode page.
constexpr int ModeSelectFieldId(int slot) { return 1504 + slot; }

/// The program's name, as the About box shows it before " Version 1.1".
inline constexpr const char* kProgramName = "Tarvel";

}  // namespace tarvel::res
