#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "catalog/CatalogState.h"
#include "form/FormIds.h"
#include "form/TarvelView.h"
#include "framework/SpinControl.h"
#include "modepages/ModePageList.h"
#include "modepages/ModeSelectDlg.h"

namespace tarvel {

namespace {

QLineEdit* Field(QWidget* dialog, int slot) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("control%1").arg(1504 + slot));
}

QStringList FieldTexts(QWidget* dialog) {
    QStringList texts;
    for (int slot = 0; slot < 45; ++slot)
        texts << Field(dialog, slot)->text();
    return texts;
}

SpinControl* Spin(QWidget* dialog) { return dialog->findChild<SpinControl*>(QStringLiteral("control1033")); }
QLineEdit* Buddy(QWidget* dialog) { return dialog->findChild<QLineEdit*>(QStringLiteral("control1034")); }

void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

/// A record line with `count` pages; page p has page number p (two digits) and its
/// Page Data byte 0 set to "P<p>".
QByteArray RecordWithPages(int count, const char* countText = nullptr) {
    QByteArray line = "0005,6/3/97,V,P,1,2,3,1,2,3,F.BIN,";
    line += countText ? QByteArray(countText) : QByteArray::number(count).rightJustified(2, '0');
    line += ",";
    for (int p = 1; p <= count; ++p) {
        line += QByteArray::number(p).rightJustified(2, '0') + "|";
        for (int slot = 1; slot < 45; ++slot)
            line += (slot == 13 ? "P" + QByteArray::number(p) : QByteArray("XX")) + (slot == 44 ? "," : "|");
    }
    return line + "Notes";
}

void Load(CTarvelView& view, const QByteArray& line) {
    RecordLineBuffer() = line.toStdString();
    view.ReadCatalogRecord();
}

/// Answers the choice dialog with the button `id` (1030 edit, 1031 add, 2 cancel).
void Choose(int id) {
    testing::WhenModal([id](QWidget* choice) {
        QTest::mouseClick(choice->findChild<QPushButton*>(QStringLiteral("control%1").arg(id)),
                          Qt::LeftButton);
    });
}

QString PageData0(int page) {
    auto pos = ModePages().list.first();
    for (int i = 1; i < page; ++i)
        pos = ModePages().list.next(pos);
    return QString::fromStdString(SlotText(*ModePages().list.entryAt(pos), 13));
}

}  // namespace

class ModePagesTest : public QObject {
    Q_OBJECT

private slots:
    void aFreshFormGoesStraightToABlankPage() {
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        view.OnInitialUpdate();
        QStringList shown;
        bool spinVisible = true;
        QString title;
        testing::WhenModal([&](QWidget* dialog) {
            shown = FieldTexts(dialog);
            spinVisible = Spin(dialog)->isVisible() || Buddy(dialog)->isVisible();
            title = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        view.OnModePageData();
        QStringList initial{"00"};
        for (int i = 0; i < 44; ++i)
            initial << "XX";
        QCOMPARE(shown, initial);
        QVERIFY(!spinVisible);
        QCOMPARE(title, QStringLiteral("Mode Select Data "));
        QCOMPARE(view.control<QLineEdit>(kNumberOfModePages)->text(), QStringLiteral("00"));
        QVERIFY(ModePages().list.empty());
        QCOMPARE(ModePages().addNew + ModePages().editExisting, 0);

        testing::WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        view.OnModePageData();
        QCOMPARE(view.control<QLineEdit>(kNumberOfModePages)->text(), QStringLiteral("01"));
        QCOMPARE(ModePages().list.size(), std::size_t{1});
        const ModePageEntry& page = *ModePages().list.entryAt(ModePages().list.first());
        QCOMPARE(page.slotTexts[0], std::string("00|"));
        QCOMPARE(page.slotTexts[43], std::string("XX|"));
        QCOMPARE(page.slotTexts[44], std::string("XX,"));
        QCOMPARE(ModePages().addNew + ModePages().editExisting, 0);
    }

    void addingAPageCountsOnFromTheFormsNumber_data() {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("after");
        QTest::newRow("3 to 4") << 3 << "04";
        QTest::newRow("9 to 10") << 9 << "10";
        QTest::newRow("10 to 11") << 10 << "11";
    }
    void addingAPageCountsOnFromTheFormsNumber() {
        QFETCH(int, pages);
        QFETCH(QString, after);
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        Load(view, RecordWithPages(pages));
        view.control<QLineEdit>(kVendor)->setText(QStringLiteral("typed"));

        Choose(1031);  // add, then cancel: nothing changes
        testing::WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
                           QStringLiteral("dialog212"));
        view.OnModePageData();
        QCOMPARE(ModePages().list.size(), std::size_t(pages));

        Choose(1031);
        testing::WhenModal([](QWidget* dialog) {
            TypeInto(Field(dialog, 13), QStringLiteral("NW"));
            QTest::keyClick(dialog, Qt::Key_Return);
        }, QStringLiteral("dialog212"));
        view.OnModePageData();
        QCOMPARE(view.control<QLineEdit>(kNumberOfModePages)->text(), after);
        QCOMPARE(ModePages().list.size(), std::size_t(pages + 1));
        QCOMPARE(PageData0(pages + 1), QStringLiteral("NW"));
        QCOMPARE(view.control<QLineEdit>(kVendor)->text(), QStringLiteral("typed"));

        Choose(2);  // cancelling the choice opens nothing more
        view.OnModePageData();
        QCOMPARE(ModePages().list.size(), std::size_t(pages + 1));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aHundredthPageIsRefused() {
        testing::TestWorld world;
        CTarvelView view;
        Load(view, RecordWithPages(99));
        Choose(1031);
        view.OnModePageData();
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("A record holds at most 99 mode pages.")});
        QCOMPARE(view.m_numberOfModePages, QStringLiteral("99"));
        QCOMPARE(ModePages().list.size(), std::size_t{99});
        QCOMPARE(ModePages().addNew, 0);
    }

