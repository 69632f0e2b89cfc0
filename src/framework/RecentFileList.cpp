#include "framework/RecentFileList.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace tarvel {
namespace {

QString Normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

RecentFileList::RecentFileList(int size, QString section, QString entryPattern, QObject* parent)
    : QObject(parent), size_(size), section_(std::move(section)),
      entryPattern_(std::move(entryPattern)) {}

void RecentFileList::add(const QString& path) {
    if (path.isEmpty())
        return;
    const QString file = Normalised(path);
    files_.removeAll(file);
    files_.prepend(file);
    while (files_.size() > size_)
        files_.removeLast();
    refreshMenu();
    emit changed();
}

void RecentFileList::remove(int index) {
    if (index < 0 || index >= files_.size())
        return;
    files_.removeAt(index);
    refreshMenu();
    emit changed();
}

void RecentFileList::clear() {
    files_.clear();
    refreshMenu();
    emit changed();
}

QString RecentFileList::displayName(int index, const QString& currentFolder) const {
    if (index < 0 || index >= files_.size())
        return {};
    const QFileInfo info(files_.at(index));
    const bool inCurrentFolder =
        !currentFolder.isEmpty() && QDir::cleanPath(info.absolutePath()) == Normalised(currentFolder);
    QString name = inCurrentFolder ? info.fileName() : QDir::toNativeSeparators(info.filePath());
    name.replace(QStringLiteral("&"), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

void RecentFileList::load(QSettings& settings) {
    files_.clear();
    settings.beginGroup(section_);
    for (int i = 1; i <= size_; ++i) {
        const QString path = settings.value(entryPattern_.arg(i)).toString();
        if (!path.isEmpty() && !files_.contains(Normalised(path)))
            files_.append(Normalised(path));
    }
    settings.endGroup();
    refreshMenu();
    emit changed();
}

void RecentFileList::save(QSettings& settings) const {
    settings.beginGroup(section_);
    for (int i = 1; i <= size_; ++i) {
        if (i <= files_.size())
            settings.setValue(entryPattern_.arg(i), files_.at(i - 1));
        else
            settings.remove(entryPattern_.arg(i));
    }
    settings.endGroup();
}

void RecentFileList::attachToMenu(QMenu* menu, QAction* placeholder) {
    menu_ = menu;
    placeholder_ = placeholder;
    refreshMenu();
}

void RecentFileList::refreshMenu() {
    for (QAction* action : entryActions_)
        delete action;
    entryActions_.clear();
    if (!menu_ || !placeholder_)
        return;
    placeholder_->setVisible(files_.isEmpty());
    placeholder_->setEnabled(false);
    const QString currentFolder = QDir::currentPath();
    for (int i = 0; i < files_.size(); ++i) {
        auto* action = new QAction(displayName(i, currentFolder), menu_);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        action->setStatusTip(placeholder_->statusTip());
        const QString path = files_.at(i);
        connect(action, &QAction::triggered, this, [this, path] { emit fileChosen(path); });
        menu_->insertAction(placeholder_, action);
        entryActions_.append(action);
    }
}

}  // namespace tarvel
