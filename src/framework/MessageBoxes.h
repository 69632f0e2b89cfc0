#pragma once

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <functional>

namespace tarvel {

/// The icon of a message box.
enum class MessageIcon { None, Information, Question, Exclamation, Stop };

/// Shows modal message boxes. The program asks through MessageBoxesInUse() so that
/// tests can install an implementation that records and answers them.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    /// Shows `text` with `icon` and `caption` over `parent` (null: the active window),
    /// offering `buttons`; returns the button that closed the box.
    virtual QMessageBox::StandardButton show(QWidget* parent, const QString& text,
                                             MessageIcon icon, const QString& caption,
                                             QMessageBox::StandardButtons buttons) = 0;
};

/// The implementation on QMessageBox.
class QtMessageBoxes : public MessageBoxes {
public:
    QMessageBox::StandardButton show(QWidget* parent, const QString& text, MessageIcon icon,
                                     const QString& caption,
                                     QMessageBox::StandardButtons buttons) override;
};

/// The implementation in use: the one installed last, else a QtMessageBoxes.
MessageBoxes& MessageBoxesInUse();

/// Makes `boxes` the implementation in use; null goes back to QtMessageBoxes. The
/// caller keeps ownership.
void InstallMessageBoxes(MessageBoxes* boxes);

/// Sets the program's title, the caption of its own messages. Window titles are left
/// alone (unlike QGuiApplication's display name, which Qt appends to them).
void SetApplicationTitle(const QString& title);
/// The program's title; the application's display name until one is set.
QString ApplicationTitle();

/// Shows one of the program's own messages: caption the program's title,
/// an OK button, `icon` (normally the exclamation mark).
QMessageBox::StandardButton ShowMessage(const QString& text,
                                        MessageIcon icon = MessageIcon::Exclamation,
                                        QWidget* parent = nullptr);

/// Records every message instead of showing it and answers with `answer` (or, when
/// set, what `onMessage` returns). Installs itself while it lives.
class RecordedMessageBoxes : public MessageBoxes {
public:
    struct Message {
        QString text;
        MessageIcon icon = MessageIcon::None;
        QString caption;
        QMessageBox::StandardButtons buttons;
        QPointer<QWidget> parent;
    };

    RecordedMessageBoxes();
    ~RecordedMessageBoxes() override;
    RecordedMessageBoxes(const RecordedMessageBoxes&) = delete;
    RecordedMessageBoxes& operator=(const RecordedMessageBoxes&) = delete;

    QMessageBox::StandardButton show(QWidget* parent, const QString& text, MessageIcon icon,
                                     const QString& caption,
                                     QMessageBox::StandardButtons buttons) override;

    /// Messages in the order they were shown.
    QList<Message> messages;
    /// The texts alone, in order.
    QStringList texts() const;
    /// The answer when `onMessage` is not set.
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    /// Called for each message while it is "on screen"; its result closes the box.
    std::function<QMessageBox::StandardButton(const Message&)> onMessage;

private:
    MessageBoxes* previous_ = nullptr;
};

}  // namespace tarvel