    void editingStepsThroughThePagesAndWrapsBothWays() {
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        Load(view, RecordWithPages(3));
        QStringList seen;
        Choose(1030);
        testing::WhenModal([&seen](QWidget* dialog) {
            SpinControl* spin = Spin(dialog);
            QVERIFY(spin->isVisible() && Buddy(dialog)->isVisible());
            auto note = [&] { seen << Buddy(dialog)->text() + ":" + Field(dialog, 0)->text(); };
            note();
            TypeInto(Field(dialog, 13), QStringLiteral("A1"));  // page 1 changed
            spin->setFocus();
            QTest::keyClick(spin, Qt::Key_Right);
            note();
            QTest::keyClick(spin, Qt::Key_Right);
            note();
            QTest::keyClick(spin, Qt::Key_Right);  // from 3 to 1
            note();
            seen << Field(dialog, 13)->text();     // the change was stored on leaving
            QTest::keyClick(spin, Qt::Key_Left);   // from 1 back to 3
            note();
            TypeInto(Field(dialog, 13), QStringLiteral("C3"));
            QTest::keyClick(dialog, Qt::Key_Return);  // OK stores the page on display
        }, QStringLiteral("dialog212"));
        view.OnModePageData();
        QCOMPARE(seen, (QStringList{"1:01", "2:02", "3:03", "1:01", "A1", "3:03"}));
        QCOMPARE(PageData0(1), QStringLiteral("A1"));
        QCOMPARE(PageData0(3), QStringLiteral("C3"));
        QCOMPARE(view.m_numberOfModePages, QStringLiteral("03"));
        QCOMPARE(ModePages().addNew + ModePages().editExisting, 0);
    }

    void cancelKeepsOnlyThePagesAlreadyLeft() {
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        Load(view, RecordWithPages(3));
        Choose(1030);
        testing::WhenModal([](QWidget* dialog) {
            TypeInto(Field(dialog, 13), QStringLiteral("K1"));
            QVERIFY(Spin(dialog)->step(+1));
            TypeInto(Field(dialog, 13), QStringLiteral("L2"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("control2")), Qt::LeftButton);
        }, QStringLiteral("dialog212"));
        view.OnModePageData();
        QCOMPARE(PageData0(1), QStringLiteral("K1"));
        QCOMPARE(PageData0(2), QStringLiteral("P2"));
        QCOMPARE(ModePages().addNew + ModePages().editExisting, 0);

        Choose(2);  // right after a cancelled edit, cancelling the choice changes nothing
        view.OnModePageData();
        QCOMPARE(PageData0(2), QStringLiteral("P2"));
    }

    void onePageHidesTheSpinAndOkStoresIt() {
        testing::TestWorld world;
        CTarvelView view;
        Load(view, RecordWithPages(1));
        bool spinVisible = true;
        Choose(1030);
        testing::WhenModal([&](QWidget* dialog) {
            spinVisible = Spin(dialog)->isVisible() || Buddy(dialog)->isVisible();
            TypeInto(Field(dialog, 44), QStringLiteral("Z"));
            QTest::keyClick(dialog, Qt::Key_Return);
        }, QStringLiteral("dialog212"));
        view.OnModePageData();
        QVERIFY(!spinVisible);
        QCOMPARE(ModePages().list.entryAt(ModePages().list.first())->slotTexts[44], std::string("Z,"));
    }

