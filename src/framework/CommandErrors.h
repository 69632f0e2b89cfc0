#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

class QWidget;

namespace tarvel {

/// A file operation that failed; its message is worded for the user and names the
/// file, such as "Access to Catalog.dat was denied.".
class FileException : public std::runtime_error {
public:
    FileException(const QString& message, const QString& path);
    /// The message for the user.
    QString message() const { return message_; }
    /// The file the operation was on.
    QString path() const { return path_; }

private:
    QString message_;
    QString path_;
};

/// Where a command came from, which decides the message for an error without one.
enum class CommandSource {
    Menu,    ///< a menu item, a tool bar button or a shortcut: "Command failed."
    Button,  ///< a button of a form or dialog: "Internal application error."
};

/// Runs `handler` and shows what escapes it, so that no error ends the program: a
/// FileException with a stop icon and its own message; running out of memory as "Out
/// of memory."; anything else as the message for `source`. Returns whether the handler
/// ran to its end.
bool RunCommand(const std::function<void()>& handler, CommandSource source,
                QWidget* parent = nullptr) noexcept;

/// The message shown for an error without a message of its own from `source`.
QString CommandFailedMessage(CommandSource source);

}  // namespace tarvel
