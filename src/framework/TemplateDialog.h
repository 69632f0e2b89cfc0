#pragma once

#include "framework/DataExchange.h"
#include "framework/DialogBuilder.h"
#include "framework/DialogTemplate.h"

#include <QDialog>

#include <functional>

namespace tarvel {

/// The standard results of a modal run.
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;

/// A modal dialog built from a template. Subclasses move values in doDataExchange,
/// prepare in onInitDialog and may replace onOK and onCancel. The button with id 1 runs
/// onOK, the one with id 2 (and Escape, and the close box) onCancel.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit TemplateDialog(const DialogTemplate& tmpl, QWidget* parent = nullptr);

    /// Initialises the dialog afresh (onInitDialog), places it (centred on the screen or
    /// on the mouse pointer as its template says, else over its owner) and runs it
    /// modally; returns the result given to endDialog. A dialog ended during its
    /// initialisation returns at once without being shown.
    int runModal();

    /// Runs the data exchange: from the controls (true) or to them (false). Returns
    /// false when a value broke its rule (the message has been shown).
    bool updateData(bool fromControls = true);

    /// Ends the modal run with `result`.
    void endDialog(int result);

    /// The control with `id`, or null.
    template <class T = QWidget>
    T* control(int id) const { return FindControl<T>(this, id); }

    const DialogTemplate& dialogTemplate() const { return template_; }
    const BuiltTemplate& built() const { return built_; }

protected:
    /// Moves values between members and controls; the default moves nothing.
    virtual void doDataExchange(DataExchange& exchange);
    /// Runs before the dialog shows; the default moves the members into the controls.
    virtual void onInitDialog();
    /// OK: the exchange from the controls, then, if it succeeded, ends with 1.
    virtual void onOK();
    /// Cancel: ends with 2, without an exchange.
    virtual void onCancel();

    /// Runs `handler` when the button `id` is clicked, showing what escapes it.
    void onClicked(int id, std::function<void()> handler);

    void accept() override { onOK(); }
    void reject() override { onCancel(); }

private:
    void place();

    DialogTemplate template_;
    BuiltTemplate built_;
    bool ended_ = false;
};

}  // namespace tarvel
