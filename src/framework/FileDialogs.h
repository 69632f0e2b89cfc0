#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace tarvel {

/// What a file dialog is to show and which choices it accepts.
struct FileDialogRequest {
    bool save = false;  ///< a save dialog; otherwise an open dialog
    QString title;
    QString initialFolder;  ///< empty: the current folder
    QString defaultName;
    QString defaultSuffix;  ///< added to a typed name without one, without the dot
    QStringList nameFilters;
    bool fileMustExist = false;
    bool pathMustExist = false;
    bool overwritePrompt = false;
    bool refuseReadOnly = false;  ///< refuse read-only files and files in write-protected folders
    bool multiSelect = false;
};

/// The name filters of a filter list of description and pattern pairs, each part ended
/// by "|", the list closed by a second "|" ("Text (*.txt)|*.txt||").
QStringList NameFiltersFromPairs(const QString& pairs);

/// Whether `path` may be the dialog's choice: shows why not (or, for an existing file
/// in a save dialog with the overwrite prompt, asks) through MessageBoxesInUse.
bool AcceptFileChoice(QWidget* parent, const FileDialogRequest& request, const QString& path);

/// Shows file dialogs. The program asks through FileDialogsInUse() so that tests can
/// install an implementation that records the requests and answers them.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    /// Shows the dialog modally; the full path of the chosen file, or nothing when the
    /// user cancelled.
    virtual std::optional<QString> choose(QWidget* parent, const FileDialogRequest& request) = 0;
};

/// The implementation on QFileDialog.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> choose(QWidget* parent, const FileDialogRequest& request) override;
};

/// The implementation in use: the one installed last, else a QtFileDialogs.
FileDialogs& FileDialogsInUse();
/// Makes `dialogs` the implementation in use; null goes back to QtFileDialogs.
void InstallFileDialogs(FileDialogs* dialogs);

/// Records each request and answers with the next of `answers` (a path, relative ones
/// taken from the current folder, or nothing for a cancel), putting each answer through
/// AcceptFileChoice as the real dialog does; a refused answer moves on to the next one.
/// Installs itself while it lives.
class ScriptedFileDialogs : public FileDialogs {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    std::optional<QString> choose(QWidget* parent, const FileDialogRequest& request) override;

    QList<std::optional<QString>> answers;
    QList<FileDialogRequest> requests;

private:
    FileDialogs* previous_ = nullptr;
};

}  // namespace tarvel
