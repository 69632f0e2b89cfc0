#pragma once

#include <QStringList>

#include "cli/CommandLine.h"

namespace tarvel::cli {

/// Runs tarvel-catalog with `args` (the words after the program's name): a subcommand
/// (list, show, check, export, append, help) or --help / --version. Returns the exit
/// status (ExitStatus).
int RunCatalogTool(const QStringList& args, Io& io);

}  // namespace tarvel::cli
