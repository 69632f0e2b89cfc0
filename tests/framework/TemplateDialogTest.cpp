#include "framework/MessageBoxes.h"
#include "framework/TemplateDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tarvel;

namespace {

DialogTemplate SmallTemplate() {
    DialogTemplate tmpl;
    tmpl.id = 901;
    tmpl.caption = QStringLiteral("Small ");
    tmpl.rect = QRect(0, 0, 120, 60);
    tmpl.fontName = QStringLiteral("MS Sans Serif");
    tmpl.styles = DialogStyle::Popup | DialogStyle::Caption | DialogStyle::ModalFrame |
                  DialogStyle::Center;
    tmpl.controls = {
        {100, ControlKind::Edit, {}, QRect(5, 5, 40, 12),
         ControlStyle::Border | ControlStyle::TabStop, {}, {}, 0},
        {1, ControlKind::DefPushButton, QStringLiteral("OK"), QRect(5, 40, 40, 14),
         ControlStyle::TabStop, {}, {}, 0},
        {2, ControlKind::PushButton, QStringLiteral("Cancel"), QRect(60, 40, 40, 14),
         ControlStyle::TabStop, {}, {}, 0},
        {3, ControlKind::PushButton, QStringLiteral("Fail"), QRect(60, 20, 40, 14),
         ControlStyle::TabStop, {}, {}, 0},
    };
    return tmpl;
}

// A dialog with one text member limited to 2 characters.
class SmallDialog : public TemplateDialog {
public:
    SmallDialog() : TemplateDialog(SmallTemplate()) {
        onClicked(3, [] { throw 42; });
    }
    QString value = QStringLiteral("ab");
    bool endAtInit = false;

protected:
    void doDataExchange(DataExchange& dx) override { dx.text(100, value, 2); }
    void onInitDialog() override {
        TemplateDialog::onInitDialog();
        if (endAtInit)
            endDialog(kResultCancel);
    }
};

// Runs `steps` inside the modal loop of the dialog that opens next.
void WhenModal(std::function<void(QWidget*)> steps) {
    QTimer::singleShot(0, [steps = std::move(steps)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        steps(modal);
    });
}

}  // namespace

class TemplateDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvan Tarvel")); }
    void ways_to_close_data();
    void ways_to_close();
    void okWithBadValueKeepsTheDialogOpen();
    void endedDuringInitialisationNeverShows();
    void buttonErrorIsShownAndDialogGoesOn();
};

void TemplateDialogTest::ways_to_close_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("value");
    QTest::newRow("OK button") << "ok" << 1 << "xy";
    QTest::newRow("Enter") << "enter" << 1 << "xy";
    QTest::newRow("Cancel button") << "cancel" << 2 << "ab";
    QTest::newRow("Escape") << "escape" << 2 << "ab";
}

void TemplateDialogTest::ways_to_close() {
    QFETCH(QString, how);
    QFETCH(int, result);
    QFETCH(QString, value);
    SmallDialog dialog;
    bool shownFilled = false;
    WhenModal([&](QWidget* modal) {
        QCOMPARE(modal, &dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Small "));
        auto* edit = dialog.control<QLineEdit>(100);
        shownFilled = edit->text() == QStringLiteral("ab");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "xyz");
        if (how == "ok")
            QTest::mouseClick(dialog.control<QPushButton>(1), Qt::LeftButton);
        else if (how == "cancel")
            QTest::mouseClick(dialog.control<QPushButton>(2), Qt::LeftButton);
        else
            QTest::keyClick(edit, how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
    });
    QCOMPARE(dialog.runModal(), result);
    QVERIFY(shownFilled);
    QCOMPARE(dialog.value, value);
}

void TemplateDialogTest::okWithBadValueKeepsTheDialogOpen() {
    RecordedMessageBoxes boxes;
    SmallDialog dialog;
    dialog.value = QStringLiteral("toolong");
    WhenModal([&](QWidget*) {
        QCOMPARE(dialog.control<QLineEdit>(100)->text(), QStringLiteral("toolong"));
        QTest::mouseClick(dialog.control<QPushButton>(1), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(boxes.texts(), QStringList{"Please enter no more than 2 characters."});
        QTest::mouseClick(dialog.control<QPushButton>(2), Qt::LeftButton);
    });
    QCOMPARE(dialog.runModal(), kResultCancel);
}

void TemplateDialogTest::endedDuringInitialisationNeverShows() {
    SmallDialog dialog;
    dialog.endAtInit = true;
    QCOMPARE(dialog.runModal(), kResultCancel);
    QVERIFY(!dialog.isVisible());
}

void TemplateDialogTest::buttonErrorIsShownAndDialogGoesOn() {
    RecordedMessageBoxes boxes;
    SmallDialog dialog;
    WhenModal([&](QWidget*) {
        QTest::mouseClick(dialog.control<QPushButton>(3), Qt::LeftButton);
        QCOMPARE(boxes.texts(), QStringList{"Internal application error."});
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.control<QPushButton>(1), Qt::LeftButton);
    });
    QCOMPARE(dialog.runModal(), kResultOk);
}

QTEST_MAIN(TemplateDialogTest)
#include "TemplateDialogTest.moc"
