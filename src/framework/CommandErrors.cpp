#include "framework/CommandErrors.h"

#include "framework/MessageBoxes.h"

#include <new>

namespace tarvel {

FileException::FileException(const QString& message, const QString& path)
    : std::runtime_error(message.toStdString()), message_(message), path_(path) {}

QString CommandFailedMessage(CommandSource source) {
    return source == CommandSource::Button ? QStringLiteral("Internal application error.")
                                           : QStringLiteral("Command failed.");
}

bool RunCommand(const std::function<void()>& handler, CommandSource source,
                QWidget* parent) noexcept {
    QString message;
    try {
        handler();
        return true;
    } catch (const FileException& error) {
        message = error.message();
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory.");
    } catch (...) {
        message = CommandFailedMessage(source);
    }
    try {
        ShowMessage(message, MessageIcon::Stop, parent);
    } catch (...) {
        // Showing the message failed as well; the program still goes on.
    }
    return false;
}

}  // namespace tarvel
