#pragma once

#include <QMainWindow>
#include <QSize>

#include "framework/CommandRouter.h"

class QLabel;
class QToolBar;

namespace tarvel {

class CTarvelView;
class RecentFileList;

/// The main window's size on a screen of `screen` pixels: the whole screen up to 480
/// pixels high, 5/6 of it up to 600, 20/31 above; each side truncated.
QSize MainFrameSize(QSize screen);

/// The main window: menu, tool bar, status bar, and the record form in its client area.
/// Its caption is always the program's title; it opens at the screen's top-left corner.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    /// Builds the menu, the tool bar and the status bar; false when a bar could not be made.
    bool OnCreate(RecentFileList& recentFiles);
    /// Puts the form into the client area and routes the commands it handles to it.
    void setView(CTarvelView* view);
    CTarvelView* view() const { return view_; }

    CommandRouter& router() { return router_; }
    QToolBar* toolBar() const { return toolBar_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    /// Sizes the window for the screen it opens on and puts it at the top-left corner.
    void PreCreateWindow();
    /// Makes the View menu's toggle for `bar` follow and set its visibility.
    void bindToggle(int command, QWidget* bar);

    CommandRouter router_;
    QToolBar* toolBar_ = nullptr;
    CTarvelView* view_ = nullptr;
};

}  // namespace tarvel
