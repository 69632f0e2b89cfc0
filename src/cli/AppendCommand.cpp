#include <istream>
#include <iterator>
#include <ostream>

#include "catalog/CatalogRecord.h"
#include "catalog/CatalogWriter.h"
#include "catalog/RecordNumbering.h"
#include "cli/CatalogInput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Latin1.h"
#include "cli/RecordJsonInput.h"

namespace tarvel::cli {

namespace {

/// Prints the lines that the records would become, numbered on from the catalog's last
/// line as it is now; writes nothing.
int DryRun(std::vector<RecordToAppend>& records, const std::string& path,
           const std::string& date, Io& io) {
    LastLine last = ReadCatalogLastLine(path);
    if (last.error)
        return Report(io, *last.error, kUsageOrFileError);
    std::int64_t next = NextNumberAfter(last.hasLines ? 1 : 0, last.text);
    for (RecordToAppend& entry : records) {
        entry.record.recordNumber = FormatRecordNumber(next++);
        entry.record.recordDate = date;
        ModePageList pages;
        FillPageList(entry, pages);
        PadPageNumbers(pages);
        io.out << Utf8(DisplayText(FormatCatalogRecord(entry.record, pages))) << '\n';
    }
    return Report(io,
                    path + ": dry run, nothing was written; " + std::to_string(records.size()) +
                        (records.size() == 1 ? " record" : " records") + " would be appended.",
                    kSuccess);
}

}  // namespace

int RunAppend(const QStringList& args, Io& io) {
    SubcommandLine line(
        QStringLiteral("append"), QStringLiteral("[options] --json FILE [CATALOG]"),
        QStringLiteral("Appends the records of the JSON document FILE (as export writes it; - "
                       "for standard input) to CATALOG (default Catalog.dat, created when "
                       "missing), each under the next Record Number and with today's date, "
                       "through the same checks and lock as the editor's Save Record. Every "
                       "record is checked first: when one is refused, nothing is written."));
    QCommandLineOption json(QStringLiteral("json"),
                            QStringLiteral("The JSON document of records to append."),
                            QStringLiteral("FILE"));
    QCommandLineOption dryRun(QStringLiteral("dry-run"),
                              QStringLiteral("Print the lines that would be appended; write "
                                             "nothing."));
    line.parser().addOption(json);
    line.parser().addOption(dryRun);
    line.parser().addPositionalArgument(QStringLiteral("CATALOG"),
                                        QStringLiteral("The catalog file."), QStringLiteral("[CATALOG]"));
    if (auto status = line.parse(args, io))
        return *status;
    if (!line.parser().isSet(json))
        return line.usageError(io, QStringLiteral("--json FILE is required"));

    const QString jsonWord = line.parser().value(json);
    const std::string jsonName = jsonWord == QLatin1String("-") ? std::string("standard input")
                                                                : LocalPath(jsonWord);
    FileBytes input;
    if (jsonWord == QLatin1String("-"))
        input.bytes.assign(std::istreambuf_iterator<char>(io.in), std::istreambuf_iterator<char>());
    else
        input = ReadWholeFile(jsonName);
    if (input.error)
        return Report(io, *input.error, kUsageOrFileError);

    AppendInput read = ReadRecordsToAppend(QByteArray::fromStdString(input.bytes));
    if (read.documentError)
        return Report(io, jsonName + ": " + Utf8(*read.documentError), kUsageOrFileError);

    const std::string path = CatalogPathArgument(line.positional().value(0));
    if (!read.refusals.empty()) {
        for (const QString& refusal : read.refusals)
            Report(io, jsonName + ": " + Utf8(refusal), kFindings);
        return Report(io, path + ": nothing was appended.", kFindings);
    }
    if (read.records.empty())
        return Report(io, jsonName + ": no records to append.", kSuccess);

    const std::string date = TodayCatalogDate();
    if (line.parser().isSet(dryRun))
        return DryRun(read.records, path, date, io);

    std::size_t written = 0;
    for (RecordToAppend& entry : read.records) {
        ModePageList pages;
        FillPageList(entry, pages);
        if (auto error = AppendNumberedRecord(path, entry.record, pages, date)) {
            Report(io, error->message, kUsageOrFileError);
            std::string done = written == 0 ? std::string("no record was appended")
                                            : std::to_string(written) + " of " +
                                                  std::to_string(read.records.size()) +
                                                  " records were appended";
            return Report(io, path + ": " + done + "; record " + std::to_string(entry.index) +
                                    " and those after it were not.",
                            error->kind == CatalogError::Kind::Layout ? kFindings
                                                                      : kUsageOrFileError);
        }
        ++written;
        io.out << "appended record " << entry.record.recordNumber << " to " << path << '\n';
    }
    return kSuccess;
}

}  // namespace tarvel::cli
