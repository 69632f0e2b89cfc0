#pragma once

#include <QString>

class QWidget;

namespace tarvel {

/// One run of a form's two-way data exchange: each call moves one value between a
/// member and the control with that id, in the order the form makes the calls.
/// From the controls, the first value that breaks its rule shows a message, puts the
/// focus on its control with the whole text selected, and makes every later call of
/// the run do nothing, so later members keep their values.
class DataExchange {
public:
    enum class Direction { ToControls, FromControls };

    /// A run over the controls of `form` (found by their object names).
    DataExchange(QWidget* form, Direction direction);

    bool toControls() const { return direction_ == Direction::ToControls; }
    /// False once a value broke its rule.
    bool ok() const { return !failed_; }

    /// Which texts a limit holds for.
    enum class LimitScope {
        AnyText,    ///< whatever the field holds
        TypedText,  ///< only what the user changed: a longer text the program put there passes
    };

    /// A text field (line edit or text box). With `limit` above 0: to the controls the
    /// field takes the text whole and the user may type at most `limit` characters;
    /// from the controls a longer text (within `scope`) fails with "Please enter no more
    /// than %1 characters.".
    void text(int id, QString& value, int limit = 0, LimitScope scope = LimitScope::AnyText);
    /// A field holding a decimal integer, blanks allowed around it; from the controls
    /// anything else fails with "Please enter an integer.".
    void integer(int id, int& value);
    /// A check box: 0 clear, 1 ticked, 2 indeterminate; to the control a value outside
    /// 0..2 counts as 0.
    void check(int id, int& value);
    /// The selected position of a combo box or list box, -1 for none.
    void selection(int id, int& index);

private:
    QWidget* control(int id) const;
    /// Shows `message`, selects the control's text, focuses it, and ends the run.
    void fail(QWidget* control, const QString& message);

    QWidget* form_;
    Direction direction_;
    bool failed_ = false;
};

}  // namespace tarvel
