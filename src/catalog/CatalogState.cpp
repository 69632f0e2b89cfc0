#include "catalog/CatalogState.h"

namespace tarvel {

std::string& CurrentCatalogPath() {
    static std::string path;
    return path;
}

const std::string& CatalogPathOrDefault() {
    std::string& path = CurrentCatalogPath();
    if (path.empty())
        path = kDefaultCatalogPath;
    return path;
}

std::string& RecordLineBuffer() {
    static std::string buffer;
    return buffer;
}

}  // namespace tarvel
