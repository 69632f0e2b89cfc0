#include "framework/DataExchange.h"

#include "framework/DialogBuilder.h"
#include "framework/MessageBoxes.h"
#include "framework/MultiLineEdit.h"
#include "framework/TextLimit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tarvel {
namespace {

QString ReadText(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        return box->toPlainText();
    if (auto* box = qobject_cast<QTextEdit*>(widget))
        return box->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return {};
}

void WriteText(QWidget* widget, const QString& text, int limit) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        SetLimitedText(edit, text);
        if (limit > 0)
            SetTextLimit(edit, limit);
    } else if (auto* box = qobject_cast<MultiLineEdit*>(widget)) {
        box->setPlainText(text);
        if (limit > 0)
            box->setMaxLength(limit);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        rich->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    }
}

void SelectAll(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        plain->selectAll();
    else if (auto* rich = qobject_cast<QTextEdit*>(widget))
        rich->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

}  // namespace

DataExchange::DataExchange(QWidget* form, Direction direction)
    : form_(form), direction_(direction) {}

QWidget* DataExchange::control(int id) const {
    QWidget* widget = FindControl<QWidget>(form_, id);
    Q_ASSERT_X(widget, "DataExchange", qPrintable(ControlName(id)));
    return widget;
}

void DataExchange::fail(QWidget* widget, const QString& message) {
    failed_ = true;
    ShowMessage(message, MessageIcon::Exclamation, form_ ? form_->window() : nullptr);
    widget->setFocus(Qt::OtherFocusReason);
    SelectAll(widget);
}

void DataExchange::text(int id, QString& value, int limit, LimitScope scope) {
    QWidget* widget = failed_ ? nullptr : control(id);
    if (!widget)
        return;
    if (toControls()) {
        WriteText(widget, value, limit);
        return;
    }
    const QString shown = ReadText(widget);
    const bool untouched = shown == value;
    value = shown;
    if (limit > 0 && value.size() > limit && !(scope == LimitScope::TypedText && untouched))
        fail(widget, QStringLiteral("Please enter no more than %1 characters.").arg(limit));
}

void DataExchange::integer(int id, int& value) {
    QWidget* widget = failed_ ? nullptr : control(id);
    if (!widget)
        return;
    if (toControls()) {
        WriteText(widget, QString::number(value), 0);
        return;
    }
    bool isNumber = false;
    const int number = ReadText(widget).trimmed().toInt(&isNumber, 10);
    if (!isNumber) {
        fail(widget, QStringLiteral("Please enter an integer."));
        return;
    }
    value = number;
}

void DataExchange::check(int id, int& value) {
    auto* box = failed_ ? nullptr : qobject_cast<QCheckBox*>(control(id));
    if (!box)
        return;
    if (toControls()) {
        if (value < 0 || value > 2)
            value = 0;
        if (value == 2)
            box->setTristate(true);
        box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked
                                                                 : Qt::Unchecked);
        return;
    }
    const Qt::CheckState state = box->checkState();
    value = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

void DataExchange::selection(int id, int& index) {
    QWidget* widget = failed_ ? nullptr : control(id);
    if (!widget)
        return;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (toControls())
            combo->setCurrentIndex(index >= -1 && index < combo->count() ? index : -1);
        else
            index = combo->currentIndex();
    } else if (auto* list = qobject_cast<QListView*>(widget)) {
        QAbstractItemModel* model = list->model();
        const int rows = model ? model->rowCount() : 0;
        if (toControls()) {
            if (model && index >= 0 && index < rows)
                list->setCurrentIndex(model->index(index, 0));
            else if (list->selectionModel())
                list->selectionModel()->clear();
        } else {
            const QModelIndex current = list->currentIndex();
            index = current.isValid() && list->selectionModel()->isSelected(current) ? current.row() : -1;
        }
    }
}

}  // namespace tarvel
