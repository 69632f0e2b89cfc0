#include "framework/MultiLineEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>
#include <climits>

namespace tarvel {

MultiLineEdit::MultiLineEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

bool MultiLineEdit::fitsBox(const QString& text) const {
    const qreal margin = document()->documentMargin();
    const qreal width = viewport()->width() - 2 * margin;
    if (width <= 0)
        return true;
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(wordWrapMode());
    int lines = 0;
    for (const QString& paragraph : text.split(QChar(u'\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
    }
    return lines * fontMetrics().lineSpacing() + 2 * margin <= viewport()->height();
}

int MultiLineEdit::room() const {
    if (maxLength_ <= 0)
        return INT_MAX;
    const auto length = toPlainText().size() - textCursor().selectedText().size();
    return std::max(0, static_cast<int>(maxLength_ - length));
}

void MultiLineEdit::insertLimited(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.truncate(std::min<qsizetype>(text.size(), room()));
    if (text.isEmpty())
        return;
    const QString before = toPlainText();
    const int cursorBefore = textCursor().position();
    textCursor().insertText(text);
    revertIfOverflow(before, cursorBefore);
}

void MultiLineEdit::revertIfOverflow(const QString& before, int cursorBefore) {
    if (!keepWithinBox_ || fitsBox(toPlainText()) || !fitsBox(before))
        return;
    setPlainText(before);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(cursorBefore, static_cast<int>(before.size())));
    setTextCursor(cursor);
}

void MultiLineEdit::keyPressEvent(QKeyEvent* event) {
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn) {
        if (!wantReturn_ && !(event->modifiers() & Qt::ControlModifier)) {
            event->ignore();  // the window's default button, if any
            return;
        }
        insertLimited(QStringLiteral("\n"));
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && typed.at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (inserts) {
        insertLimited(typed);
        event->accept();
        return;
    }
    const QString before = toPlainText();
    const int cursorBefore = textCursor().position();
    QPlainTextEdit::keyPressEvent(event);
    revertIfOverflow(before, cursorBefore);
}

void MultiLineEdit::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText())
        insertLimited(source->text());
}

void MultiLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && maxLength_ > 0) {
        QInputMethodEvent limited(event->preeditString(), event->attributes());
        limited.setCommitString(event->commitString().left(room()),
                                event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&limited);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

}  // namespace tarvel
