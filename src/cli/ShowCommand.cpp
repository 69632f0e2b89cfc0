#include <ostream>

#include "catalog/CatalogRecord.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Latin1.h"
#include "cli/LoadedCatalog.h"
#include "cli/RecordJson.h"
#include "cli/RecordText.h"

namespace tarvel::cli {

namespace {

bool IsNumber(const QString& word) {
    if (word.isEmpty())
        return false;
    for (QChar c : word)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

}  // namespace

int RunShow(const QStringList& args, Io& io) {
    SubcommandLine line(
        QStringLiteral("show"), QStringLiteral("[options] NUMBER [CATALOG] | --line N [CATALOG]"),
        QStringLiteral("Shows one record of CATALOG (default Catalog.dat) in full, with its mode "
                       "pages as rows of values: the record numbered NUMBER (the last one when "
                       "several have it), or the record on line N."));
    QCommandLineOption lineOption(QStringLiteral("line"),
                                  QStringLiteral("Show the record on line N (counted from 1)."),
                                  QStringLiteral("N"));
    QCommandLineOption json(QStringLiteral("json"),
                            QStringLiteral("Print the record as JSON, in the document that "
                                           "export writes and append reads."));
    line.parser().addOption(lineOption);
    line.parser().addOption(json);
    line.parser().addPositionalArgument(QStringLiteral("NUMBER"),
                                        QStringLiteral("The Record Number, such as 12 or 0012."));
    line.parser().addPositionalArgument(QStringLiteral("CATALOG"),
                                        QStringLiteral("The catalog file."), QStringLiteral("[CATALOG]"));
    line.setMaximumPositional(2);
    if (auto status = line.parse(args, io))
        return *status;

    QStringList words = line.positional();
    const bool byLine = line.parser().isSet(lineOption);
    QString wanted = byLine ? line.parser().value(lineOption) : words.value(0);
    if (byLine && words.size() > 1)
        return line.usageError(io, QStringLiteral("give either NUMBER or --line, not both"));
    if (!byLine && words.isEmpty())
        return line.usageError(io, QStringLiteral("which record? Give its NUMBER or --line N"));
    if (!IsNumber(wanted) || (byLine && wanted.toLongLong() < 1))
        return line.usageError(io, QStringLiteral("\"%1\" is not a %2")
                                       .arg(wanted, byLine ? QStringLiteral("line number")
                                                           : QStringLiteral("Record Number")));

    std::string path = CatalogPathArgument(words.value(byLine ? 0 : 1));
    LoadedCatalog catalog;
    if (!LoadCatalog(path, io, catalog))
        return kUsageOrFileError;

    std::vector<const LineRecord*> found;
    const std::int64_t value = NumberValue(wanted.toStdString());
    for (const LineRecord& record : catalog.records) {
        bool match = byLine ? record.line == value
                            : NumberValue(record.parsed.record.recordNumber) == value;
        if (match)
            found.push_back(&record);
    }
    if (found.empty()) {
        if (!byLine)
            return Report(io, path + ": no record is numbered " + FormatRecordNumber(value) + ".",
                            kFindings);
        if (value > catalog.lines)
            return Report(io, path + " has no line " + std::to_string(value) + " (it has " +
                                    std::to_string(catalog.lines) + ").",
                            kFindings);
        return Report(io, path + ": line " + std::to_string(value) + " is not a record.",
                        kFindings);
    }
    const LineRecord& shown = *found.back();
    if (found.size() > 1) {
        std::string lines;
        for (const LineRecord* record : found)
            lines += (lines.empty() ? "" : ", ") + std::to_string(record->line);
        Report(io,
                 path + ": record " + FormatRecordNumber(value) + " occurs " +
                     std::to_string(found.size()) + " times (lines " + lines +
                     "); showing the last, on line " + std::to_string(shown.line) + ".",
                 kSuccess);
    }

    if (line.parser().isSet(json)) {
        io.out << RecordJsonDocument(shown);
    } else {
        io.out << Utf8(RecordText(shown));
    }
    return kSuccess;
}

}  // namespace tarvel::cli
