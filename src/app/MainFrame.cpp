#include "app/MainFrame.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

#include "form/TarvelView.h"
#include "framework/MenuBuilder.h"
#include "framework/RecentFileList.h"
#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"

namespace tarvel {

QSize MainFrameSize(QSize screen) {
    if (screen.height() <= 480)
        return screen;
    const double factor = screen.height() <= 600 ? 5.0 / 6.0 : 20.0 / 31.0;
    return QSize(static_cast<int>(screen.width() * factor),
                 static_cast<int>(screen.height() * factor));
}

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), router_(this) {
    setWindowTitle(res::LoadString(res::kAppTitle));
    setWindowIcon(QGuiApplication::windowIcon());
    PreCreateWindow();
}

void CMainFrame::PreCreateWindow() {
    // Title bar with system menu, sizing border, minimize and maximize boxes.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen)
        resize(MainFrameSize(screen->size()));
    move(0, 0);
}

bool CMainFrame::OnCreate(RecentFileList& recentFiles) {
    router_.setStrings(res::Strings());
    BuildMenuBar(menuBar(), res::MainMenu(), router_);
    ApplyAccelerators(res::MainAccelerators(), router_);
    if (QAction* placeholder = router_.findAction(cmd::FileMru1)) {
        for (QAction* top : menuBar()->actions())
            if (top->menu() && top->menu()->actions().contains(placeholder))
                recentFiles.attachToMenu(top->menu(), placeholder);
    }

    toolBar_ = addToolBar(QString());
    if (!toolBar_)
        return false;
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    BuildToolBar(toolBar_, res::MainToolBar(), router_);

    QStatusBar* bar = statusBar();
    if (!bar)
        return false;
    bar->setObjectName(QStringLiteral("statusBar"));
    auto* idle = new QLabel(res::LoadString(res::kIdleMessage), bar);
    idle->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(idle, 1);
    for (int indicator : res::StatusIndicators()) {
        // Qt reports no lock-key state, so the indicators stand dimmed as placeholders.
        auto* pane = new QLabel(res::LoadString(indicator), bar);
        pane->setObjectName(QStringLiteral("indicator%1").arg(indicator));
        pane->setEnabled(false);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }

    bindToggle(cmd::ViewToolBar, toolBar_);
    bindToggle(cmd::ViewStatusBar, bar);
    router_.setHandler(cmd::AppExit, [this] { close(); });
    return true;
}

void CMainFrame::bindToggle(int command, QWidget* bar) {
    QAction* toggle = router_.action(command);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    router_.setHandler(command, [bar, toggle] { bar->setVisible(toggle->isChecked()); });
    // The tool bar can also be closed from its own context menu.
    if (auto* toolBar = qobject_cast<QToolBar*>(bar))
        connect(toolBar, &QToolBar::visibilityChanged, toggle, [toolBar, toggle] {
            if (!toolBar->window()->isMinimized())
                toggle->setChecked(toolBar->isVisible());
        });
}

void CMainFrame::setView(CTarvelView* view) {
    view_ = view;
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("viewScroller"));
    scroll->setWidget(view);
    scroll->setWidgetResizable(false);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(scroll);
    router_.setHandler(cmd::FileNew, [view] { view->OnFileNew(); });
    router_.setHandler(cmd::FileOpen, [view] { view->OnFileOpen(); });
    router_.setHandler(cmd::FileSave, [view] { view->OnFileSave(); });
    router_.setHandler(cmd::FileSaveAs, [view] { view->OnFileSaveAs(); });
}

void CMainFrame::changeEvent(QEvent* event) {
    // Whatever file is in use, the caption stays the program's title.
    if (event->type() == QEvent::WindowTitleChange &&
        windowTitle() != res::LoadString(res::kAppTitle))
        setWindowTitle(res::LoadString(res::kAppTitle));
    QMainWindow::changeEvent(event);
}

}  // namespace tarvel
