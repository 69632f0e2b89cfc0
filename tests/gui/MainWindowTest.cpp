#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QComboBox>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "GuiTestSupport.h"
#include "app/MainFrame.h"
#include "app/TarvelApp.h"
#include "catalog/CatalogState.h"
#include "form/FormIds.h"
#include "form/TarvelView.h"
#include "resources/ResourceIds.h"

namespace tarvel {

namespace {

/// The texts of a menu's items, "-" for a separator.
QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QMenu* TopMenu(CMainFrame* frame, const QString& title) {
    for (QAction* action : frame->menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowSizeFollowsTheScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::newRow("640x480") << QSize(640, 480) << QSize(640, 480);
        QTest::newRow("800x600") << QSize(800, 600) << QSize(666, 500);
        QTest::newRow("1024x768") << QSize(1024, 768) << QSize(660, 495);
        QTest::newRow("1280x1024") << QSize(1280, 1024) << QSize(825, 660);
        QTest::newRow("481 high") << QSize(700, 481) << QSize(583, 400);
        QTest::newRow("601 high") << QSize(800, 601) << QSize(516, 387);
    }
    void theWindowSizeFollowsTheScreen() {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QCOMPARE(MainFrameSize(screen), window);
    }

    void startsWithTheFormInTheMainWindow() {
        testing::TestWorld world;
        CTarvelApp app;
        QVERIFY(app.InitInstance({QStringLiteral("tarvel")}));
        CMainFrame* frame = app.mainFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Orvan Tarvel"));
        QCOMPARE(frame->pos(), QPoint(0, 0));
        QVERIFY(app.view()->isVisible());
        QCOMPARE(app.view()->m_recordNumber, QStringLiteral("0001"));
        auto* idle = frame->statusBar()->findChild<QLabel*>(QStringLiteral("messagePane"));
        QVERIFY(idle);
        QCOMPARE(idle->text(), QStringLiteral("For Help, press F1"));
        QStringList indicators;
        for (int id : {res::kIndicatorCaps, res::kIndicatorNum, res::kIndicatorScroll})
            if (auto* pane = frame->statusBar()->findChild<QLabel*>(QStringLiteral("indicator%1").arg(id)))
                indicators << pane->text();
        QCOMPARE(indicators, (QStringList{"CAP", "NUM", "SCRL"}));
        app.ExitInstance();
    }

    void menusCarryEveryItemAndDisableWhatNothingHandles() {
        testing::TestWorld world;
        CTarvelApp app;
        QVERIFY(app.InitInstance({QStringLiteral("tarvel")}));
        CMainFrame* frame = app.mainFrame();

        QStringList titles;
        for (QAction* action : frame->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Help"}));
        QCOMPARE(ItemTexts(TopMenu(frame, "&File")),
                 (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                              "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-",
                              "Recent File", "-", "E&xit"}));
        QCOMPARE(ItemTexts(TopMenu(frame, "&Edit")),
                 (QStringList{"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}));
        QCOMPARE(ItemTexts(TopMenu(frame, "&View")), (QStringList{"&Toolbar", "&Status Bar"}));
        QCOMPARE(ItemTexts(TopMenu(frame, "&Help")), (QStringList{"&Help Topics", "-", "&About Tarvel..."}));

        CommandRouter& router = frame->router();
        for (int id : {cmd::FilePrint, cmd::FilePrintPreview, cmd::FilePrintSetup, cmd::EditUndo,
                       cmd::EditCut, cmd::EditCopy, cmd::EditPaste, cmd::HelpIndex, cmd::ContextHelp})
            QVERIFY2(!router.action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {cmd::FileNew, cmd::FileOpen, cmd::FileSave, cmd::FileSaveAs, cmd::AppExit,
                       cmd::AppAbout, cmd::ViewToolBar, cmd::ViewStatusBar})
            QVERIFY2(router.action(id)->isEnabled(), qPrintable(QString::number(id)));
        QCOMPARE(router.action(cmd::FileNew)->statusTip(), QStringLiteral("Create a new document"));
        QCOMPARE(router.action(cmd::FileNew)->toolTip(), QStringLiteral("New"));

        // The tool bar's buttons in order, a separator for each gap.
        QList<QAction*> expected;
        for (int id : {cmd::FileNew, cmd::FileOpen, cmd::FileSave, 0, cmd::EditCut, cmd::EditCopy,
                       cmd::EditPaste, 0, cmd::AppAbout, cmd::ContextHelp})
            expected << (id ? router.action(id) : nullptr);
        QList<QAction*> buttons;
        for (QAction* action : frame->toolBar()->actions())
            buttons << (action->isSeparator() ? nullptr : action);
        QCOMPARE(buttons, expected);
        app.ExitInstance();
    }

    void shortcutsReachTheirCommands_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("command");
        QTest::newRow("Ctrl+N") << QKeySequence("Ctrl+N") << cmd::FileNew;
        QTest::newRow("Ctrl+O") << QKeySequence("Ctrl+O") << cmd::FileOpen;
        QTest::newRow("Ctrl+S") << QKeySequence("Ctrl+S") << cmd::FileSave;
        QTest::newRow("Ctrl+P") << QKeySequence("Ctrl+P") << cmd::FilePrint;
        QTest::newRow("Ctrl+Z") << QKeySequence("Ctrl+Z") << cmd::EditUndo;
        QTest::newRow("Alt+Backspace") << QKeySequence("Alt+Backspace") << cmd::EditUndo;
        QTest::newRow("Ctrl+Insert") << QKeySequence("Ctrl+Ins") << cmd::EditCopy;
        QTest::newRow("Shift+Insert") << QKeySequence("Shift+Ins") << cmd::EditPaste;
        QTest::newRow("Shift+Delete") << QKeySequence("Shift+Del") << cmd::EditCut;
        QTest::newRow("F1") << QKeySequence("F1") << cmd::Help;
        QTest::newRow("Shift+F1") << QKeySequence("Shift+F1") << cmd::ContextHelp;
        QTest::newRow("F6") << QKeySequence("F6") << cmd::NextPane;
        QTest::newRow("Shift+F6") << QKeySequence("Shift+F6") << cmd::PrevPane;
    }
    void shortcutsReachTheirCommands() {
        QFETCH(QKeySequence, keys);
        QFETCH(int, command);
        testing::TestWorld world;
        CTarvelApp app;
        QVERIFY(app.InitInstance({QStringLiteral("tarvel")}));
        QVERIFY(app.mainFrame()->router().action(command)->shortcuts().contains(keys));
        app.ExitInstance();
    }

    void theViewMenuTogglesTheBars() {
        testing::TestWorld world;
        CTarvelApp app;
        QVERIFY(app.InitInstance({QStringLiteral("tarvel")}));
        CMainFrame* frame = app.mainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QAction* toolBar = frame->router().action(cmd::ViewToolBar);
        QAction* statusBar = frame->router().action(cmd::ViewStatusBar);
        QVERIFY(toolBar->isChecked() && statusBar->isChecked());
        toolBar->trigger();
        QTRY_VERIFY(!frame->toolBar()->isVisible());
        QVERIFY(!toolBar->isChecked());
        statusBar->trigger();
        QTRY_VERIFY(!frame->statusBar()->isVisible());
        QVERIFY(!statusBar->isChecked());
        toolBar->trigger();
        QTRY_VERIFY(frame->toolBar()->isVisible());
        QVERIFY(toolBar->isChecked());
        app.ExitInstance();
    }

    void aFileOnTheCommandLineOnlyEntersTheRecentFileList() {
        testing::TestWorld world;
        world.write(testing::kExampleLine1, QStringLiteral("other.dat"));
        {
            CTarvelApp app;
            QVERIFY(app.InitInstance({QStringLiteral("tarvel"), world.file("other.dat")}));
            QCOMPARE(QString::fromStdString(CurrentCatalogPath()), QStringLiteral("Catalog.dat"));
            QCOMPARE(app.view()->m_vendor, QString());
            QCOMPARE(app.profile().recentFiles().files(), QStringList{world.file("other.dat")});
            app.ExitInstance();
        }
        CurrentCatalogPath().clear();
        {
            // The list survives a restart and shows in the File menu.
            CTarvelApp app;
            QVERIFY(app.InitInstance({QStringLiteral("tarvel")}));
            QCOMPARE(app.profile().recentFiles().files(), QStringList{world.file("other.dat")});
            QStringList items = ItemTexts(TopMenu(app.mainFrame(), "&File"));
            QVERIFY2(items.contains(QStringLiteral("&1 other.dat")), qPrintable(items.join('|')));

            // Choosing the entry goes through the document too: the form keeps its values.
            app.view()->m_vendor = QStringLiteral("typed");
            QAction* entry = nullptr;
            for (QAction* action : TopMenu(app.mainFrame(), "&File")->actions())
                if (action->text() == QStringLiteral("&1 other.dat"))
                    entry = action;
            QVERIFY(entry);
            entry->trigger();
            QCOMPARE(app.view()->control<QLineEdit>(kVendor)->text(), QStringLiteral("typed"));
            QCOMPARE(QString::fromStdString(CurrentCatalogPath()), QStringLiteral("Catalog.dat"));
            app.ExitInstance();
        }
    }

    void aRecordTypedSavedTwiceAndPickedBack() {
        testing::TestWorld world;
        CTarvelApp app;
        QVERIFY(app.InitInstance({QStringLiteral("tarvel")}));
        CTarvelView* view = app.view();
        QVERIFY(QTest::qWaitForWindowExposed(app.mainFrame()));
        const std::pair<int, const char*> texts[] = {
            {kVendor, "Seagate"}, {kProduct, "DRIVE01"}, {kLowFirmwareVersion, "0012"},
            {kHighFirmwareVersion, "0015"}, {kNewFirmwareVersion, "0018"}, {kDownloadFilename, "FW0018.BIN"}};
        for (auto [id, text] : texts) {
            auto* edit = view->control<QLineEdit>(id);
            edit->setFocus();
            QTest::keyClicks(edit, QString::fromLatin1(text));
        }
        view->m_adapterType->setCurrentIndex(0);
        view->m_downloadType->setCurrentIndex(0);
        view->m_priority->setCurrentIndex(1);
        QWidget* notes = view->control<QWidget>(kUpgradeNotes);
        notes->setFocus();
        QTest::keyClicks(notes, QStringLiteral("Fixes read retry"));
        // The example's page, put on the record through the core.
        auto page = NewModePageEntry();
        const char* bytes[] = {"08", "00", "00", "00", "08", "00", "00", "00", "00", "00", "00", "02", "00", "88", "12"};
        for (int slot = 0; slot < kSlotCount; ++slot)
            SetSlotText(*page, slot, slot < 15 ? bytes[slot] : "XX");
        AppendModePage(std::move(page));
        view->control<QLineEdit>(kNumberOfModePages)->setText(QStringLiteral("01"));

        auto* save = view->control<QPushButton>(kSaveRecord);
        QTest::mouseClick(save, Qt::LeftButton);
        QTest::mouseClick(save, Qt::LeftButton);
        const QByteArray second = testing::kExampleLine2;
        const QByteArray expected = "0001" + second.mid(4) + "\r\n" + second;
        QCOMPARE(world.read(), expected);

        testing::WhenModal([](QWidget* dialog) {
            auto* list = dialog->findChild<QListView*>(QStringLiteral("control1032"));
            list->setCurrentIndex(list->model()->index(0, 0));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QTest::mouseClick(view->control<QPushButton>(kEditRecord), Qt::LeftButton);
        QCOMPARE(view->control<QLineEdit>(kRecordNumber)->text(), QStringLiteral("0001"));
        QCOMPARE(view->control<QLineEdit>(kNumberOfModePages)->text(), QStringLiteral("01"));
        QCOMPARE(ModePages().list.size(), std::size_t{1});
        QCOMPARE(world.read(), expected);
        QVERIFY(world.messages.messages.isEmpty());
        app.ExitInstance();
    }

    void theAboutBoxShowsTheNameAndVersion() {
        testing::TestWorld world;
        CTarvelApp app;
        QVERIFY(app.InitInstance({QStringLiteral("tarvel")}));
        QString caption;
        QStringList labels;
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about);
            caption = about->windowTitle();
            for (QLabel* label : about->findChildren<QLabel*>())
                labels << label->text();
            QTest::keyClick(about, Qt::Key_Return);
        });
        QVERIFY(app.mainFrame()->router().execute(cmd::AppAbout));
        QCOMPARE(caption, QStringLiteral("About Tarvel"));
        QVERIFY2(labels.contains(QStringLiteral("Tarvel Version 1.1")), qPrintable(labels.join('|')));
        QVERIFY(!QApplication::activeModalWidget());
        app.ExitInstance();
    }
};

}  // namespace tarvel

QTEST_MAIN(tarvel::MainWindowTest)
#include "MainWindowTest.moc"
