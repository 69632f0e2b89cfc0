#include "cli/CommandLine.h"

#include <QFile>

#include <ostream>

#include "catalog/CatalogState.h"
#include "cli/ExitStatus.h"
#include "cli/Latin1.h"

namespace tarvel::cli {

int Report(Io& io, const std::string& message, int status) {
    io.err << kProgramName << ": " << message << '\n';
    return status;
}

SubcommandLine::SubcommandLine(QString name, QString arguments, QString description)
    : name_(std::move(name)),
      arguments_(std::move(arguments)),
      help_(QStringList{QStringLiteral("h"), QStringLiteral("help")},
            QStringLiteral("Show this help and exit.")) {
    parser_.setApplicationDescription(description);
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(help_);
}

std::optional<int> SubcommandLine::parse(const QStringList& args, Io& io) {
    // The parser skips its first word as the program's name.
    if (!parser_.parse(QStringList{QString::fromLatin1(kProgramName)} + args))
        return usageError(io, parser_.errorText());
    if (parser_.isSet(help_)) {
        io.out << Utf8(helpText());
        return kSuccess;
    }
    if (parser_.positionalArguments().size() > maximumPositional_)
        return usageError(io, QStringLiteral("too many arguments: %1")
                                  .arg(parser_.positionalArguments().join(QLatin1Char(' '))));
    return std::nullopt;
}

int SubcommandLine::usageError(Io& io, const QString& message) const {
    io.err << kProgramName << ' ' << Utf8(name_) << ": " << Utf8(message) << '\n'
           << "Try '" << kProgramName << ' ' << Utf8(name_) << " --help'.\n";
    return kUsageOrFileError;
}

QString SubcommandLine::helpText() const {
    // Qt's help starts with a usage line naming the executable; ours names the subcommand.
    QString text = parser_.helpText();
    qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    QString rest = firstLineEnd < 0 ? QString() : text.mid(firstLineEnd + 1);
    return QStringLiteral("Usage: %1 %2 %3\n")
               .arg(QString::fromLatin1(kProgramName), name_, arguments_) +
           rest;
}

std::string CatalogPathArgument(const QString& word) {
    return word.isEmpty() ? std::string(kDefaultCatalogPath) : LocalPath(word);
}

std::string LocalPath(const QString& word) {
    QByteArray bytes = QFile::encodeName(word);
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace tarvel::cli
