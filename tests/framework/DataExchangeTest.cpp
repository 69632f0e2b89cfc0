#include "framework/MessageBoxes.h"
#include "framework/MultiLineEdit.h"
#include "framework/TemplateForm.h"
#include "framework/TextLimit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace tarvel;

namespace {

DialogTemplate ExchangeTemplate() {
    const ControlStyles field = ControlStyle::Border | ControlStyle::TabStop;
    DialogTemplate tmpl;
    tmpl.id = 900;
    tmpl.rect = QRect(0, 0, 200, 140);
    tmpl.fontName = QStringLiteral("MS Sans Serif");
    tmpl.controls = {
        {10, ControlKind::Edit, {}, QRect(5, 5, 60, 12), field, {}, {}, 0},
        {11, ControlKind::Edit, {}, QRect(5, 20, 60, 12), field, {}, {}, 0},
        {12, ControlKind::Edit, {}, QRect(5, 35, 100, 40), field | ControlStyle::MultiLine, {}, {}, 0},
        {13, ControlKind::Edit, {}, QRect(5, 80, 30, 12), field, {}, {}, 0},
        {14, ControlKind::Edit, {}, QRect(5, 95, 30, 12), field, {}, {}, 0},
        {15, ControlKind::CheckBox, QStringLiteral("Flag"), QRect(5, 110, 50, 10), field, {}, {}, 0},
        {16, ControlKind::ComboDropDownList, {}, QRect(120, 5, 60, 50), field,
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, {}, 0},
    };
    return tmpl;
}

// A form whose exchange runs: 10, 11 (limit 4), 12 (text box, limit 8), 13 (limit 2),
// 14 (integer), 15 (check box), 16 (selection).
class ExchangeForm : public TemplateForm {
public:
    ExchangeForm() : TemplateForm(ExchangeTemplate()) {}
    QString plain = "old", limited = "old", notes = "old", pair = "ol";
    int number = 7, flag = 0, choice = -1;

protected:
    void doDataExchange(DataExchange& dx) override {
        dx.text(10, plain);
        dx.text(11, limited, 4);
        dx.text(12, notes, 8);
        dx.text(13, pair, 2);
        dx.integer(14, number);
        dx.check(15, flag);
        dx.selection(16, choice);
    }
};

QString SelectedText(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->selectedText();
    return static_cast<QPlainTextEdit*>(widget)->textCursor().selectedText();
}

QString Text(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return static_cast<QPlainTextEdit*>(widget)->toPlainText();
}

void SetText(QWidget* widget, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        SetLimitedText(edit, text);
    else
        static_cast<QPlainTextEdit*>(widget)->setPlainText(text);
}

}  // namespace

class DataExchangeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvan Tarvel")); }
    void exchangeStopsAtFirstViolation_data();
    void exchangeStopsAtFirstViolation();
    void longTextFromProgramShowsWholeAndOnlyShrinks();
    void typingAndPastingStopAtTheLimit_data();
    void typingAndPastingStopAtTheLimit();
    void textBoxKeys();
    void fullTextBoxRefusesMore();
    void checkAndSelectionRoundTrip();
};

void DataExchangeTest::exchangeStopsAtFirstViolation_data() {
    QTest::addColumn<int>("badId");
    QTest::addColumn<QString>("badText");
    QTest::addColumn<QString>("message");
    QTest::newRow("all within limits") << 0 << QString() << QString();
    QTest::newRow("limited field") << 11 << "12345" << "Please enter no more than 4 characters.";
    QTest::newRow("text box") << 12 << "123456789" << "Please enter no more than 8 characters.";
    QTest::newRow("two-character field") << 13 << "XXX" << "Please enter no more than 2 characters.";
    QTest::newRow("integer field") << 14 << "4 2" << "Please enter an integer.";
    QTest::newRow("integer field, empty") << 14 << "" << "Please enter an integer.";
}

void DataExchangeTest::exchangeStopsAtFirstViolation() {
    QFETCH(int, badId);
    QFETCH(QString, badText);
    QFETCH(QString, message);
    RecordedMessageBoxes boxes;
    ExchangeForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.updateData(false);
    QCOMPARE(form.control<QLineEdit>(14)->text(), QStringLiteral("7"));

    SetText(form.control(10), "new");
    SetText(form.control(11), "abcd");
    SetText(form.control(12), "notes");
    SetText(form.control(13), "zz");
    SetText(form.control(14), " 42 ");
    form.control<QCheckBox>(15)->setChecked(true);
    form.control<QComboBox>(16)->setCurrentIndex(2);
    if (badId)
        SetText(form.control(badId), badText);
    form.control(10)->setFocus();

    const bool ok = form.updateData(true);
    QCOMPARE(ok, message.isEmpty());
    QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    // Fields before the bad one take the controls' values; those after keep theirs.
    const int stop = badId ? badId : 100;
    QCOMPARE(form.plain, QStringLiteral("new"));
    QCOMPARE(form.limited, stop > 11 ? QStringLiteral("abcd") : badText);
    QCOMPARE(form.notes, stop > 12 ? QStringLiteral("notes") : stop == 12 ? badText : "old");
    QCOMPARE(form.pair, stop > 13 ? QStringLiteral("zz") : stop == 13 ? badText : "ol");
    QCOMPARE(form.number, stop > 14 ? 42 : 7);
    QCOMPARE(form.flag, stop > 14 ? 1 : 0);
    QCOMPARE(form.choice, stop > 14 ? 2 : -1);
    if (badId) {
        const auto& shown = boxes.messages.first();
        QCOMPARE(shown.icon, MessageIcon::Exclamation);
        QCOMPARE(shown.caption, QStringLiteral("Orvan Tarvel"));
        QTRY_VERIFY(form.control(badId)->hasFocus());
        QCOMPARE(SelectedText(form.control(badId)), Text(form.control(badId)));
    }
}

