#include "framework/DialogBuilder.h"
#include "framework/SpinControl.h"
#include "framework/TemplateForm.h"
#include "resources/Templates.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tarvel;

Q_DECLARE_METATYPE(QList<int>)

namespace {

// The ids of the focused control as Tab moves through `window`, `count` times.
QList<int> TabWalk(QWidget* window, int firstId, int count) {
    QList<int> ids;
    FindControl(window, firstId)->setFocus();
    for (int i = 0; i < count; ++i) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            break;
        // A combo box with an edit field gives the focus to that field.
        while (focused && !focused->objectName().startsWith(QLatin1String("control")))
            focused = focused->parentWidget();
        ids.append(focused ? focused->objectName().mid(7).toInt() : 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return ids;
}

}  // namespace

class DialogBuilderTest : public QObject {
    Q_OBJECT
private slots:
    void dialogUnitsRoundToNearest_data();
    void dialogUnitsRoundToNearest();
    void templateFontsMapToInstalledFamilies_data();
    void templateFontsMapToInstalledFamilies();
    void everyControlSitsAtItsTemplatePlace_data();
    void everyControlSitsAtItsTemplatePlace();
    void tabFollowsTemplateOrder_data();
    void tabFollowsTemplateOrder();
    void recordFormCombosHoldTheirItemsWithoutSelection();
    void recordFormStylesShow();
    void groupBoxesLeaveClicksToTheControlsInside();
    void modeSelectGridAndSpinBuddy();
};

void DialogBuilderTest::dialogUnitsRoundToNearest_data() {
    QTest::addColumn<int>("baseX");
    QTest::addColumn<int>("baseY");
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("exact") << 6 << 16 << QRect(4, 8, 40, 16) << QRect(6, 16, 60, 32);
    QTest::newRow("halves round up") << 6 << 13 << QRect(84, 9, 14, 12) << QRect(126, 15, 21, 20);
    QTest::newRow("below half rounds down") << 7 << 15 << QRect(1, 1, 3, 5) << QRect(2, 2, 5, 9);
    QTest::newRow("origin") << 5 << 12 << QRect(0, 0, 0, 0) << QRect(0, 0, 0, 0);
}

void DialogBuilderTest::dialogUnitsRoundToNearest() {
    QFETCH(int, baseX);
    QFETCH(int, baseY);
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    QCOMPARE((DialogUnits{baseX, baseY}.toPixels(units)), pixels);
}

void DialogBuilderTest::templateFontsMapToInstalledFamilies_data() {
    QTest::addColumn<QString>("templateFamily");
    QTest::addColumn<QString>("family");
    QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
}

void DialogBuilderTest::templateFontsMapToInstalledFamilies() {
    QFETCH(QString, templateFamily);
    QFETCH(QString, family);
    QCOMPARE(MappedFontFamily(templateFamily), family);
    const QFont font = TemplateFont(templateFamily, 10);
    QCOMPARE(QFontInfo(font).family(), family);
    QCOMPARE(font.pointSize(), 10);
    // The average character width is that of the alphabet, as dialogs measure it.
    const DialogUnits units = DialogUnits::ForFont(font);
    QVERIFY(units.baseX > 3 && units.baseX < units.baseY);
}

void DialogBuilderTest::everyControlSitsAtItsTemplatePlace_data() {
    QTest::addColumn<int>("templateId");
    for (int id : {100, 101, 136, 138, 212})
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void DialogBuilderTest::everyControlSitsAtItsTemplatePlace() {
    QFETCH(int, templateId);
    const DialogTemplate* tmpl = res::FindDialogTemplate(templateId);
    QVERIFY(tmpl);
    QWidget parent;
    const BuiltTemplate built = BuildControls(*tmpl, &parent);
    const DialogUnits units = DialogUnits::ForFont(TemplateFont(tmpl->fontName, tmpl->pointSize));
    QCOMPARE(built.units.baseX, units.baseX);
    QCOMPARE(built.units.baseY, units.baseY);
    QCOMPARE(built.clientSize,
             QSize(built.units.toPixelsX(tmpl->rect.width()), built.units.toPixelsY(tmpl->rect.height())));
    int index = 0;
    for (const ControlTemplate& c : tmpl->controls) {
        const QString name = c.id == kNoControlId ? StaticControlName(index) : ControlName(c.id);
        QWidget* widget = parent.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(widget, qPrintable(name));
        const QRect expected = built.units.toPixels(c.rect);
        if (qobject_cast<QComboBox*>(widget)) {
            // The template gives a combo box the height of its open list.
            QCOMPARE(widget->geometry().topLeft(), expected.topLeft());
            QCOMPARE(widget->width(), expected.width());
            QVERIFY(widget->height() <= expected.height());
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap()) {
            // A one-line label grows sideways until its whole text shows.
            QCOMPARE(widget->y(), expected.y());
            QCOMPARE(widget->height(), expected.height());
            QVERIFY(widget->geometry().left() <= expected.left());
            QVERIFY(widget->geometry().right() >= expected.right());
            QVERIFY(widget->width() > label->fontMetrics().horizontalAdvance(label->text()));
        } else {
            QCOMPARE(widget->geometry(), expected);
        }
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), c.text);
        ++index;
    }
}

