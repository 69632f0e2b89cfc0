#pragma once

namespace tarvel::res {

// Dialog templates.
inline constexpr int kAboutBox = 100;
inline constexpr int kRecordForm = 101;
inline constexpr int kModePageChoice = 136;
inline constexpr int kSelectRecord = 138;
inline constexpr int kModeSelect = 212;

// The main window's menu, accelerator table, tool bar, icon and document string.
inline constexpr int kMainFrame = 128;

// Strings.
inline constexpr int kAppTitle = 57344;    ///< "Orvan Tarvel"
inline constexpr int kIdleMessage = 57345; ///< "For Help, press F1"
inline constexpr int kIndicatorCaps = 59137;
inline constexpr int kIndicatorNum = 59138;
inline constexpr int kIndicatorScroll = 59139;

}  // namespace tarvel::res

namespace tarvel::cmd {

inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileMru1 = 57616;  ///< first recent-file entry; the others follow
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int HelpIndex = 57667;  ///< Help Topics
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;
inline constexpr int ViewToolBar = 59392;
inline constexpr int ViewStatusBar = 59393;

}  // namespace tarvel::cmd
