#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <iosfwd>
#include <optional>
#include <string>

namespace tarvel::cli {

/// The program's name in usage lines and messages.
inline constexpr const char* kProgramName = "tarvel-catalog";

/// Where a run of the program reads and writes.
struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

/// Writes "tarvel-catalog: <message>" and a line end to `io.err`; returns `status`.
int Report(Io& io, const std::string& message, int status);

/// The command line of one subcommand: its options, a --help option and its usage.
class SubcommandLine {
public:
    /// `arguments` is the usage after the subcommand name, such as "[options] [CATALOG]".
    SubcommandLine(QString name, QString arguments, QString description);

    QCommandLineParser& parser() { return parser_; }

    /// Parses `args` (the words after the subcommand name). Returns the exit status when
    /// the run ends here: 0 after printing the help to `io.out`, 2 after a usage error
    /// on `io.err`; nullopt when the subcommand should go on.
    std::optional<int> parse(const QStringList& args, Io& io);

    /// Reports a usage error (with a pointer to --help) and returns 2.
    int usageError(Io& io, const QString& message) const;

    /// The positional words; at most `maximum` of them, which parse() has checked.
    QStringList positional() const { return parser_.positionalArguments(); }
    void setMaximumPositional(int maximum) { maximumPositional_ = maximum; }

    /// The full help text of the subcommand.
    QString helpText() const;

private:
    QString name_;
    QString arguments_;
    QCommandLineParser parser_;
    QCommandLineOption help_;
    int maximumPositional_ = 1;
};

/// The catalog path named on the command line, or "Catalog.dat" in the working folder
/// when `word` is empty.
std::string CatalogPathArgument(const QString& word);

/// A file name from the command line as the bytes that the system takes.
std::string LocalPath(const QString& word);

}  // namespace tarvel::cli
