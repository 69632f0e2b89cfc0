#include "framework/TemplateDialog.h"

#include "framework/CommandErrors.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tarvel {

TemplateDialog::TemplateDialog(const DialogTemplate& tmpl, QWidget* parent)
    : QDialog(parent), template_(tmpl) {
    setObjectName(QStringLiteral("dialog%1").arg(tmpl.id));
    const DialogStyles styles = tmpl.styles;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (styles.testFlag(DialogStyle::Caption))
        flags |= Qt::WindowTitleHint;
    if (styles.testFlag(DialogStyle::SysMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (styles.testFlag(DialogStyle::ContextHelp))
        flags |= Qt::WindowContextHelpButtonHint;
    setWindowFlags(flags);
    setWindowTitle(tmpl.caption);
    setModal(true);
    built_ = BuildControls(tmpl, this);
    setFixedSize(built_.clientSize);
    onClicked(kResultOk, [this] { onOK(); });
    onClicked(kResultCancel, [this] { onCancel(); });
}

void TemplateDialog::onClicked(int id, std::function<void()> handler) {
    if (auto* button = control<QPushButton>(id))
        connect(button, &QPushButton::clicked, this,
                [this, handler = std::move(handler)] {
                    RunCommand(handler, CommandSource::Button, this);
                });
}

void TemplateDialog::doDataExchange(DataExchange&) {}

void TemplateDialog::onInitDialog() { updateData(false); }

void TemplateDialog::onOK() {
    if (updateData(true))
        endDialog(kResultOk);
}

void TemplateDialog::onCancel() { endDialog(kResultCancel); }

bool TemplateDialog::updateData(bool fromControls) {
    DataExchange exchange(this, fromControls ? DataExchange::Direction::FromControls
                                             : DataExchange::Direction::ToControls);
    doDataExchange(exchange);
    return exchange.ok();
}

void TemplateDialog::endDialog(int result) {
    ended_ = true;
    done(result);
}

void TemplateDialog::place() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame(QPoint(0, 0), size());
    if (template_.styles.testFlag(DialogStyle::CenterMouse))
        frame.moveCenter(QCursor::pos(screen));
    else if (template_.styles.testFlag(DialogStyle::Center) || !parentWidget())
        frame.moveCenter(available.center());
    else  // over the owner, where the user is looking
        frame.moveCenter(parentWidget()->window()->geometry().center());
    // Keep the whole dialog on the screen.
    frame.moveLeft(std::clamp(frame.left(), available.left(),
                              std::max(available.left(), available.right() - frame.width())));
    frame.moveTop(std::clamp(frame.top(), available.top(),
                             std::max(available.top(), available.bottom() - frame.height())));
    move(frame.topLeft());
}

int TemplateDialog::runModal() {
    ended_ = false;
    setResult(0);
    RunCommand([this] { onInitDialog(); }, CommandSource::Button, this);
    if (ended_)
        return result();
    place();
    return exec();
}

}  // namespace tarvel
