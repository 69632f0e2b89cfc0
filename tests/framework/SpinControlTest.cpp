#include "framework/SpinControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tarvel;

namespace {

// A spin control over 1..3 with its buddy, in a window of its own.
struct SpinFixture {
    QWidget window;
    QLineEdit* buddy = new QLineEdit(&window);
    SpinControl* spin = new SpinControl(&window);
    QList<int> requests;  // deltas asked for, with the position at the time of asking
    QList<int> positionsWhenAsked;

    explicit SpinFixture(bool wrapping) {
        buddy->setGeometry(0, 0, 40, 20);
        spin->setGeometry(50, 0, 60, 20);
        spin->setBuddy(buddy);
        spin->setRange(1, 3);
        spin->setWrapping(wrapping);
        spin->setPosition(1);
        spin->setStepRequest([this](int delta) {
            requests.append(delta);
            positionsWhenAsked.append(spin->position());
            return true;
        });
        window.show();
    }
};

enum class Input { LeftArrow, RightArrow, LeftKey, RightKey, UpKey, DownKey };

void Press(SpinControl* spin, Input input) {
    const QPoint left(spin->width() / 4, spin->height() / 2);
    const QPoint right(3 * spin->width() / 4, spin->height() / 2);
    switch (input) {
    case Input::LeftArrow: QTest::mouseClick(spin, Qt::LeftButton, {}, left); break;
    case Input::RightArrow: QTest::mouseClick(spin, Qt::LeftButton, {}, right); break;
    case Input::LeftKey: QTest::keyClick(spin, Qt::Key_Left); break;
    case Input::RightKey: QTest::keyClick(spin, Qt::Key_Right); break;
    case Input::UpKey: QTest::keyClick(spin, Qt::Key_Up); break;
    case Input::DownKey: QTest::keyClick(spin, Qt::Key_Down); break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Input)

class SpinControlTest : public QObject {
    Q_OBJECT
private slots:
    void stepsAskFirstThenMoveAndWrap_data();
    void stepsAskFirstThenMoveAndWrap();
    void refusedStepChangesNothing();
    void buddyFollowsRangeAndPosition();
    void tabReachesItAndArrowKeysStep();
};

void SpinControlTest::stepsAskFirstThenMoveAndWrap_data() {
    QTest::addColumn<bool>("wrapping");
    QTest::addColumn<int>("start");
    QTest::addColumn<Input>("input");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("position");
    QTest::newRow("right arrow forward") << true << 1 << Input::RightArrow << 1 << 2;
    QTest::newRow("left arrow back") << true << 2 << Input::LeftArrow << -1 << 1;
    QTest::newRow("right key forward") << true << 2 << Input::RightKey << 1 << 3;
    QTest::newRow("up key forward") << true << 2 << Input::UpKey << 1 << 3;
    QTest::newRow("down key back") << true << 2 << Input::DownKey << -1 << 1;
    QTest::newRow("forward from the end wraps") << true << 3 << Input::RightArrow << 1 << 1;
    QTest::newRow("back from the start wraps") << true << 1 << Input::LeftKey << -1 << 3;
    QTest::newRow("no wrapping stops at the end") << false << 3 << Input::RightKey << 1 << 3;
    QTest::newRow("no wrapping stops at the start") << false << 1 << Input::LeftArrow << -1 << 1;
}

void SpinControlTest::stepsAskFirstThenMoveAndWrap() {
    QFETCH(bool, wrapping);
    QFETCH(int, start);
    QFETCH(Input, input);
    QFETCH(int, delta);
    QFETCH(int, position);
    SpinFixture f(wrapping);
    f.spin->setPosition(start);
    f.spin->setFocus();
    Press(f.spin, input);
    QCOMPARE(f.requests, QList<int>{delta});
    QCOMPARE(f.positionsWhenAsked, QList<int>{start});
    QCOMPARE(f.spin->position(), position);
    QCOMPARE(f.buddy->text(), QString::number(position));
}

void SpinControlTest::refusedStepChangesNothing() {
    SpinFixture f(true);
    f.spin->setPosition(2);
    f.spin->setStepRequest([](int) { return false; });
    QSignalSpy moved(f.spin, &SpinControl::positionChanged);
    f.spin->setFocus();
    Press(f.spin, Input::RightKey);
    Press(f.spin, Input::LeftArrow);
    QCOMPARE(f.spin->position(), 2);
    QCOMPARE(f.buddy->text(), QStringLiteral("2"));
    QCOMPARE(moved.count(), 0);
}

void SpinControlTest::buddyFollowsRangeAndPosition() {
    SpinFixture f(true);
    f.spin->setRange(1, 7);
    f.spin->setPosition(9);
    QCOMPARE(f.spin->position(), 7);
    QCOMPARE(f.buddy->text(), QStringLiteral("7"));
    f.spin->setRange(1, 2);
    QCOMPARE(f.buddy->text(), QStringLiteral("2"));
    f.spin->setEnabled(false);
    Press(f.spin, Input::RightArrow);
    QCOMPARE(f.spin->position(), 2);
}

void SpinControlTest::tabReachesItAndArrowKeysStep() {
    SpinFixture f(true);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.buddy->setFocus();
    QTest::keyClick(f.buddy, Qt::Key_Tab);
    QTRY_VERIFY(f.spin->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(f.buddy->text(), QStringLiteral("2"));
}

QTEST_MAIN(SpinControlTest)
#include "SpinControlTest.moc"
