#include <ostream>

#include "cli/CatalogInput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/FindingsReport.h"

namespace tarvel::cli {

int RunCheck(const QStringList& args, Io& io) {
    QString tags;
    for (const FindingKindInfo& kind : FindingKinds())
        tags += QStringLiteral("\n  %1 (%2)")
                    .arg(QLatin1String(kind.tag),
                         kind.severity == Severity::Error ? QStringLiteral("error")
                                                          : QStringLiteral("warning"));
    SubcommandLine line(
        QStringLiteral("check"), QStringLiteral("[options] [CATALOG]"),
        QStringLiteral("Checks CATALOG (default Catalog.dat) for what will hurt its users and "
                       "prints each finding as FILE:LINE: error|warning: message [tag]. The exit "
                       "status is 1 when a finding is an error.\n\nTags:") +
            tags);
    QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the findings as JSON."));
    line.parser().addOption(json);
    line.parser().addPositionalArgument(QStringLiteral("CATALOG"),
                                        QStringLiteral("The catalog file."), QStringLiteral("[CATALOG]"));
    if (auto status = line.parse(args, io))
        return *status;

    std::string path = CatalogPathArgument(line.positional().value(0));
    FileBytes file = ReadWholeFile(path);
    if (file.error)
        return Report(io, *file.error, kUsageOrFileError);
    std::vector<Finding> findings = CheckCatalog(file.bytes);
    io.out << (line.parser().isSet(json) ? FindingsJson(path, findings)
                                         : FindingsText(path, findings));
    return HasErrors(findings) ? kFindings : kSuccess;
}

}  // namespace tarvel::cli
