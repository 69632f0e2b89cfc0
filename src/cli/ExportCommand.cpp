#include <ostream>

#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/LoadedCatalog.h"
#include "cli/RecordCsv.h"
#include "cli/RecordJson.h"

namespace tarvel::cli {

int RunExport(const QStringList& args, Io& io) {
    SubcommandLine line(QStringLiteral("export"), QStringLiteral("[options] [CATALOG]"),
                        QStringLiteral("Writes every record of CATALOG (default Catalog.dat) to "
                                       "standard output as JSON (the document that append "
                                       "reads) or as CSV, in UTF-8."));
    QCommandLineOption format(QStringLiteral("format"),
                              QStringLiteral("json (the default) or csv."),
                              QStringLiteral("FORMAT"), QStringLiteral("json"));
    line.parser().addOption(format);
    line.parser().addPositionalArgument(QStringLiteral("CATALOG"),
                                        QStringLiteral("The catalog file."), QStringLiteral("[CATALOG]"));
    if (auto status = line.parse(args, io))
        return *status;
    QString chosen = line.parser().value(format);
    if (chosen != QLatin1String("json") && chosen != QLatin1String("csv"))
        return line.usageError(io, QStringLiteral("unknown format \"%1\"; use json or csv").arg(chosen));

    std::string path = CatalogPathArgument(line.positional().value(0));
    LoadedCatalog catalog;
    if (!LoadCatalog(path, io, catalog))
        return kUsageOrFileError;
    io.out << (chosen == QLatin1String("csv") ? CatalogCsv(catalog.records)
                                              : CatalogJsonDocument(catalog.records));
    NoteSkippedLines(path, catalog.skipped, io);
    return kSuccess;
}

}  // namespace tarvel::cli
