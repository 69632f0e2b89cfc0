#include "framework/CommandRouter.h"
#include "framework/MenuBuilder.h"
#include "framework/MessageBoxes.h"
#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <stdexcept>

using namespace tarvel;

namespace {

// A main window with menu, shortcuts and tool bar built from the resources.
struct Frame {
    QMainWindow window;
    CommandRouter router{&window};
    QToolBar* toolBar = window.addToolBar(QStringLiteral("Standard"));

    Frame() {
        router.setStrings(res::Strings());
        BuildMenuBar(window.menuBar(), res::MainMenu(), router);
        ApplyAccelerators(res::MainAccelerators(), router);
        BuildToolBar(toolBar, res::MainToolBar(), router);
    }

    QMenu* popup(int index) const { return window.menuBar()->actions().at(index)->menu(); }
    QWidget* button(int command) const {
        return toolBar->findChild<QWidget*>(QStringLiteral("toolButton%1").arg(command));
    }
};

QStringList Texts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

}  // namespace

class CommandRouterTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvan Tarvel")); }
    void menusHoldTheirItemsInOrder();
    void onlyHandledCommandsAreEnabled();
    void shortcutsRunTheirCommands_data();
    void shortcutsRunTheirCommands();
    void promptsAndToolTipsComeFromTheStrings();
    void failingCommandIsShownAndTheWindowGoesOn();
};

void CommandRouterTest::menusHoldTheirItemsInOrder() {
    Frame frame;
    QStringList bar;
    for (const QAction* action : frame.window.menuBar()->actions())
        bar.append(action->text());
    QCOMPARE(bar, (QStringList{"&File", "&Edit", "&View", "&Help"}));
    QCOMPARE(Texts(frame.popup(0)),
             (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                          "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-",
                          "Recent File", "-", "E&xit"}));
    QCOMPARE(Texts(frame.popup(1)),
             (QStringList{"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}));
    QCOMPARE(Texts(frame.popup(2)), (QStringList{"&Toolbar", "&Status Bar"}));
    QCOMPARE(Texts(frame.popup(3)), (QStringList{"&Help Topics", "-", "&About Tarvel..."}));
    QStringList buttons;
    for (QAction* action : frame.toolBar->actions())
        buttons.append(action->isSeparator() ? QStringLiteral("-")
                                             : action->objectName().mid(7));
    QCOMPARE(buttons, (QStringList{"57600", "57601", "57603", "-", "57635", "57634", "57637", "-",
                                   "57664", "57669"}));
}

void CommandRouterTest::onlyHandledCommandsAreEnabled() {
    Frame frame;
    frame.router.setHandler(cmd::FileNew, [] {});
    frame.router.setHandler(cmd::AppAbout, [] {});
    frame.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame.window));
    for (int command : {cmd::FileNew, cmd::AppAbout}) {
        QVERIFY(frame.router.action(command)->isEnabled());
        QVERIFY(frame.button(command)->isEnabled());
    }
    for (int command : {cmd::FileOpen, cmd::FileSave, cmd::EditCut, cmd::EditCopy,
                        cmd::EditPaste, cmd::ContextHelp}) {
        QVERIFY2(!frame.router.action(command)->isEnabled(), qPrintable(QString::number(command)));
        QVERIFY2(!frame.button(command)->isEnabled(), qPrintable(QString::number(command)));
    }
    for (int command : {cmd::FilePrint, cmd::FilePrintPreview, cmd::FilePrintSetup, cmd::FileMru1,
                        cmd::EditUndo, cmd::HelpIndex})
        QVERIFY(!frame.router.action(command)->isEnabled());
    frame.router.clearHandler(cmd::FileNew);
    QVERIFY(!frame.button(cmd::FileNew)->isEnabled());
    QVERIFY(!frame.router.execute(cmd::FileNew));
}

void CommandRouterTest::shortcutsRunTheirCommands_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("command");
    QTest::newRow("Ctrl+N") << QKeySequence(Qt::CTRL | Qt::Key_N) << cmd::FileNew;
    QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << cmd::FileSave;
    QTest::newRow("Ctrl+Insert") << QKeySequence(Qt::CTRL | Qt::Key_Insert) << cmd::EditCopy;
    QTest::newRow("Shift+Insert") << QKeySequence(Qt::SHIFT | Qt::Key_Insert) << cmd::EditPaste;
    QTest::newRow("Shift+Delete") << QKeySequence(Qt::SHIFT | Qt::Key_Delete) << cmd::EditCut;
    QTest::newRow("Alt+Backspace") << QKeySequence(Qt::ALT | Qt::Key_Backspace) << cmd::EditUndo;
    QTest::newRow("F1") << QKeySequence(Qt::Key_F1) << cmd::Help;
    QTest::newRow("Shift+F1") << QKeySequence(Qt::SHIFT | Qt::Key_F1) << cmd::ContextHelp;
    QTest::newRow("Shift+F6") << QKeySequence(Qt::SHIFT | Qt::Key_F6) << cmd::PrevPane;
}

void CommandRouterTest::shortcutsRunTheirCommands() {
    QFETCH(QKeySequence, keys);
    QFETCH(int, command);
    Frame frame;
    QList<int> ran;
    for (int id : {cmd::FileNew, cmd::FileSave, cmd::EditCopy, cmd::EditPaste, cmd::EditCut,
                   cmd::EditUndo, cmd::Help, cmd::ContextHelp, cmd::PrevPane})
        frame.router.setHandler(id, [&ran, id] { ran.append(id); });
    frame.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame.window));
    QTest::keySequence(&frame.window, keys);
    QCOMPARE(ran, QList<int>{command});
    // Without a handler the same keys do nothing.
    frame.router.clearHandler(command);
    QTest::keySequence(&frame.window, keys);
    QCOMPARE(ran, QList<int>{command});
}

void CommandRouterTest::promptsAndToolTipsComeFromTheStrings() {
    Frame frame;
    QAction* saveAs = frame.router.action(cmd::FileSaveAs);
    QCOMPARE(saveAs->statusTip(), QStringLiteral("Save the active document with a new name"));
    QCOMPARE(saveAs->toolTip(), QStringLiteral("Save As"));
    QCOMPARE(frame.router.action(cmd::FileMru1)->statusTip(), QStringLiteral("Open this document"));
    QCOMPARE(frame.router.action(cmd::EditCopy)->toolTip(), QStringLiteral("Copy"));
    QCOMPARE(frame.router.action(cmd::EditCopy)->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_C),
                                  QKeySequence(Qt::CTRL | Qt::Key_Insert)}));
}

void CommandRouterTest::failingCommandIsShownAndTheWindowGoesOn() {
    RecordedMessageBoxes boxes;
    Frame frame;
    int runs = 0;
    frame.router.setHandler(cmd::FileSave, [&runs] {
        ++runs;
        throw std::runtime_error("no message for the user");
    });
    frame.router.action(cmd::FileSave)->trigger();
    QCOMPARE(boxes.texts(), QStringList{"Command failed."});
    QCOMPARE(boxes.messages.first().icon, MessageIcon::Stop);
    QVERIFY(frame.router.action(cmd::FileSave)->isEnabled());
    frame.router.action(cmd::FileSave)->trigger();
    QCOMPARE(runs, 2);
}

QTEST_MAIN(CommandRouterTest)
#include "CommandRouterTest.moc"
