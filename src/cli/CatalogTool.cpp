#include "cli/CatalogTool.h"

#include <cstring>
#include <ostream>

#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Latin1.h"

namespace tarvel::cli {

namespace {

struct Subcommand {
    const char* name;
    int (*run)(const QStringList& args, Io& io);
    const char* summary;
};

constexpr Subcommand kSubcommands[] = {
    {"list", RunList, "list the records, one line each"},
    {"show", RunShow, "show one record in full, by number or by line"},
    {"check", RunCheck, "find what will hurt the catalog's users"},
    {"export", RunExport, "write every record as JSON or CSV"},
    {"append", RunAppend, "add records from JSON under the next numbers"},
};

const Subcommand* Find(const QString& name) {
    for (const Subcommand& subcommand : kSubcommands)
        if (name == QLatin1String(subcommand.name))
            return &subcommand;
    return nullptr;
}

std::string Usage() {
    std::string text = std::string("Usage: ") + kProgramName +
                       " SUBCOMMAND [options] [arguments]\n"
                       "Reads and writes the catalog files of the Tarvel editor. CATALOG is "
                       "Catalog.dat in the working folder unless named.\n\nSubcommands:\n";
    for (const Subcommand& subcommand : kSubcommands)
        text += std::string("  ") + subcommand.name + std::string(8 - std::strlen(subcommand.name), ' ') +
                subcommand.summary + '\n';
    text += std::string("  help    show the help of a subcommand\n\n") + kProgramName +
            " SUBCOMMAND --help shows a subcommand's options.\nExit status: 0 success, 1 "
            "findings or refusals, 2 usage or file errors.\n";
    return text;
}

int UnknownSubcommand(const QString& word, Io& io) {
    io.err << kProgramName << ": unknown subcommand \"" << Utf8(word) << "\"\n"
           << "Try '" << kProgramName << " --help'.\n";
    return kUsageOrFileError;
}

}  // namespace

int RunCatalogTool(const QStringList& args, Io& io) {
    if (args.isEmpty()) {
        io.err << Usage();
        return kUsageOrFileError;
    }
    const QString& first = args.front();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        io.out << Usage();
        return kSuccess;
    }
    if (first == QLatin1String("--version")) {
        io.out << kProgramName << ' ' << TARVEL_VERSION << '\n';
        return kSuccess;
    }
    if (first == QLatin1String("help")) {
        if (args.size() == 1) {
            io.out << Usage();
            return kSuccess;
        }
        const Subcommand* subcommand = Find(args[1]);
        return subcommand ? subcommand->run({QStringLiteral("--help")}, io)
                          : UnknownSubcommand(args[1], io);
    }
    const Subcommand* subcommand = Find(first);
    if (!subcommand)
        return UnknownSubcommand(first, io);
    return subcommand->run(args.mid(1), io);
}

}  // namespace tarvel::cli
