#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"

namespace tarvel::res {
namespace {

MenuItemTemplate Item(const QString& text, int command, bool grayed = false) {
    return MenuItemTemplate{text, command, grayed, {}};
}

MenuItemTemplate Separator() { return MenuItemTemplate{}; }

MenuItemTemplate Popup(const QString& text, std::vector<MenuItemTemplate> items) {
    return MenuItemTemplate{text, 0, false, std::move(items)};
}

}  // namespace

const MenuTemplate& MainMenu() {
    static const MenuTemplate menu{
        kMainFrame,
        {
            Popup(QStringLiteral("&File"),
                  {
                      Item(QStringLiteral("&New\tCtrl+N"), cmd::FileNew),
                      Item(QStringLiteral("&Open...\tCtrl+O"), cmd::FileOpen),
                      Item(QStringLiteral("&Save\tCtrl+S"), cmd::FileSave),
                      Item(QStringLiteral("Save &As..."), cmd::FileSaveAs),
                      Separator(),
                      Item(QStringLiteral("&Print...\tCtrl+P"), cmd::FilePrint, true),
                      Item(QStringLiteral("Print Pre&view"), cmd::FilePrintPreview, true),
                      Item(QStringLiteral("P&rint Setup..."), cmd::FilePrintSetup, true),
                      Separator(),
                      Item(QStringLiteral("Recent File"), cmd::FileMru1, true),
                      Separator(),
                      Item(QStringLiteral("E&xit"), cmd::AppExit),
                  }),
            Popup(QStringLiteral("&Edit"),
                  {
                      Item(QStringLiteral("&Undo\tCtrl+Z"), cmd::EditUndo),
                      Separator(),
                      Item(QStringLiteral("Cu&t\tCtrl+X"), cmd::EditCut),
                      Item(QStringLiteral("&Copy\tCtrl+C"), cmd::EditCopy),
                      Item(QStringLiteral("&Paste\tCtrl+V"), cmd::EditPaste),
                  }),
            Popup(QStringLiteral("&View"),
                  {
                      Item(QStringLiteral("&Toolbar"), cmd::ViewToolBar),
                      Item(QStringLiteral("&Status Bar"), cmd::ViewStatusBar),
                  }),
            Popup(QStringLiteral("&Help"),
                  {
                      Item(QStringLiteral("&Help Topics"), cmd::HelpIndex),
                      Separator(),
                      Item(QStringLiteral("&About Tarvel..."), cmd::AppAbout),
                  }),
        },
    };
    return menu;
}

const AcceleratorTable& MainAccelerators() {
    static const AcceleratorTable table{
        kMainFrame,
        {
            {QKeySequence(Qt::CTRL | Qt::Key_N), cmd::FileNew},
            {QKeySequence(Qt::CTRL | Qt::Key_O), cmd::FileOpen},
            {QKeySequence(Qt::CTRL | Qt::Key_S), cmd::FileSave},
            {QKeySequence(Qt::CTRL | Qt::Key_P), cmd::FilePrint},
            {QKeySequence(Qt::CTRL | Qt::Key_Z), cmd::EditUndo},
            {QKeySequence(Qt::ALT | Qt::Key_Backspace), cmd::EditUndo},
            {QKeySequence(Qt::Key_F1), cmd::Help},
            {QKeySequence(Qt::Key_F6), cmd::NextPane},
            {QKeySequence(Qt::CTRL | Qt::Key_C), cmd::EditCopy},
            {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::EditCopy},
            {QKeySequence(Qt::CTRL | Qt::Key_V), cmd::EditPaste},
            {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::EditPaste},
            {QKeySequence(Qt::CTRL | Qt::Key_X), cmd::EditCut},
            {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::EditCut},
            {QKeySequence(Qt::SHIFT | Qt::Key_F1), cmd::ContextHelp},
            {QKeySequence(Qt::SHIFT | Qt::Key_F6), cmd::PrevPane},
        },
    };
    return table;
}

const ToolBarTemplate& MainToolBar() {
    static const ToolBarTemplate bar{
        kMainFrame,
        QSize(16, 15),
        {cmd::FileNew, cmd::FileOpen, cmd::FileSave, 0, cmd::EditCut, cmd::EditCopy,
         cmd::EditPaste, 0, cmd::AppAbout, cmd::ContextHelp},
        {
            {cmd::FileNew, QStringLiteral("document-new"), QStyle::SP_FileIcon, {}},
            {cmd::FileOpen, QStringLiteral("document-open"), QStyle::SP_DialogOpenButton, {}},
            {cmd::FileSave, QStringLiteral("document-save"), QStyle::SP_DialogSaveButton, {}},
            {cmd::EditCut, QStringLiteral("edit-cut"), QStyle::SP_CustomBase,
             QStringLiteral(":/tarvel/icons/cut.png")},
            {cmd::EditCopy, QStringLiteral("edit-copy"), QStyle::SP_CustomBase,
             QStringLiteral(":/tarvel/icons/copy.png")},
            {cmd::EditPaste, QStringLiteral("edit-paste"), QStyle::SP_CustomBase,
             QStringLiteral(":/tarvel/icons/paste.png")},
            {cmd::AppAbout, QStringLiteral("help-about"), QStyle::SP_MessageBoxInformation, {}},
            {cmd::ContextHelp, QStringLiteral("help-contextual"),
             QStyle::SP_TitleBarContextHelpButton, {}},
        },
    };
    return bar;
}

const std::vector<int>& StatusIndicators() {
    static const std::vector<int> indicators{kIndicatorCaps, kIndicatorNum, kIndicatorScroll};
    return indicators;
}

}  // namespace tarvel::res
