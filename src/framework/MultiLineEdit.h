#pragma once

#include <QPlainTextEdit>

namespace tarvel {

/// A text box that wraps at its right edge and can refuse more input: beyond a
/// character limit, or once its text would no longer fit the box. Tab moves on; Enter
/// starts a new line only with wantReturn, Ctrl+Enter always does.
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineEdit(QWidget* parent = nullptr);

    /// The most characters the user may bring in; 0 for no limit. A longer text set by
    /// the program is kept whole and can only be shortened.
    void setMaxLength(int limit) { maxLength_ = limit; }
    int maxLength() const { return maxLength_; }

    /// Whether Enter alone starts a new line (otherwise it goes to the window).
    void setWantReturn(bool on) { wantReturn_ = on; }
    /// Whether input that would make the text taller than the box is refused.
    void setKeepWithinBox(bool on) { keepWithinBox_ = on; }

    /// Whether `text` fits the box without scrolling.
    bool fitsBox(const QString& text) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    /// Inserts `text` at the cursor as far as the limits allow.
    void insertLimited(QString text);
    /// Undoes the last change when it broke a limit that was kept before it.
    void revertIfOverflow(const QString& before, int cursorBefore);
    int room() const;

    int maxLength_ = 0;
    bool wantReturn_ = false;
    bool keepWithinBox_ = false;
};

}  // namespace tarvel
