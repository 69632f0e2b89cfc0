#include "framework/CommandRouter.h"

#include "framework/CommandErrors.h"

#include <QAction>
#include <QWidget>

namespace tarvel {

CommandRouter::CommandRouter(QWidget* window) : QObject(window), window_(window) {}

QAction* CommandRouter::findAction(int id) const { return actions_.value(id, nullptr); }

QAction* CommandRouter::action(int id) {
    if (QAction* existing = findAction(id))
        return existing;
    auto* created = new QAction(window_);
    created->setObjectName(QStringLiteral("command%1").arg(id));
    created->setEnabled(isHandled(id));
    applyString(id, created);
    connect(created, &QAction::triggered, this, [this, id] { execute(id); });
    if (window_)
        window_->addAction(created);
    actions_.insert(id, created);
    return created;
}

void CommandRouter::setHandler(int id, std::function<void()> handler) {
    handlers_.insert(id, std::move(handler));
    action(id)->setEnabled(true);
}

void CommandRouter::clearHandler(int id) {
    handlers_.remove(id);
    if (QAction* existing = findAction(id))
        existing->setEnabled(false);
}

bool CommandRouter::execute(int id) {
    const auto handler = handlers_.value(id);
    if (!handler)
        return false;
    if (!RunCommand(handler, CommandSource::Menu, window_))
        return false;
    emit executed(id);
    return true;
}

void CommandRouter::setStrings(const StringTable& strings) {
    strings_ = strings;
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
        applyString(it.key(), it.value());
}

void CommandRouter::applyString(int id, QAction* target) const {
    const auto found = strings_.find(id);
    if (found == strings_.end())
        return;
    const QString& text = found->second;
    const auto lineBreak = text.indexOf(QChar(u'\n'));
    target->setStatusTip(lineBreak < 0 ? text : text.left(lineBreak));
    if (lineBreak >= 0)
        target->setToolTip(text.mid(lineBreak + 1));
}

}  // namespace tarvel
