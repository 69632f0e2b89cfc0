#pragma once

#include "framework/RecentFileList.h"

#include <QString>

#include <memory>

class QSettings;

namespace tarvel {

/// The program's private profile: an INI file named after the program in the user's
/// configuration folder, holding the recent-file list and the "Settings" section.
class ProfileSettings {
public:
    /// The profile of `programName` with a recent-file list of `recentFiles` entries.
    explicit ProfileSettings(QString programName = QStringLiteral("tarvel"), int recentFiles = 4);
    ~ProfileSettings();

    /// Opens the profile file; the settings are written when it is destroyed or synced.
    std::unique_ptr<QSettings> open() const;
    /// The path of the profile file.
    QString fileName() const;

    /// Reads the recent-file list and the settings (missing values keep their defaults).
    void load();
    /// Writes them back. Returns false when the file could not be written.
    bool save() const;

    RecentFileList& recentFiles() { return recentFiles_; }
    const RecentFileList& recentFiles() const { return recentFiles_; }

    /// "Settings" / "PreviewPages": pages the print preview shows, 0 for its default.
    int previewPages() const { return previewPages_; }
    void setPreviewPages(int pages) { previewPages_ = pages; }

private:
    QString programName_;
    RecentFileList recentFiles_;
    int previewPages_ = 0;
};

}  // namespace tarvel
