#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "catalog/CatalogState.h"
#include "catalog/SelectRecordDlg.h"
#include "form/FormIds.h"
#include "form/TarvelView.h"

namespace tarvel {

namespace {

QByteArray Record(const char* number, const char* vendor = "V", const QByteArray& pages = "0,0,") {
    return QByteArray(number) + ",6/3/97," + vendor + ",P,1,2,3,1,2,3,F.BIN," + pages + "No Text";
}

/// The page section of a record with `count` pages numbered 01, 02, ...
QByteArray Pages(int count) {
    QByteArray section = QByteArray::number(count).rightJustified(2, '0') + ",";
    for (int p = 1; p <= count; ++p) {
        section += QByteArray::number(p).rightJustified(2, '0') + "|";
        for (int slot = 1; slot < 45; ++slot)
            section += slot == 44 ? "XX," : "XX|";
    }
    return section;
}

void Type(CTarvelView& view, int id, const QString& text) {
    auto* edit = view.control<QLineEdit>(id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void Click(CTarvelView& view, int id) { QTest::mouseClick(view.control<QPushButton>(id), Qt::LeftButton); }

/// Chooses list line `row` (-1: none) in the Select Record dialog and presses OK.
void ChooseInSelectRecord(int row, QStringList* listed = nullptr) {
    testing::WhenModal([row, listed](QWidget* dialog) {
        auto* list = dialog->findChild<QListView*>(QStringLiteral("control1032"));
        QVERIFY(list && list->model());
        if (listed)
            for (int r = 0; r < list->model()->rowCount(); ++r)
                *listed << list->model()->index(r, 0).data().toString();
        if (row >= 0)
            list->setCurrentIndex(list->model()->index(row, 0));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("control1")), Qt::LeftButton);
    });
}

void CancelSelectRecord() {
    testing::WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
}

}  // namespace

class RecordCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void addThenSaveWritesTheWorkedExampleAndNumbersOn() {
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        view.OnInitialUpdate();
        Click(view, kAddRecord);
        Type(view, kVendor, QStringLiteral("Seagate"));
        Type(view, kProduct, QStringLiteral("DRIVE01"));
        Type(view, kLowFirmwareVersion, QStringLiteral("0012"));
        Type(view, kHighFirmwareVersion, QStringLiteral("0015"));
        Type(view, kNewFirmwareVersion, QStringLiteral("0018"));
        Type(view, kDownloadFilename, QStringLiteral("FW0018.BIN"));
        Click(view, kSaveRecord);
        QCOMPARE(world.read(), testing::kExampleLine1);
        QCOMPARE(view.m_recordDate, QStringLiteral("6/3/97"));

        Click(view, kSaveRecord);  // the same contents again, under the next number
        QCOMPARE(world.read(), testing::kExampleLine1 + "\r\n0002" + testing::kExampleLine1.mid(4));
        QCOMPARE(view.control<QLineEdit>(kRecordNumber)->text(), QStringLiteral("0002"));
        QVERIFY(world.messages.messages.isEmpty());
    }

    void saveRecordNumbersFromTheCatalogWhateverTheFormShows() {
        testing::TestWorld world;
        world.write(Record("0012"));
        CTarvelView view;
        view.show();
        view.m_recordNumber = QStringLiteral("10000");  // set by the program, over the limit of 4
        view.OnInitialUpdate();
        Type(view, kVendor, QStringLiteral("typed"));
        Click(view, kSaveRecord);
        QVERIFY(world.messages.messages.isEmpty());
        QCOMPARE(world.read(), Record("0012") + "\r\n0013,6/3/97,typed,,,,,0,0,0,,0,0,No Text");
        QCOMPARE(view.control<QLineEdit>(kRecordNumber)->text(), QStringLiteral("0013"));
    }

