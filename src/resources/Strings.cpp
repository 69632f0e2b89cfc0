#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"

namespace tarvel::res {

const StringTable& Strings() {
    static const StringTable strings{
        {kMainFrame,
         QStringLiteral("Orvan Tarvel\n\nTarvel\n\n\nTarvel.Document\nTarvel Document")},
        {kAppTitle, QStringLiteral("Orvan Tarvel")},
        {kIdleMessage, QStringLiteral("For Help, press F1")},
        {kIndicatorCaps, QStringLiteral("CAP")},
        {kIndicatorNum, QStringLiteral("NUM")},
        {kIndicatorScroll, QStringLiteral("SCRL")},
        {cmd::FileNew, QStringLiteral("Create a new document\nNew")},
        {cmd::FileOpen, QStringLiteral("Open an existing document\nOpen")},
        {cmd::FileSave, QStringLiteral("Save the active document\nSave")},
        {cmd::FileSaveAs, QStringLiteral("Save the active document with a new name\nSave As")},
        {cmd::FilePrint, QStringLiteral("Print the active document\nPrint")},
        {cmd::FilePrintPreview, QStringLiteral("Display full pages\nPrint Preview")},
        {cmd::FilePrintSetup,
         QStringLiteral("Change the printer and printing options\nPrint Setup")},
        {cmd::FileMru1, QStringLiteral("Open this document")},
        {cmd::AppExit, QStringLiteral("Quit the application; prompts to save documents\nExit")},
        {cmd::EditUndo, QStringLiteral("Undo the last action\nUndo")},
        {cmd::EditCut, QStringLiteral("Cut the selection and put it on the Clipboard\nCut")},
        {cmd::EditCopy, QStringLiteral("Copy the selection and put it on the Clipboard\nCopy")},
        {cmd::EditPaste, QStringLiteral("Insert Clipboard contents\nPaste")},
        {cmd::ViewToolBar, QStringLiteral("Show or hide the toolbar\nToggle ToolBar")},
        {cmd::ViewStatusBar, QStringLiteral("Show or hide the status bar\nToggle StatusBar")},
        {cmd::HelpIndex, QStringLiteral("List Help topics\nHelp Topics")},
        {cmd::AppAbout,
         QStringLiteral("Display program information, version number and copyright\nAbout")},
    };
    return strings;
}

QString LoadString(int id) {
    const auto found = Strings().find(id);
    return found == Strings().end() ? QString() : found->second;
}

}  // namespace tarvel::res
