#include "framework/TemplateForm.h"

#include "framework/CommandErrors.h"

#include <QPushButton>

namespace tarvel {

TemplateForm::TemplateForm(const DialogTemplate& tmpl, QWidget* parent)
    : QFrame(parent), template_(tmpl) {
    setObjectName(QStringLiteral("form%1").arg(tmpl.id));
    if (tmpl.styles.testFlag(DialogStyle::ClientEdge))
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    else if (tmpl.styles.testFlag(DialogStyle::ThinBorder))
        setFrameStyle(QFrame::Box | QFrame::Plain);
    built_ = BuildControls(tmpl, this);
    setMinimumSize(built_.clientSize);
}

QSize TemplateForm::sizeHint() const { return built_.clientSize; }

void TemplateForm::doDataExchange(DataExchange&) {}

bool TemplateForm::updateData(bool fromControls) {
    DataExchange exchange(this, fromControls ? DataExchange::Direction::FromControls
                                             : DataExchange::Direction::ToControls);
    doDataExchange(exchange);
    return exchange.ok();
}

void TemplateForm::onClicked(int id, std::function<void()> handler) {
    if (auto* button = control<QPushButton>(id))
        connect(button, &QPushButton::clicked, this,
                [this, handler = std::move(handler)] {
                    RunCommand(handler, CommandSource::Button, this);
                });
}

}  // namespace tarvel
