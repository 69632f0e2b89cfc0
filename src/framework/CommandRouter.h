#pragma once

#include "framework/ResourceTypes.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QWidget;

namespace tarvel {

/// The window's commands by id, each one QAction shared by menu, tool bar and
/// shortcuts. A command is enabled exactly while something handles it; its handler
/// runs through RunCommand, so what escapes it is shown and the program goes on.
class CommandRouter : public QObject {
    Q_OBJECT
public:
    /// The commands of `window`; their actions belong to it, so shortcuts work there.
    explicit CommandRouter(QWidget* window);

    /// The action of command `id`, created disabled on first use.
    QAction* action(int id);
    /// The action of command `id` when it exists, else null.
    QAction* findAction(int id) const;

    /// Makes `handler` the one for command `id` and enables it.
    void setHandler(int id, std::function<void()> handler);
    /// Takes the handler away; the command shows disabled.
    void clearHandler(int id);
    bool isHandled(int id) const { return handlers_.contains(id); }

    /// Runs command `id` as a menu would. Returns false when nothing handles it or the
    /// handler failed.
    bool execute(int id);

    /// Takes each command's status-bar prompt and tool tip from `strings`.
    void setStrings(const StringTable& strings);

signals:
    /// Command `id` ran to its end.
    void executed(int id);

private:
    void applyString(int id, QAction* action) const;

    QPointer<QWidget> window_;
    QHash<int, QAction*> actions_;
    QHash<int, std::function<void()>> handlers_;
    StringTable strings_;
};

}  // namespace tarvel