void DataExchangeTest::longTextFromProgramShowsWholeAndOnlyShrinks() {
    RecordedMessageBoxes boxes;
    ExchangeForm form;
    form.limited = "0012345";
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.updateData(false);
    auto* edit = form.control<QLineEdit>(11);
    QCOMPARE(edit->text(), QStringLiteral("0012345"));

    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_6);
    QCOMPARE(edit->text(), QStringLiteral("0012345"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_9);
    QCOMPARE(edit->text(), QStringLiteral("001234"));
    // The cursor stays where the user left it while the field shrinks.
    edit->setCursorPosition(2);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("004"));
    QCOMPARE(edit->cursorPosition(), 2);
    QTest::keyClicks(edit, "789");
    QCOMPARE(edit->text(), QStringLiteral("0074"));
    QVERIFY(form.updateData(true));

    form.limited = "0012345";
    form.updateData(false);
    QVERIFY(!form.updateData(true));
    QCOMPARE(boxes.texts(), QStringList{"Please enter no more than 4 characters."});
}

void DataExchangeTest::typingAndPastingStopAtTheLimit_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("expected");
    QTest::newRow("field, typed") << 11 << false << "abcd";
    QTest::newRow("field, pasted") << 11 << true << "abcd";
    QTest::newRow("text box, typed") << 12 << false << "abcdefgh";
    QTest::newRow("text box, pasted") << 12 << true << "abcdefgh";
    QTest::newRow("two-character field, typed") << 13 << false << "ab";
}

void DataExchangeTest::typingAndPastingStopAtTheLimit() {
    QFETCH(int, id);
    QFETCH(bool, paste);
    QFETCH(QString, expected);
    ExchangeForm form;
    form.limited = form.notes = form.pair = QString();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.updateData(false);
    QWidget* control = form.control(id);
    control->setFocus();
    if (paste) {
        QApplication::clipboard()->setText(QStringLiteral("abcdefghijkl"));
        QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(control, "abcdefghijkl");
    }
    QCOMPARE(Text(control), expected);
}

void DataExchangeTest::textBoxKeys() {
    ExchangeForm form;
    form.notes = QString();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.updateData(false);
    auto* notes = form.control<QPlainTextEdit>(12);
    notes->setFocus();
    QTest::keyClicks(notes, "ab");
    QTest::keyClick(notes, Qt::Key_Return);
    QCOMPARE(notes->toPlainText(), QStringLiteral("ab"));
    QTest::keyClick(notes, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(notes, "c");
    QCOMPARE(notes->toPlainText(), QStringLiteral("ab\nc"));
    QTest::keyClick(notes, Qt::Key_Tab);
    QTRY_VERIFY(form.control(13)->hasFocus());
    QCOMPARE(notes->toPlainText(), QStringLiteral("ab\nc"));
}

void DataExchangeTest::fullTextBoxRefusesMore() {
    MultiLineEdit box;
    box.setKeepWithinBox(true);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.resize(120, 60);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    const QString words = QString("abcdefghij").repeated(50);
    QTest::keyClicks(&box, words);
    const auto kept = box.toPlainText().size();
    QVERIFY(kept > 10);
    QVERIFY(kept < words.size());
    QCOMPARE(box.verticalScrollBar()->maximum(), 0);
    // Deleting makes room again.
    const QString full = box.toPlainText();
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, full.right(1));
    QCOMPARE(box.toPlainText().size(), kept);
}

void DataExchangeTest::checkAndSelectionRoundTrip() {
    ExchangeForm form;
    form.flag = 5;  // out of range: shows clear
    form.choice = 1;
    form.updateData(false);
    QCOMPARE(form.control<QCheckBox>(15)->checkState(), Qt::Unchecked);
    QCOMPARE(form.control<QComboBox>(16)->currentIndex(), 1);
    form.flag = 1;
    form.choice = -1;
    form.updateData(false);
    QCOMPARE(form.control<QCheckBox>(15)->checkState(), Qt::Checked);
    QCOMPARE(form.control<QComboBox>(16)->currentIndex(), -1);
    form.control<QCheckBox>(15)->setChecked(false);
    form.control<QComboBox>(16)->setCurrentIndex(0);
    form.updateData(true);
    QCOMPARE(form.flag, 0);
    QCOMPARE(form.choice, 0);
}

QTEST_MAIN(DataExchangeTest)
#include "DataExchangeTest.moc"
