#include "framework/MessageBoxes.h"

#include <QApplication>
#include <QGuiApplication>

namespace tarvel {
namespace {

MessageBoxes* installed = nullptr;

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QMessageBox::StandardButton QtMessageBoxes::show(QWidget* parent, const QString& text,
                                                 MessageIcon icon, const QString& caption,
                                                 QMessageBox::StandardButtons buttons) {
    if (!parent)
        parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                   : QApplication::activeWindow();
    QMessageBox box(ToQtIcon(icon), caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

MessageBoxes& MessageBoxesInUse() {
    static QtMessageBoxes standard;
    return installed ? *installed : standard;
}

void InstallMessageBoxes(MessageBoxes* boxes) { installed = boxes; }

namespace {
QString& Title() {
    static QString title;
    return title;
}
}  // namespace

void SetApplicationTitle(const QString& title) { Title() = title; }

QString ApplicationTitle() {
    return Title().isEmpty() ? QGuiApplication::applicationDisplayName() : Title();
}

QMessageBox::StandardButton ShowMessage(const QString& text, MessageIcon icon, QWidget* parent) {
    return MessageBoxesInUse().show(parent, text, icon, ApplicationTitle(),
                                    QMessageBox::Ok);
}

RecordedMessageBoxes::RecordedMessageBoxes() : previous_(installed) {
    InstallMessageBoxes(this);
}

RecordedMessageBoxes::~RecordedMessageBoxes() {
    if (installed == this)
        InstallMessageBoxes(previous_);
}

QMessageBox::StandardButton RecordedMessageBoxes::show(QWidget* parent, const QString& text,
                                                       MessageIcon icon, const QString& caption,
                                                       QMessageBox::StandardButtons buttons) {
    messages.append(Message{text, icon, caption, buttons, parent});
    return onMessage ? onMessage(messages.back()) : answer;
}

QStringList RecordedMessageBoxes::texts() const {
    QStringList result;
    for (const auto& message : messages)
        result.append(message.text);
    return result;
}

}  // namespace tarvel