void DialogBuilderTest::tabFollowsTemplateOrder_data() {
    QTest::addColumn<int>("templateId");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("record form")
        << 101
        << QList<int>{1000, 1004, 1006, 1008, 1010, 1019, 1021, 1014, 1015, 1016,
                      1023, 1017, 1028, 1030, 1027, 1000};
    QList<int> modeSelect;
    for (int id = 1504; id <= 1548; ++id)
        modeSelect.append(id);
    modeSelect << 1 << 1034 << 1033 << 2 << 1504;
    QTest::newRow("mode select data") << 212 << modeSelect;
    QTest::newRow("mode page choice") << 136 << QList<int>{1030, 2, 1031, 1030};
    QTest::newRow("select record") << 138 << QList<int>{1, 2, 1032, 1};
}

void DialogBuilderTest::tabFollowsTemplateOrder() {
    QFETCH(int, templateId);
    QFETCH(QList<int>, order);
    TemplateForm window(*res::FindDialogTemplate(templateId));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(TabWalk(&window, order.first(), static_cast<int>(order.size())), order);
}

void DialogBuilderTest::recordFormCombosHoldTheirItemsWithoutSelection() {
    QWidget form;
    BuildControls(res::RecordFormTemplate(), &form);
    const auto items = [&](int id) {
        QStringList texts;
        auto* combo = FindControl<QComboBox>(&form, id);
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts;
    };
    QCOMPARE(items(1014), (QStringList{"Adaptec", "AMI NETRAID", "Mylex", "Symbios", "Other",
                                       QString(8, u' ')}));
    QCOMPARE(items(1015), (QStringList{"Seagate", "Seagate Multi-Chunk", "Quantum",
                                       "Quantum Multi-Chunk", "IBM", "IBM Multi-Chunk",
                                       QString(9, u' ')}));
    QCOMPARE(items(1016), (QStringList{"Manditory", "Optional", QString(8, u' ')}));
    for (int id : {1014, 1015, 1016}) {
        auto* combo = FindControl<QComboBox>(&form, id);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->isEditable(), id != 1014);
        QVERIFY(combo->currentText().isEmpty());
    }
}

void DialogBuilderTest::recordFormStylesShow() {
    TemplateForm form(res::RecordFormTemplate());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* recordNumber = form.control<QLineEdit>(1000);
    QVERIFY(recordNumber->alignment() & Qt::AlignHCenter);
    auto* pages = form.control<QLineEdit>(1012);
    QVERIFY(pages->isReadOnly());
    QVERIFY(!pages->hasFrame());
    QVERIFY(pages->alignment() & Qt::AlignHCenter);
    QCOMPARE(pages->focusPolicy(), Qt::ClickFocus);
    QVERIFY(!form.control(1002)->isVisible());
    QVERIFY(form.control(1004)->isVisible());
    QCOMPARE(form.control<QGroupBox>(1029)->title(), QStringLiteral("Upgrade Notes"));
    QCOMPARE(QFontInfo(form.font()).family(), QStringLiteral("Liberation Serif"));
    for (int id : {1017, 1027, 1028, 1030})
        QVERIFY(!form.control<QPushButton>(id)->isDefault());
}

void DialogBuilderTest::groupBoxesLeaveClicksToTheControlsInside() {
    TemplateForm form(res::RecordFormTemplate());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // Upgrade Notes comes before its frame (1029) in the template, Vendor after its frame.
    for (int id : {1023, 1004}) {
        QWidget* control = form.control(id);
        const QPoint centre = control->geometry().center();
        QWidget* hit = form.childAt(centre);
        QVERIFY2(hit == control || control->isAncestorOf(hit), qPrintable(QString::number(id)));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centre);
        QTRY_VERIFY(control->hasFocus());
    }
}

void DialogBuilderTest::modeSelectGridAndSpinBuddy() {
    const DialogTemplate& tmpl = res::ModeSelectTemplate();
    QWidget dialog;
    const BuiltTemplate built = BuildControls(tmpl, &dialog);
    // Spot checks against the rows: first and last field of each row.
    const struct { int slot; int x; int y; } places[] = {
        {0, 84, 9},   {1, 84, 23},   {4, 153, 23},  {5, 84, 37},  {12, 242, 37},
        {13, 14, 79}, {28, 354, 79}, {29, 14, 105}, {37, 196, 105}, {44, 354, 105},
    };
    for (const auto& place : places) {
        QWidget* field = FindControl<QLineEdit>(&dialog, res::ModeSelectFieldId(place.slot));
        QVERIFY2(field, qPrintable(QString::number(place.slot)));
        QCOMPARE(field->geometry(), built.units.toPixels(QRect(place.x, place.y, 14, 12)));
    }
    auto* spin = FindControl<SpinControl>(&dialog, 1033);
    QVERIFY(spin);
    QCOMPARE(spin->buddy(), FindControl<QLineEdit>(&dialog, 1034));
    QVERIFY(spin->wrapping());
    QVERIFY(FindControl<QLineEdit>(&dialog, 1034)->isReadOnly());
    auto* spBit = FindControl<QCheckBox>(&dialog, 1473);
    QVERIFY(!spBit->isEnabled());
    QVERIFY(spBit->isHidden());
    QVERIFY(FindControl<QPushButton>(&dialog, 1)->isDefault());
    QCOMPARE(dialog.findChild<QWidget*>(StaticControlName(54))->accessibleName(),
             QStringLiteral("0 1 2 3 4 5 6 7 8 9 0A 0B 0C 0D 0E 0F"));
}

QTEST_MAIN(DialogBuilderTest)
#include "DialogBuilderTest.moc"
