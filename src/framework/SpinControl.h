#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

#include <QLineEdit>

namespace tarvel {

/// An up-down control with horizontal arrows: the left arrow steps back, the right one
/// forward; with the focus, the Left/Down keys step back and the Right/Up keys forward.
/// Each step first asks its owner (stepRequest), then moves the position within the
/// range, wrapping from one end to the other when wrapping is on, and writes the new
/// position into the buddy field as a decimal number.
class SpinControl : public QWidget {
    Q_OBJECT
public:
    /// Answers a step of `delta` (-1 or +1) from the current position before it is
    /// made; returning false refuses it.
    using StepRequest = std::function<bool(int delta)>;

    explicit SpinControl(QWidget* parent = nullptr);

    /// The range; the position is brought into it.
    void setRange(int lowest, int highest);
    int minimum() const { return lowest_; }
    int maximum() const { return highest_; }

    /// The position, written into the buddy; brought into the range.
    void setPosition(int position);
    int position() const { return position_; }

    void setWrapping(bool on) { wrapping_ = on; }
    bool wrapping() const { return wrapping_; }
    void setArrowKeys(bool on) { arrowKeys_ = on; }

    /// The field that shows the position (may be null).
    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return buddy_; }

    /// The owner's answer to each step; none lets every step through.
    void setStepRequest(StepRequest request) { stepRequest_ = std::move(request); }

    /// Makes one step as a click on an arrow would: asks, then moves. Returns whether
    /// the position changed.
    bool step(int delta);

    QSize sizeHint() const override;

signals:
    /// The position changed by a step or by setPosition.
    void positionChanged(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void writeBuddy();
    /// The arrow under `point`: -1 left, +1 right.
    int arrowAt(const QPoint& point) const;

    int lowest_ = 0;
    int highest_ = 100;
    int position_ = 0;
    bool wrapping_ = false;
    bool arrowKeys_ = true;
    QPointer<QLineEdit> buddy_;
    StepRequest stepRequest_;
};

}  // namespace tarvel
