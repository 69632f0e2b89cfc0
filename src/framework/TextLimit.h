#pragma once

#include <QString>

class QLineEdit;

namespace tarvel {

/// Limits what the user can type into `edit` to `limit` characters (0: no limit of
/// ours). A longer text already in the field stays whole and can only be shortened.
void SetTextLimit(QLineEdit* edit, int limit);

/// The limit set by SetTextLimit, 0 when none.
int TextLimit(const QLineEdit* edit);

/// Puts `text` into `edit` whole, even when it is longer than the field's limit.
/// Use this rather than QLineEdit::setText on limited fields.
void SetLimitedText(QLineEdit* edit, const QString& text);

}  // namespace tarvel
