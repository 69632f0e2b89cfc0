#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "GuiTestSupport.h"
#include "catalog/CatalogState.h"
#include "form/FormIds.h"
#include "form/TarvelView.h"
#include "framework/CommandErrors.h"

namespace tarvel {

class RecordFormTest : public QObject {
    Q_OBJECT

private:
    static QLineEdit* Edit(CTarvelView& view, int id) { return view.control<QLineEdit>(id); }
    static QString Notes(CTarvelView& view) {
        return view.control<QPlainTextEdit>(kUpgradeNotes)->toPlainText();
    }

private slots:
    void startsNumberedAfterTheCatalogsLastLine_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("number");
        QTest::newRow("missing catalog") << false << QByteArray() << "0001";
        QTest::newRow("empty catalog") << true << QByteArray() << "0001";
        QTest::newRow("last record 0007")
            << true << QByteArray("0009,a\r\n0007,6/3/97,V,P,1,2,3,1,1,1,F,0,0,No Text") << "0008";
    }
    void startsNumberedAfterTheCatalogsLastLine() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(QString, number);
        testing::TestWorld world;
        if (exists)
            world.write(content);

        CTarvelView view;
        view.OnInitialUpdate();
        QCOMPARE(QString::fromStdString(CurrentCatalogPath()), QStringLiteral("Catalog.dat"));
        QVERIFY(QFile::exists(world.file("Catalog.dat")));
        QCOMPARE(Edit(view, kRecordNumber)->text(), number);
        QCOMPARE(Edit(view, kNumberOfModePages)->text(), QStringLiteral("00"));
        for (int id : {kVendor, kProduct, kLowFirmwareVersion, kHighFirmwareVersion,
                       kNewFirmwareVersion, kDownloadFilename, kRecordDate})
            QCOMPARE(Edit(view, id)->text(), QString());
        QCOMPARE(Notes(view), QString());
        for (QComboBox* box : {view.m_adapterType, view.m_downloadType, view.m_priority})
            QCOMPARE(box->currentIndex(), -1);
        QVERIFY(world.messages.messages.isEmpty());
    }

    void aCatalogThatCannotBeOpenedIsReportedOnce() {
        testing::TestWorld world;
        CurrentCatalogPath() = world.file("missing/Catalog.dat").toStdString();
        CTarvelView view;
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("Error opening File!")});
        QCOMPARE(world.messages.messages.first().caption, QStringLiteral("Orvan Tarvel"));
        QCOMPARE(world.messages.messages.first().icon, MessageIcon::Exclamation);
        QCOMPARE(view.m_recordNumber, QStringLiteral("0001"));
    }

    void theChoicesAreFilledInOrderWithTheirBlankItems() {
        testing::TestWorld world;
        CTarvelView view;
        auto items = [](QComboBox* box) {
            QStringList texts;
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            return texts;
        };
        QCOMPARE(items(view.m_adapterType),
                 (QStringList{"Adaptec", "AMI NETRAID", "Mylex", "Symbios", "Other", "        "}));
        QCOMPARE(items(view.m_downloadType),
                 (QStringList{"Seagate", "Seagate Multi-Chunk", "Quantum", "Quantum Multi-Chunk",
                              "IBM", "IBM Multi-Chunk", "         "}));
        QCOMPARE(items(view.m_priority), (QStringList{"Manditory", "Optional", "        "}));
        QVERIFY(!view.m_adapterType->isEditable());
        QVERIFY(view.m_downloadType->isEditable());
        QVERIFY(view.m_priority->isEditable());
    }

    void textTypedIntoAChoiceIsNeverStored() {
        testing::TestWorld world;
        CTarvelView view;
        view.OnInitialUpdate();
        view.m_priority->setCurrentIndex(1);
        view.m_priority->setFocus();
        view.m_priority->lineEdit()->selectAll();
        QTest::keyClicks(view.m_priority, QStringLiteral("Urgent"));
        QTest::keyClick(view.m_priority, Qt::Key_Return);
        QCOMPARE(view.m_priority->count(), 3);
        QCOMPARE(CTarvelView::ItemCode(view.m_priority), 2);
    }

    void aTextTheProgramSetPassesItsLimitAsItStands() {
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        view.m_recordNumber = QStringLiteral("10000");  // a number past 9999
        view.m_upgradeNotes = QString(300, QLatin1Char('n'));  // notes loaded from a catalog
        view.OnInitialUpdate();
        QCOMPARE(Edit(view, kRecordNumber)->text(), QStringLiteral("10000"));  // shown whole
        QCOMPARE(Notes(view).size(), 300);
        Edit(view, kVendor)->setText(QStringLiteral("typed"));
        QVERIFY(view.updateData(true));
        QVERIFY(world.messages.messages.isEmpty());
        QCOMPARE(view.m_vendor, QStringLiteral("typed"));
        QCOMPARE(view.m_recordNumber, QStringLiteral("10000"));
    }

    void theExchangeStopsAtTheFirstTypedTextOverItsLimit() {
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        view.m_upgradeNotes = QString(300, QLatin1Char('n'));
        view.m_vendor = QStringLiteral("old vendor");
        view.OnInitialUpdate();
        auto* notes = view.control<QPlainTextEdit>(kUpgradeNotes);
        notes->setFocus();
        notes->moveCursor(QTextCursor::End);
        QTest::keyClick(notes, Qt::Key_Backspace);  // shortened, still over 256

        Edit(view, kDownloadFilename)->setText(QStringLiteral("NEW.BIN"));  // before it
        Edit(view, kVendor)->setText(QStringLiteral("new vendor"));         // after it
        QVERIFY(!view.updateData(true));
        QCOMPARE(world.messages.texts(),
                 QStringList{QStringLiteral("Please enter no more than 256 characters.")});
        QCOMPARE(world.messages.messages.first().icon, MessageIcon::Exclamation);
        QCOMPARE(view.m_downloadFilename, QStringLiteral("NEW.BIN"));
        QCOMPARE(view.m_vendor, QStringLiteral("old vendor"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(notes));
    }

    void typingIsLimited() {
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        view.OnInitialUpdate();
        QLineEdit* number = Edit(view, kRecordNumber);
        number->clear();
        QTest::keyClicks(number, QStringLiteral("123456"));
        QCOMPARE(number->text(), QStringLiteral("1234"));

        auto* notes = view.control<QPlainTextEdit>(kUpgradeNotes);
        notes->setFocus();
        QTest::keyClicks(notes, QStringLiteral("ab"));
        QTest::keyClick(notes, Qt::Key_Return);  // Enter does not start a new line
        QTest::keyClick(notes, Qt::Key_Return, Qt::ControlModifier);  // Ctrl+Enter does
        QTest::keyClicks(notes, QStringLiteral("c"));
        QCOMPARE(notes->toPlainText(), QStringLiteral("ab\nc"));
        QTest::keyClick(notes, Qt::Key_Tab);  // Tab moves on
        QVERIFY(!notes->hasFocus());
        QCOMPARE(notes->toPlainText(), QStringLiteral("ab\nc"));
    }

    void theRecordDateIsHiddenYetExchanged() {
        testing::TestWorld world;
        CTarvelView view;
        view.show();
        QLineEdit* date = Edit(view, kRecordDate);
        QVERIFY(!date->isVisible());
        QVERIFY(date->focusPolicy() == Qt::NoFocus || !date->isEnabled() || !date->isVisible());
        view.m_recordDate = QStringLiteral("6/3/97");
        view.updateData(false);
        QCOMPARE(date->text(), QStringLiteral("6/3/97"));
        date->setText(QStringLiteral("1/1/01"));
        QVERIFY(view.updateData(true));
        QCOMPARE(view.m_recordDate, QStringLiteral("1/1/01"));
    }

    void everyByteGoesThroughTheFormUnchanged() {
        testing::TestWorld world;
        QByteArray vendor, product;
        for (int b = 0; b < 256; ++b) {
            if (b == ',' || b == '|' || b == '\r' || b == '\n')
                continue;  // the layout's own delimiters
            (b < 128 ? vendor : product).append(static_cast<char>(b));
        }
        QByteArray line = "0001,6/3/97," + vendor + "," + product +
                          ",1,2,3,1,1,1,F.BIN,0,0,Notes \xB5\xE9\xFF";
        world.write(QByteArray());
        CTarvelView view;
        view.OnInitialUpdate();
        RecordLineBuffer() = line.toStdString();
        view.ReadCatalogRecord();
        QCOMPARE(Edit(view, kVendor)->text().size(), vendor.size());
        QVERIFY(view.updateData(true));
        QVERIFY(view.WriteCatalogRecord(kFileCommandSaveAs));
        QCOMPARE(world.read(), line);
    }

    void characters8BitTextCannotHoldAreRefused() {
        testing::TestWorld world;
        world.write(testing::kExampleLine1);
        CTarvelView view;
        view.m_product = QStringLiteral("DRIVE\u20AC");
        QVERIFY(!view.WriteCatalogRecord(kFileCommandSave));
        QCOMPARE(world.messages.texts(),
                 QStringList{QStringLiteral("Product holds the character \"\u20AC\", which a catalog "
                                            "cannot hold. The record was not saved.")});
        QCOMPARE(world.read(), testing::kExampleLine1);

        view.m_product = QStringLiteral("DRIVE|01");
        QVERIFY(!view.WriteCatalogRecord(kFileCommandSave));
        QCOMPARE(world.messages.texts().last(),
                 QStringLiteral("Product cannot hold a comma, a vertical bar or a line break."));
        QCOMPARE(world.read(), testing::kExampleLine1);
    }

    void aFileErrorIsThrownNamingTheFile() {
        testing::TestWorld world;
        CTarvelView view;
        CurrentCatalogPath() = world.file("missing/c.dat").toStdString();
        try {
            view.WriteCatalogRecord(kFileCommandSave);
            QFAIL("no error");
        } catch (const FileException& error) {
            QCOMPARE(error.message(),
                     QStringLiteral("The folder for %1 was not found.").arg(world.file("missing/c.dat")));
        }
    }

    void loadsTheWorkedExampleIntoTheForm() {
        testing::TestWorld world;
        CTarvelView view;
        view.OnInitialUpdate();
        RecordLineBuffer() = testing::kExampleLine2.toStdString();
        view.ReadCatalogRecord();
        QCOMPARE(Edit(view, kRecordNumber)->text(), QStringLiteral("0002"));
        QCOMPARE(Edit(view, kVendor)->text(), QStringLiteral("Seagate"));
        QCOMPARE(Edit(view, kDownloadFilename)->text(), QStringLiteral("FW0018.BIN"));
        QCOMPARE(Edit(view, kNumberOfModePages)->text(), QStringLiteral("01"));
        QCOMPARE(Notes(view), QStringLiteral("Fixes read retry"));
        QCOMPARE(view.m_adapterType->currentText(), QStringLiteral("Adaptec"));
        QCOMPARE(view.m_downloadType->currentText(), QStringLiteral("Seagate"));
        QCOMPARE(view.m_priority->currentText(), QStringLiteral("Optional"));
        QCOMPARE(ModePages().list.size(), std::size_t{1});

        // Written again through the form, it gives the same bytes.
        CurrentCatalogPath() = world.file("again.dat").toStdString();
        QVERIFY(view.updateData(true));
        QVERIFY(view.WriteCatalogRecord(kFileCommandSaveAs));
        QCOMPARE(world.read(QStringLiteral("again.dat")), "\r\n" + testing::kExampleLine2);
    }

    void destroyingTheFormFreesThePages() {
        testing::TestWorld world;
        {
            CTarvelView view;
            RecordLineBuffer() = testing::kExampleLine2.toStdString();
            view.ReadCatalogRecord();
            QCOMPARE(ModePages().list.size(), std::size_t{1});
        }
        QVERIFY(ModePages().list.empty());
        QCOMPARE(ModePages().current, nullptr);
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::RecordFormTest)
#include "RecordFormTest.moc"
