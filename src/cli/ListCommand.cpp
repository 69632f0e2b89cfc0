#include <ostream>

#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Latin1.h"
#include "cli/LoadedCatalog.h"
#include "cli/RecordText.h"

namespace tarvel::cli {

int RunList(const QStringList& args, Io& io) {
    SubcommandLine line(QStringLiteral("list"), QStringLiteral("[options] [CATALOG]"),
                        QStringLiteral("Lists the records of CATALOG (default Catalog.dat), one "
                                       "line each in file order: number, date, vendor, "
                                       "product, low, high and new firmware version, and the "
                                       "number of mode pages."));
    line.parser().addPositionalArgument(QStringLiteral("CATALOG"),
                                        QStringLiteral("The catalog file."), QStringLiteral("[CATALOG]"));
    if (auto status = line.parse(args, io))
        return *status;

    std::string path = CatalogPathArgument(line.positional().value(0));
    LoadedCatalog catalog;
    if (!LoadCatalog(path, io, catalog))
        return kUsageOrFileError;
    io.out << Utf8(RecordListText(catalog.records));
    NoteSkippedLines(path, catalog.skipped, io);
    return kSuccess;
}

}  // namespace tarvel::cli
