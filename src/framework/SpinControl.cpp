#include "framework/SpinControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace tarvel {

SpinControl::SpinControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void SpinControl::setRange(int lowest, int highest) {
    lowest_ = std::min(lowest, highest);
    highest_ = std::max(lowest, highest);
    setPosition(position_);
}

void SpinControl::setPosition(int position) {
    const int clamped = std::clamp(position, lowest_, highest_);
    const bool changed = clamped != position_;
    position_ = clamped;
    writeBuddy();
    if (changed)
        emit positionChanged(position_);
}

void SpinControl::setBuddy(QLineEdit* buddy) {
    buddy_ = buddy;
    writeBuddy();
}

void SpinControl::writeBuddy() {
    if (buddy_)
        buddy_->setText(QString::number(position_));
}

bool SpinControl::step(int delta) {
    if (delta == 0 || !isEnabled())
        return false;
    if (stepRequest_ && !stepRequest_(delta))
        return false;
    int next = position_ + (delta < 0 ? -1 : 1);
    if (next < lowest_)
        next = wrapping_ ? highest_ : lowest_;
    else if (next > highest_)
        next = wrapping_ ? lowest_ : highest_;
    if (next == position_)
        return false;
    position_ = next;
    writeBuddy();
    emit positionChanged(position_);
    return true;
}

int SpinControl::arrowAt(const QPoint& point) const {
    return point.x() < width() / 2 ? -1 : 1;
}

QSize SpinControl::sizeHint() const {
    const int side = fontMetrics().height();
    return QSize(2 * side, side);
}

void SpinControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int half = width() / 2;
    const QRect halves[] = {QRect(0, 0, half, height()), QRect(half, 0, width() - half, height())};
    const QStyle::PrimitiveElement arrows[] = {QStyle::PE_IndicatorArrowLeft,
                                               QStyle::PE_IndicatorArrowRight};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(2, 2, -2, -2);
        style()->drawPrimitive(arrows[i], &arrow, &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void SpinControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    step(arrowAt(event->position().toPoint()));
    event->accept();
}

void SpinControl::keyPressEvent(QKeyEvent* event) {
    if (arrowKeys_) {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            step(-1);
            event->accept();
            return;
        case Qt::Key_Right:
        case Qt::Key_Up:
            step(1);
            event->accept();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tarvel
