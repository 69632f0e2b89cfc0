#include "framework/MenuBuilder.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <map>

namespace tarvel {

void BuildMenu(QMenu* menu, const std::vector<MenuItemTemplate>& items, CommandRouter& router) {
    for (const MenuItemTemplate& item : items) {
        if (item.isSeparator()) {
            menu->addSeparator();
        } else if (item.isPopup()) {
            BuildMenu(menu->addMenu(item.text), item.children, router);
        } else {
            QAction* action = router.action(item.command);
            action->setText(item.text);
            if (item.grayed && !router.isHandled(item.command))
                action->setEnabled(false);
            menu->addAction(action);
        }
    }
}

void BuildMenuBar(QMenuBar* bar, const MenuTemplate& menu, CommandRouter& router) {
    for (const MenuItemTemplate& popup : menu.popups)
        BuildMenu(bar->addMenu(popup.text), popup.children, router);
}

void ApplyAccelerators(const AcceleratorTable& table, CommandRouter& router) {
    std::map<int, QList<QKeySequence>> keysByCommand;
    for (const Accelerator& entry : table.entries)
        keysByCommand[entry.command].append(entry.keys);
    for (const auto& [command, keys] : keysByCommand) {
        QAction* action = router.action(command);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

void BuildToolBar(QToolBar* bar, const ToolBarTemplate& toolBar, CommandRouter& router) {
    if (toolBar.buttonSize.isValid())
        bar->setIconSize(toolBar.buttonSize);
    for (int command : toolBar.buttons) {
        if (command == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* action = router.action(command);
        if (action->icon().isNull()) {
            for (const ToolBarImage& image : toolBar.images) {
                if (image.command != command)
                    continue;
                QIcon icon = QIcon::fromTheme(image.themeName);
                if (icon.isNull() && image.fallback != QStyle::SP_CustomBase)
                    icon = bar->style()->standardIcon(image.fallback);
                if (icon.isNull() && !image.file.isEmpty())
                    icon = QIcon(image.file);
                action->setIcon(icon);
            }
        }
        bar->addAction(action);
        if (QWidget* button = bar->widgetForAction(action))
            button->setObjectName(QStringLiteral("toolButton%1").arg(command));
    }
}

}  // namespace tarvel