    void aPageCountThatDisagreesWithThePagesStaysWithinThem() {
        testing::TestWorld world;
        CTarvelView view;
        Load(view, RecordWithPages(2, "05"));
        QStringList seen;
        Choose(1030);
        testing::WhenModal([&seen](QWidget* dialog) {
            for (int i = 0; i < 3; ++i) {
                QVERIFY(Spin(dialog)->step(+1));
                seen << Field(dialog, 0)->text();
            }
            QTest::keyClick(dialog, Qt::Key_Return);
        }, QStringLiteral("dialog212"));
        view.OnModePageData();
        QCOMPARE(seen, (QStringList{"02", "01", "02"}));

        Load(view, "0005,6/3/97,V,P,1,2,3,1,2,3,F.BIN,02,Notes");  // a count, no pages
        Choose(1030);
        view.OnModePageData();  // nothing to edit: no dialog
        QCOMPARE(ModePages().editExisting, 0);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void fieldsTakeTwoCharactersOfAnyKind() {
        testing::TestWorld world;
        CTarvelView view;
        testing::WhenModal([](QWidget* dialog) {
            QLineEdit* field = Field(dialog, 20);
            TypeInto(field, QStringLiteral("zq9"));
            QCOMPARE(field->text(), QStringLiteral("zq"));
            TypeInto(Field(dialog, 21), QStringLiteral(" "));
            Field(dialog, 22)->clear();
            Field(dialog, 23)->clear();
            Field(dialog, 23)->insert(QStringLiteral("\u20AC"));  // beyond 8-bit text: refused
            QCOMPARE(Field(dialog, 23)->text(), QString());
            auto* spBit = dialog->findChild<QCheckBox*>(QStringLiteral("control1473"));
            QVERIFY(spBit && !spBit->isVisible() && !spBit->isEnabled() && spBit->isChecked());
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), dialog->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(dialog, &rightClick);
            QVERIFY(!QApplication::activePopupWidget());
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        view.OnModePageData();
        const ModePageEntry& page = *ModePages().list.entryAt(ModePages().list.first());
        QCOMPARE(page.slotTexts[20], std::string("zq|"));
        QCOMPARE(page.slotTexts[21], std::string(" |"));
        QCOMPARE(page.slotTexts[22], std::string("|"));
        QCOMPARE(page.slotTexts[23], std::string("|"));
    }

    void aLoadedLongValueShowsWholeAndItsStoreWarnsOnce() {
        testing::TestWorld world;
        CTarvelView view;
        QByteArray line = RecordWithPages(2);
        line.replace("P1|XX|XX|", "P1|XX|ABC|");  // Page Data 0x02 of page 1
        Load(view, line);
        QString shown;
        Choose(1030);
        testing::WhenModal([&shown](QWidget* dialog) {
            shown = Field(dialog, 15)->text();
            TypeInto(Field(dialog, 1), QStringLiteral("h0"));   // exchanged before it: kept
            TypeInto(Field(dialog, 33), QStringLiteral("d4"));  // exchanged after it: lost
            QVERIFY(Spin(dialog)->step(+1));
            QTest::keyClick(dialog, Qt::Key_Return);
        }, QStringLiteral("dialog212"));
        view.OnModePageData();
        QCOMPARE(shown, QStringLiteral("ABC"));
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("Please enter no more than 2 characters.")});
        const ModePageEntry& first = *ModePages().list.entryAt(ModePages().list.first());
        QCOMPARE(first.slotTexts[15], std::string("ABC|"));
        QCOMPARE(first.slotTexts[1], std::string("h0|"));
        QCOMPARE(first.slotTexts[33], std::string("XX|"));
    }

    void theWorkedExampleTypedInIsSavedByteForByte() {
        testing::TestWorld world;
        world.write(testing::kExampleLine1);
        CTarvelView view;
        view.show();
        view.OnInitialUpdate();
        QTest::mouseClick(view.control<QPushButton>(kAddRecord), Qt::LeftButton);
        const std::pair<int, const char*> texts[] = {
            {kVendor, "Seagate"}, {kProduct, "DRIVE01"}, {kLowFirmwareVersion, "0012"},
            {kHighFirmwareVersion, "0015"}, {kNewFirmwareVersion, "0018"}, {kDownloadFilename, "FW0018.BIN"}};
        for (auto [id, text] : texts)
            TypeInto(view.control<QLineEdit>(id), QString::fromLatin1(text));
        view.m_adapterType->setCurrentIndex(0);
        view.m_downloadType->setCurrentIndex(0);
        view.m_priority->setCurrentIndex(1);
        auto* notes = view.control<QWidget>(kUpgradeNotes);
        notes->setFocus();
        QTest::keyClicks(notes, QStringLiteral("Fixes read retry"));

        testing::WhenModal([](QWidget* dialog) {
            const char* typed[] = {"8", "00", "00", "00", "08", "00", "00", "00", "00",
                                   "00", "00", "02", "00", "88", "12"};
            for (int slot = 0; slot < 15; ++slot)
                TypeInto(Field(dialog, slot), QString::fromLatin1(typed[slot]));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QTest::mouseClick(view.control<QPushButton>(kModePageData), Qt::LeftButton);
        QTest::mouseClick(view.control<QPushButton>(kSaveRecord), Qt::LeftButton);
        QCOMPARE(world.read(), testing::kExampleLine1 + "\r\n" + testing::kExampleLine2);
        QVERIFY(world.messages.messages.isEmpty());
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::ModePagesTest)
#include "ModePagesTest.moc"
