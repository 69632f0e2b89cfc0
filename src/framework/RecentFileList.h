#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QMenu;
class QSettings;

namespace tarvel {

/// The most recently used files, newest first, as the File menu shows them.
class RecentFileList : public QObject {
    Q_OBJECT
public:
    /// A list of at most `size` entries kept in settings group `section` under keys
    /// made from `entryPattern` ("%1" is the entry's number from 1).
    explicit RecentFileList(int size = 4, QString section = QStringLiteral("Recent File List"),
                            QString entryPattern = QStringLiteral("File%1"),
                            QObject* parent = nullptr);

    /// Puts `path` (made absolute) at the top; an entry for the same file moves up
    /// instead of repeating, and the oldest entry beyond the size drops off.
    void add(const QString& path);
    /// Removes the entry at `index` (0 is the newest); out of range does nothing.
    void remove(int index);
    void clear();

    QStringList files() const { return files_; }
    int size() const { return size_; }

    /// The menu text of the entry at `index`: "&1 name", the file's name alone when it
    /// is in `currentFolder`, else its full path; "&" in names shows as itself.
    QString displayName(int index, const QString& currentFolder) const;

    /// Reads the entries from `settings`, skipping empty and repeated ones.
    void load(QSettings& settings);
    /// Writes the entries to `settings`, removing keys of entries no longer held.
    void save(QSettings& settings) const;

    /// Shows the entries in `menu` in place of `placeholder`, and keeps them shown as the
    /// list changes: with no entries the placeholder stays, disabled. Choosing an entry
    /// emits fileChosen.
    void attachToMenu(QMenu* menu, QAction* placeholder);

signals:
    /// The user chose the entry for `path`.
    void fileChosen(const QString& path);
    void changed();

private:
    void refreshMenu();

    int size_;
    QString section_;
    QString entryPattern_;
    QStringList files_;
    QPointer<QMenu> menu_;
    QPointer<QAction> placeholder_;
    QList<QAction*> entryActions_;
};

}  // namespace tarvel
