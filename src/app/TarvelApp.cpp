#include "app/TarvelApp.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/TarvelDoc.h"
#include "form/TarvelView.h"
#include "framework/MessageBoxes.h"
#include "resources/MainFrameResources.h"
#include "resources/ResourceIds.h"

namespace tarvel {

CTarvelApp::CTarvelApp() { SetApplicationTitle(res::LoadString(res::kAppTitle)); }

CTarvelApp::~CTarvelApp() = default;

QStringList ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Editor for a firmware-download catalog of SCSI devices."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A file to put on the recent-file list."),
                                 QStringLiteral("[file]"));
    parser.process(arguments);
    return parser.positionalArguments();
}

bool CTarvelApp::InitInstance(const QStringList& arguments) {
    const QStringList files = ParseCommandLine(arguments);
    profile_.load();
    document_ = std::make_unique<CTarvelDoc>(profile_.recentFiles());

    frame_ = std::make_unique<CMainFrame>();
    if (!frame_->OnCreate(profile_.recentFiles())) {
        ShowMessage(QStringLiteral("Failed to create empty document."), MessageIcon::Stop);
        frame_.reset();
        return false;
    }
    frame_->setView(new CTarvelView);
    frame_->router().setHandler(cmd::AppAbout, [this] { OnAppAbout(); });
    connect(&profile_.recentFiles(), &RecentFileList::fileChosen, this,
            [this](const QString& path) { OpenDocumentFile(path); });

    if (files.isEmpty())
        document_->OnNewDocument();
    else
        document_->OnOpenDocument(files.first());
    view()->OnInitialUpdate();
    frame_->show();
    return true;
}

int CTarvelApp::ExitInstance() {
    profile_.save();
    return 0;
}

CTarvelView* CTarvelApp::view() const { return frame_ ? frame_->view() : nullptr; }

void CTarvelApp::OnAppAbout() {
    CAboutDlg about(frame_.get());
    about.runModal();
}

void CTarvelApp::OpenDocumentFile(const QString& path) {
    document_->OnOpenDocument(path);
    view()->OnInitialUpdate();
}

}  // namespace tarvel
