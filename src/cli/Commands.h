#pragma once

#include <QStringList>

#include "cli/CommandLine.h"

namespace tarvel::cli {

// The subcommands. Each takes the words after its name and returns the exit status
// (ExitStatus); --help prints its help to io.out.

/// list [CATALOG]: one line per record.
int RunList(const QStringList& args, Io& io);
/// show NUMBER [CATALOG] | show --line N [CATALOG], with --json: one record in full.
int RunShow(const QStringList& args, Io& io);
/// check [--json] [CATALOG]: the findings; status 1 when one is an error.
int RunCheck(const QStringList& args, Io& io);
/// export [--format json|csv] [CATALOG]: every record.
int RunExport(const QStringList& args, Io& io);
/// append --json FILE [--dry-run] [CATALOG]: records from JSON under the next numbers.
int RunAppend(const QStringList& args, Io& io);

}  // namespace tarvel::cli