    void aRecordWhoseTypingBreaksALimitIsNotWritten() {
        testing::TestWorld world;
        world.write(Record("0012"));
        CTarvelView view;
        view.show();
        view.m_upgradeNotes = QString(257, QLatin1Char('n'));
        view.OnInitialUpdate();
        auto* notes = view.control<QPlainTextEdit>(kUpgradeNotes);
        notes->setFocus();
        notes->moveCursor(QTextCursor::Start);
        QTest::keyClick(notes, Qt::Key_Delete);
        QTest::keyClick(notes, Qt::Key_Delete);  // typed down to 255: within the limit
        Type(view, kVendor, QStringLiteral("typed"));
        Click(view, kSaveRecord);
        QVERIFY(world.messages.messages.isEmpty());
        QVERIFY(world.read().endsWith(",typed,,,,,0,0,0,,0,0," + QByteArray(255, 'n')));

        view.m_upgradeNotes = QString(300, QLatin1Char('n'));
        view.OnInitialUpdate();
        notes->moveCursor(QTextCursor::Start);
        QTest::keyClick(notes, Qt::Key_Delete);  // typed, yet still over the limit
        const QByteArray before = world.read();
        Click(view, kSaveRecord);
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("Please enter no more than 256 characters.")});
        QCOMPARE(world.read(), before);
    }

    void afterACancelledFileDialogSaveRecordWritesCatalogDat() {
        testing::TestWorld world;
        CTarvelView view;
        CurrentCatalogPath().clear();
        view.OnSaveRecord();
        QCOMPARE(QString::fromStdString(CurrentCatalogPath()), QStringLiteral("Catalog.dat"));
        QVERIFY(world.read().startsWith("0001,6/3/97,"));
    }

    void addRecordClearsTheFormAndNumbers_data() {
        QTest::addColumn<QByteArray>("catalog");
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << QByteArray() << "0001";
        QTest::newRow("last record 0012") << Record("0003") + "\r\n" + Record("0012") << "0013";
    }
    void addRecordClearsTheFormAndNumbers() {
        QFETCH(QByteArray, catalog);
        QFETCH(QString, number);
        testing::TestWorld world;
        world.write(catalog);
        CTarvelView view;
        RecordLineBuffer() = (Record("0005", "V", Pages(2))).toStdString();
        view.ReadCatalogRecord();
        Click(view, kAddRecord);
        QCOMPARE(view.control<QLineEdit>(kRecordNumber)->text(), number);
        QCOMPARE(view.control<QLineEdit>(kVendor)->text(), QString());
        QCOMPARE(view.control<QLineEdit>(kNumberOfModePages)->text(), QStringLiteral("00"));
        QVERIFY(ModePages().list.empty());
        QCOMPARE(ModePages().current, nullptr);
        QCOMPARE(CTarvelView::ItemCode(view.m_adapterType), 6);
        QCOMPARE(CTarvelView::ItemCode(view.m_downloadType), 7);
        QCOMPARE(CTarvelView::ItemCode(view.m_priority), 3);
        QCOMPARE(world.read(), catalog);  // Add Record writes nothing
    }

    void editRecordLoadsTheChosenLineAndReplacesThePages() {
        testing::TestWorld world;
        world.write(Record("0001", "A", Pages(3)) + "\r\n" + Record("0005", "B", Pages(2)) +
                    "\r\n" + Record("0003", "C"));
        CTarvelView view;
        view.show();
        view.OnInitialUpdate();

        QStringList listed;
        ChooseInSelectRecord(0, &listed);
        Click(view, kEditRecord);
        QCOMPARE(listed, (QStringList{" 0001,   6/3/97,   A,   P,   1,   2,   3,   ",
                                      " 0005,   6/3/97,   B,   P,   1,   2,   3,   ",
                                      " 0003,   6/3/97,   C,   P,   1,   2,   3,   "}));
        QCOMPARE(ModePages().list.size(), std::size_t{3});

        ChooseInSelectRecord(1);
        Click(view, kEditRecord);
        QCOMPARE(view.control<QLineEdit>(kVendor)->text(), QStringLiteral("B"));
        QCOMPARE(view.control<QLineEdit>(kNumberOfModePages)->text(), QStringLiteral("02"));
        QCOMPARE(ModePages().list.size(), std::size_t{2});

        ChooseInSelectRecord(-1);  // no selection gives the last line
        Click(view, kEditRecord);
        QCOMPARE(view.control<QLineEdit>(kRecordNumber)->text(), QStringLiteral("0003"));
        QCOMPARE(CTarvelView::ItemCode(view.m_priority), 3);
        QVERIFY(world.messages.messages.isEmpty());

        // Saved again, the loaded record becomes a further record; the original stays.
        const QByteArray before = world.read();
        Click(view, kSaveRecord);
        QCOMPARE(world.read(), before + "\r\n" + Record("0004", "C"));
    }

    void cancellingTheListLeavesTheFormAsItWas() {
        testing::TestWorld world;
        world.write(Record("0001"));
        CTarvelView view;
        view.show();
        view.OnInitialUpdate();
        Type(view, kVendor, QStringLiteral("typed, not saved"));
        CancelSelectRecord();
        Click(view, kEditRecord);
        QCOMPARE(view.control<QLineEdit>(kVendor)->text(), QStringLiteral("typed, not saved"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void theListClosesItselfWhenThereIsNothingToChoose_data() {
        QTest::addColumn<QByteArray>("catalog");
        QTest::newRow("empty catalog") << QByteArray();
        QTest::newRow("a final line break") << Record("0001") + "\r\n";
    }
    void theListClosesItselfWhenThereIsNothingToChoose() {
        QFETCH(QByteArray, catalog);
        testing::TestWorld world;
        world.write(catalog);
        CSelectRecordDlg select;
        CurrentCatalogPath() = "Catalog.dat";
        QCOMPARE(select.runModal(), 2);
        QVERIFY(world.messages.messages.isEmpty());
    }

    void aCatalogThatCannotBeListedIsReported() {
        testing::TestWorld world;
        QDir().mkdir(world.file("Catalog.dat"));  // a folder where the catalog should be
        CurrentCatalogPath() = "Catalog.dat";
        CSelectRecordDlg select;
        CancelSelectRecord();
        QCOMPARE(select.runModal(), 2);
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("Error opening File!")});
    }

    void okReadsTheLineAtThatPositionAsTheFileStandsNow() {
        testing::TestWorld world;
        world.write(Record("0001") + "\r\n" + Record("0002"));
        CurrentCatalogPath() = "Catalog.dat";
        CSelectRecordDlg select;
        testing::WhenModal([&world](QWidget* dialog) {
            auto* list = dialog->findChild<QListView*>(QStringLiteral("control1032"));
            list->setCurrentIndex(list->model()->index(1, 0));
            world.write(Record("0001") + "\r\n" + Record("0009"));  // changed since it was listed
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(list->currentIndex()).center());
            QVERIFY(QApplication::activeModalWidget() == dialog);  // double-click does nothing
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(select.runModal(), 1);
        QCOMPARE(select.m_chosenIndex, 1);
        QCOMPARE(QByteArray::fromStdString(select.m_chosenLine), Record("0009"));
    }

    void aReadThatYieldsNothingAtOkIsReported() {
        testing::TestWorld world;
        world.write(Record("0001") + "\r\n" + Record("0002"));
        CurrentCatalogPath() = "Catalog.dat";
        CSelectRecordDlg select;
        testing::WhenModal([&world](QWidget* dialog) {
            world.write(Record("0001") + "\r\n");  // shrank to one line and a line break
            auto* list = dialog->findChild<QListView*>(QStringLiteral("control1032"));
            list->setCurrentIndex(list->model()->index(1, 0));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(select.runModal(), 1);
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("Error, String Not Loaded!")});
        QCOMPARE(QByteArray::fromStdString(select.m_chosenLine), Record("0001") + "\r\n");
    }

    // A catalog last written a day ago, listed, then perhaps written again while the list
    // is open: OK still reads the line at the selected position as the file stands then.
    void okOnACatalogNotWrittenForAWhile_data() {
        QTest::addColumn<QByteArray>("rewrite");  // empty: the file is left as it was
        QTest::addColumn<bool>("timePutBack");
        QTest::addColumn<QByteArray>("chosen");
        // As many bytes, with the second line starting a byte later.
        const QByteArray sameSize = Record("00001") + "\r\n" + Record("009");
        QTest::newRow("left as it was") << QByteArray() << false << Record("0002");
        QTest::newRow("rewritten with the same size") << sameSize << false << Record("009");
        QTest::newRow("rewritten, its time put back") << sameSize << true << Record("009");
        QTest::newRow("appended to") << Record("0001") + "\r\n" + Record("0002") + "\r\n" + Record("0003")
                                     << false << Record("0002") + "\r\n";
    }
    void okOnACatalogNotWrittenForAWhile() {
        QFETCH(QByteArray, rewrite);
        QFETCH(bool, timePutBack);
        QFETCH(QByteArray, chosen);
        testing::TestWorld world;
        const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
        auto putTimeBack = [&world, dayAgo] {
            QFile file(world.file(QStringLiteral("Catalog.dat")));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(dayAgo, QFileDevice::FileModificationTime));
        };
        world.write(Record("0001") + "\r\n" + Record("0002"));
        putTimeBack();
        CurrentCatalogPath() = "Catalog.dat";
        CSelectRecordDlg select;
        testing::WhenModal([&](QWidget* dialog) {
            auto* list = dialog->findChild<QListView*>(QStringLiteral("control1032"));
            list->setCurrentIndex(list->model()->index(1, 0));
            if (!rewrite.isEmpty())
                world.write(rewrite);
            if (timePutBack)
                putTimeBack();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(select.runModal(), 1);
        QCOMPARE(QByteArray::fromStdString(select.m_chosenLine), chosen);
        QVERIFY(world.messages.messages.isEmpty());
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::RecordCommandsTest)
#include "RecordCommandsTest.moc"
