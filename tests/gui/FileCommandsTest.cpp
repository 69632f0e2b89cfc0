#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "catalog/CatalogState.h"
#include "form/FormIds.h"
#include "form/TarvelView.h"
#include "framework/CommandErrors.h"
#include "framework/FileDialogs.h"

namespace tarvel {

namespace {

QByteArray Record(const char* number, const char* vendor = "V") {
    return QByteArray(number) + ",6/3/97," + vendor + ",P,1,2,3,1,2,3,F.BIN,0,0,No Text";
}

void CancelSelectRecord() {
    testing::WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
}

void ChooseFirstLine() {
    testing::WhenModal([](QWidget* dialog) {
        auto* list = dialog->findChild<QListView*>(QStringLiteral("control1032"));
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(dialog, Qt::Key_Return);
    });
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void eachCommandPreparesItsDialog_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("New") << 1 << "Open NEW FILE" << 0 << "";
        QTest::newRow("Open") << 2 << "OPEN FILE" << 0 << "";
        QTest::newRow("Save As") << 3 << "SAVE FILE AS" << 1 << "Catalog";
        QTest::newRow("Save") << 4 << "SAVE FILE" << 1 << "Catalog";
    }
    void eachCommandPreparesItsDialog() {
        QFETCH(int, code);
        QFETCH(QString, title);
        QFETCH(int, kind);
        QFETCH(QString, name);
        testing::TestWorld world;
        CTarvelView view;
        view.m_fileDialog.OFN_READONLY = view.m_fileDialog.OFN_NOVALIDATE = 1;
        view.PrepareFileDialog(code);
        const FileDialogSettings& s = view.m_fileDialog;
        QCOMPARE(s.title, title);
        QCOMPARE(s.kind != 0, kind != 0);
        QCOMPARE(s.defaultFileName, name);
        QCOMPARE(s.filter, QStringLiteral("Tarvel Files (*.dat)|*.dat|All Files (*.*)|*.*||"));
        QCOMPARE(s.defaultExtension, QStringLiteral(".dat"));
        QCOMPARE(s.OFN_HIDEREADONLY, 1);
        QCOMPARE(s.OFN_READONLY + s.OFN_NOVALIDATE + s.OFN_ALLOWMULTISELECT, 0);
        QCOMPARE(s.OFN_OVERWRITEPROMPT, code == 2 ? 0 : 1);
        QCOMPARE(s.OFN_FILEMUSTEXIST, code == 2 ? 1 : 0);
        QCOMPARE(s.OFN_EXTENSIONDIFFERENT, code >= 3 ? 1 : 0);
        QVERIFY(CurrentCatalogPath().empty());
    }

    void saveAfterOpenAcceptsOnlyAnExistingFileButAfterNewANewOne() {
        testing::TestWorld world;
        world.write(Record("0001"), QStringLiteral("old.dat"));
        ScriptedFileDialogs dialogs;
        CTarvelView view;
        view.PrepareFileDialog(kFileCommandOpen);
        view.PrepareFileDialog(kFileCommandSave);  // must-exist stays on from Open
        world.messages.answer = QMessageBox::Yes;   // replace old.dat
        dialogs.answers = {world.file("fresh.dat"), world.file("old.dat")};
        view.RunFileDialog();
        QCOMPARE(world.messages.texts().first(),
                 QStringLiteral("%1 does not exist. Check the file name and try again.").arg(world.file("fresh.dat")));
        QCOMPARE(QString::fromStdString(CurrentCatalogPath()), world.file("old.dat"));

        view.PrepareFileDialog(kFileCommandNew);
        view.PrepareFileDialog(kFileCommandSave);
        dialogs.answers = {world.file("fresh")};  // takes the default extension
        view.RunFileDialog();
        QCOMPARE(QString::fromStdString(CurrentCatalogPath()), world.file("fresh.dat"));
    }

