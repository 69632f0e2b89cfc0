#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

#include "framework/ProfileSettings.h"

namespace tarvel {

class CMainFrame;
class CTarvelDoc;
class CTarvelView;

/// The application: its start-up creates the document, the main window and the record
/// form, and processes the command line; at the end it writes the profile.
class CTarvelApp : public QObject {
    Q_OBJECT
public:
    CTarvelApp();
    ~CTarvelApp() override;

    /// Start-up: loads the profile, creates the document, the main window and the form,
    /// and takes a file named on the command line through the document. False when the
    /// main window could not be created.
    bool InitInstance(const QStringList& arguments);
    /// Writes the profile; returns the exit code.
    int ExitInstance();

    /// Shows the About box.
    void OnAppAbout();
    /// Opens `path` through the document (which reads nothing) and shows the form again.
    void OpenDocumentFile(const QString& path);

    CMainFrame* mainFrame() const { return frame_.get(); }
    CTarvelView* view() const;
    ProfileSettings& profile() { return profile_; }

private:
    ProfileSettings profile_;
    std::unique_ptr<CTarvelDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
};

/// The files named on the command line; handles --help and --version (printing and
/// exiting, the Qt way).
QStringList ParseCommandLine(const QStringList& arguments);

}  // namespace tarvel
