#include "app/TarvelDoc.h"

#include "framework/RecentFileList.h"

namespace tarvel {

bool CTarvelDoc::OnOpenDocument(const QString& path) {
    recentFiles_.add(path);
    return true;
}

}  // namespace tarvel