    void saveAsAsksBeforeReplacingAndLeavesOnlyTheRecord() {
        testing::TestWorld world;
        world.write(Record("0001") + "\r\n" + Record("0002"), QStringLiteral("old.dat"));
        ScriptedFileDialogs dialogs;
        CTarvelView view;
        view.m_vendor = QStringLiteral("New");
        view.m_recordNumber = QStringLiteral("0001");
        view.OnInitialUpdate();

        world.messages.answer = QMessageBox::No;
        dialogs.answers = {world.file("old.dat"), std::nullopt};  // refuses, then cancels
        QVERIFY(!RunCommand([&] { view.OnFileSaveAs(); }, CommandSource::Menu));
        QCOMPARE(world.messages.messages.first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(world.messages.messages.last().text, QStringLiteral("The catalog has no file name."));
        QCOMPARE(world.messages.messages.last().icon, MessageIcon::Stop);
        QCOMPARE(world.read(QStringLiteral("old.dat")), Record("0001") + "\r\n" + Record("0002"));

        world.messages.answer = QMessageBox::Yes;
        dialogs.answers = {world.file("old.dat")};
        QVERIFY(RunCommand([&] { view.OnFileSaveAs(); }, CommandSource::Menu));
        QCOMPARE(world.read(QStringLiteral("old.dat")), "0001,6/3/97,New,,,,,0,0,0,,0,0,No Text");
    }

    void saveAppendsWithoutRenumbering() {
        testing::TestWorld world;
        world.write(Record("0003", "A") + "\r\n" + Record("0004", "B"), QStringLiteral("c.dat"));
        ScriptedFileDialogs dialogs;
        CTarvelView view;
        view.show();
        dialogs.answers = {world.file("c.dat")};
        ChooseFirstLine();
        view.OnFileOpen();
        QCOMPARE(view.m_recordNumber, QStringLiteral("0003"));

        world.messages.answer = QMessageBox::Yes;
        dialogs.answers = {world.file("c.dat")};
        view.OnFileSave();
        QCOMPARE(world.read(QStringLiteral("c.dat")),
                 Record("0003", "A") + "\r\n" + Record("0004", "B") + "\r\n" + Record("0003", "A"));
    }

    void newClearsTheFormAndCreatesTheFile() {
        testing::TestWorld world;
        world.write(Record("0007"), QStringLiteral("full.dat"));
        ScriptedFileDialogs dialogs;
        CTarvelView view;
        view.show();
        view.m_vendor = QStringLiteral("typed");
        view.OnInitialUpdate();

        dialogs.answers = {world.file("new.dat")};
        view.OnFileNew();  // an empty file: the list closes itself
        QVERIFY(QFile::exists(world.file("new.dat")));
        QCOMPARE(world.read(QStringLiteral("new.dat")), QByteArray());
        QCOMPARE(view.control<QLineEdit>(kVendor)->text(), QString());
        QCOMPARE(view.control<QLineEdit>(kRecordNumber)->text(), QStringLiteral("0001"));
        QCOMPARE(view.control<QLineEdit>(kNumberOfModePages)->text(), QStringLiteral("00"));
        QCOMPARE(CTarvelView::ItemCode(view.m_adapterType), 6);

        dialogs.answers = {world.file("full.dat")};
        ChooseFirstLine();  // whatever is chosen there is not used
        view.OnFileNew();
        QCOMPARE(view.control<QLineEdit>(kRecordNumber)->text(), QStringLiteral("0001"));
        QCOMPARE(view.m_vendor, QString());

        // Save Record numbers after the catalog's last line; a File Save of the form's
        // 0001 starts a line of its own rather than running on from the last record.
        view.OnSaveRecord();
        const QByteArray blank = ",6/3/97,,,,,,6,7,3,,0,0,No Text";
        QCOMPARE(world.read(QStringLiteral("full.dat")), Record("0007") + "\r\n0008" + blank);
        view.control<QLineEdit>(kRecordNumber)->setText(QStringLiteral("0001"));
        world.messages.answer = QMessageBox::Yes;
        dialogs.answers = {world.file("full.dat")};
        view.OnFileSave();
        QCOMPARE(world.read(QStringLiteral("full.dat")),
                 Record("0007") + "\r\n0008" + blank + "\r\n0001" + blank);
    }

    void openThenCancelKeepsTheFormButTakesThePath() {
        testing::TestWorld world;
        world.write(Record("0001"), QStringLiteral("c.dat"));
        ScriptedFileDialogs dialogs;
        CTarvelView view;
        view.show();
        view.OnInitialUpdate();
        view.control<QLineEdit>(kVendor)->setText(QStringLiteral("typed"));
        dialogs.answers = {world.file("c.dat")};
        CancelSelectRecord();
        view.OnFileOpen();
        QCOMPARE(view.control<QLineEdit>(kVendor)->text(), QStringLiteral("typed"));
        QCOMPARE(QString::fromStdString(CurrentCatalogPath()), world.file("c.dat"));
        QCOMPARE(dialogs.requests.first().title, QStringLiteral("OPEN FILE"));
        QCOMPARE(dialogs.requests.first().nameFilters,
                 (QStringList{"Tarvel Files (*.dat)", "All Files (*)"}));
    }

    void aCancelledDialogLeavesThePathEmptyForTheNextRecordCommand() {
        testing::TestWorld world;
        ScriptedFileDialogs dialogs;
        CTarvelView view;
        dialogs.answers = {std::nullopt};
        CancelSelectRecord();
        view.OnFileOpen();  // the list cannot open an empty name
        QCOMPARE(world.messages.texts(), QStringList{QStringLiteral("Error opening File!")});
        QVERIFY(CurrentCatalogPath().empty());
        view.OnSaveRecord();
        QVERIFY(world.read().startsWith("0001,"));
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::FileCommandsTest)
#include "FileCommandsTest.moc"
