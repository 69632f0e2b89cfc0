#include "framework/TextLimit.h"

#include <QLineEdit>

#include <algorithm>

namespace tarvel {
namespace {

constexpr const char* kLimitProperty = "tarvelTextLimit";
constexpr const char* kWatchedProperty = "tarvelTextLimitWatched";
constexpr int kNoLimit = 32767;  // QLineEdit's own default

int Cap(const QLineEdit* edit, int textLength) {
    const int limit = TextLimit(edit);
    return limit > 0 ? std::max(limit, textLength) : kNoLimit;
}

// Moves the field's maximum to what it may hold now without truncating its text.
void ApplyCap(QLineEdit* edit) {
    const int cap = Cap(edit, static_cast<int>(edit->text().size()));
    if (edit->maxLength() == cap)
        return;
    const int cursor = edit->cursorPosition();
    const int selectionStart = edit->selectionStart();
    const int selectionLength = static_cast<int>(edit->selectedText().size());
    edit->setMaxLength(cap);  // resets the cursor, so put it back
    if (selectionStart >= 0 && selectionLength > 0) {
        if (cursor == selectionStart)
            edit->setSelection(selectionStart + selectionLength, -selectionLength);
        else
            edit->setSelection(selectionStart, selectionLength);
    } else {
        edit->setCursorPosition(cursor);
    }
}

}  // namespace

// QLineEdit::setMaxLength truncates what the field holds, so the maximum follows the
// text: the limit, or the length of a longer text set by the program until it shrinks.
void SetTextLimit(QLineEdit* edit, int limit) {
    edit->setProperty(kLimitProperty, std::max(limit, 0));
    if (!edit->property(kWatchedProperty).toBool()) {
        edit->setProperty(kWatchedProperty, true);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { ApplyCap(edit); });
    }
    ApplyCap(edit);
}

int TextLimit(const QLineEdit* edit) { return edit->property(kLimitProperty).toInt(); }

void SetLimitedText(QLineEdit* edit, const QString& text) {
    edit->setMaxLength(Cap(edit, static_cast<int>(text.size())));
    edit->setText(text);
}

}  // namespace tarvel
