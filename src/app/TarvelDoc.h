#pragma once

#include <QString>

namespace tarvel {

class RecentFileList;

/// The document: an inert shell. It holds nothing, reads and writes nothing, and is
/// never modified, so closing the program never asks to save.
class CTarvelDoc {
public:
    explicit CTarvelDoc(RecentFileList& recentFiles) : recentFiles_(recentFiles) {}

    /// A new document: nothing to prepare.
    bool OnNewDocument() { return true; }
    /// Opening a file through the document reads nothing from it; the file's name enters
    /// the recent-file list.
    bool OnOpenDocument(const QString& path);
    bool IsModified() const { return false; }

private:
    RecentFileList& recentFiles_;
};

}  // namespace tarvel
