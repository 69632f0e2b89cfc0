#pragma once

#include "framework/DataExchange.h"
#include "framework/DialogBuilder.h"
#include "framework/DialogTemplate.h"

#include <QFrame>

#include <functional>

namespace tarvel {

/// A form built from a template that fills its parent window. Subclasses move values
/// between their members and the controls in doDataExchange.
class TemplateForm : public QFrame {
    Q_OBJECT
public:
    explicit TemplateForm(const DialogTemplate& tmpl, QWidget* parent = nullptr);

    /// Runs the data exchange: from the controls (true) or to them (false). Returns
    /// false when a value broke its rule (the message has been shown).
    bool updateData(bool fromControls = true);

    /// The control with `id`, or null.
    template <class T = QWidget>
    T* control(int id) const { return FindControl<T>(this, id); }

    const DialogTemplate& formTemplate() const { return template_; }
    const BuiltTemplate& built() const { return built_; }

    QSize sizeHint() const override;

protected:
    /// Moves values between members and controls; the default moves nothing.
    virtual void doDataExchange(DataExchange& exchange);

    /// Runs `handler` when the button `id` is clicked, showing what escapes it.
    void onClicked(int id, std::function<void()> handler);

private:
    DialogTemplate template_;
    BuiltTemplate built_;
};

}  // namespace tarvel
