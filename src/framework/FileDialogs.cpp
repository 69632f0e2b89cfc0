#include "framework/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "framework/MessageBoxes.h"

namespace tarvel {

namespace {

FileDialogs* installed = nullptr;

/// A file dialog that checks the choice before it closes, keeping it open otherwise.
class CheckedFileDialog : public QFileDialog {
public:
    CheckedFileDialog(QWidget* parent, const FileDialogRequest& request)
        : QFileDialog(parent, request.title), request_(request) {}

    void accept() override {
        const QStringList chosen = selectedFiles();
        for (const QString& path : chosen)
            if (!AcceptFileChoice(this, request_, path))
                return;
        QFileDialog::accept();
    }

private:
    FileDialogRequest request_;
};

}  // namespace

QStringList NameFiltersFromPairs(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        QString description = parts[i];
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0)
            description = description.left(open).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return filters;
}

bool AcceptFileChoice(QWidget* parent, const FileDialogRequest& request, const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    QString refusal;
    if (request.pathMustExist && !folder.isDir())
        refusal = QStringLiteral("The folder of %1 does not exist. Check the path and try again.");
    else if (request.fileMustExist && !file.exists())
        refusal = QStringLiteral("%1 does not exist. Check the file name and try again.");
    else if (file.isDir())
        refusal = QStringLiteral("%1 is a folder. Choose a file.");
    else if (request.refuseReadOnly && file.exists() && !file.isWritable())
        refusal = QStringLiteral("%1 is read-only. Choose another file.");
    else if (request.refuseReadOnly && !file.exists() && folder.isDir() && !folder.isWritable())
        refusal = QStringLiteral("The folder of %1 is write-protected. Choose another folder.");
    if (!refusal.isEmpty()) {
        ShowMessage(refusal.arg(QDir::toNativeSeparators(file.absoluteFilePath())),
                    MessageIcon::Exclamation, parent);
        return false;
    }
    if (request.save && request.overwritePrompt && file.exists()) {
        const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(file.absoluteFilePath()));
        return MessageBoxesInUse().show(parent, question, MessageIcon::Exclamation,
                                        request.title, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }
    return true;
}

std::optional<QString> QtFileDialogs::choose(QWidget* parent, const FileDialogRequest& request) {
    CheckedFileDialog dialog(parent, request);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The overwrite prompt is asked in the dialog's own check, with the others.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (request.save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (request.multiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDirectory(request.initialFolder.isEmpty() ? QDir::currentPath() : request.initialFolder);
    dialog.setNameFilters(request.nameFilters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.defaultName.isEmpty())
        dialog.selectFile(request.defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

FileDialogs& FileDialogsInUse() {
    static QtFileDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void InstallFileDialogs(FileDialogs* dialogs) { installed = dialogs; }

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(installed) { InstallFileDialogs(this); }

ScriptedFileDialogs::~ScriptedFileDialogs() { InstallFileDialogs(previous_); }

std::optional<QString> ScriptedFileDialogs::choose(QWidget* parent, const FileDialogRequest& request) {
    requests.append(request);
    while (!answers.isEmpty()) {
        std::optional<QString> answer = answers.takeFirst();
        if (!answer)
            return std::nullopt;
        QString path = QFileInfo(*answer).absoluteFilePath();
        if (!request.defaultSuffix.isEmpty() && QFileInfo(path).suffix().isEmpty() &&
            !QFileInfo(path).exists())
            path += QLatin1Char('.') + request.defaultSuffix;
        if (AcceptFileChoice(parent, request, path))
            return path;
    }
    return std::nullopt;
}

}  // namespace tarvel
