#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QStringList>

#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "catalog/CatalogRecord.h"
#include "cli/CatalogTool.h"

namespace tarvel::testing {

/// What a run of tarvel-catalog gave.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs the subcommands in this process, with `input` as standard input.
inline ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    cli::Io io{in, out, err};
    QStringList words;
    for (const std::string& arg : args)
        words << QString::fromStdString(arg);
    int status = cli::RunCatalogTool(words, io);
    return {status, out.str(), err.str()};
}

/// Runs the built program in `folder` as a process.
inline ToolRun RunProgram(const std::vector<std::string>& args, const std::string& folder) {
    TempDir streams;
    const std::string outPath = streams.file("out"), errPath = streams.file("err");
    pid_t child = fork();
    if (child == 0) {
        int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int none = open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || none < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
            dup2(none, 0) < 0 || chdir(folder.c_str()) != 0)
            _exit(127);
        // No display: the program needs none.
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("QT_QPA_PLATFORM");
        std::vector<char*> argv{const_cast<char*>(TARVEL_CATALOG_PROGRAM)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(TARVEL_CATALOG_PROGRAM, argv.data());
        _exit(127);
    }
    int wait = 0;
    waitpid(child, &wait, 0);
    return {WIFEXITED(wait) ? WEXITSTATUS(wait) : -1, ReadBytes(outPath), ReadBytes(errPath)};
}

/// Sets the catalog clock to noon on 3 June 1997 for as long as it lives.
class FixedCatalogDate {
public:
    FixedCatalogDate() { SetCatalogClockForTesting(&June3rd1997); }
    ~FixedCatalogDate() { SetCatalogClockForTesting(nullptr); }

private:
    static std::time_t June3rd1997() {
        std::tm date{};
        date.tm_year = 97;
        date.tm_mon = 5;
        date.tm_mday = 3;
        date.tm_hour = 12;
        date.tm_isdst = -1;
        return std::mktime(&date);
    }
};

/// The worked example as a catalog file: two lines, CR LF between them, none after.
inline std::string ExampleCatalog() { return kExampleLine1 + "\r\n" + kExampleLine2; }

/// A whole record without pages, numbered `number`, with `codes` as its item codes.
inline std::string RecordLine(const std::string& number, const std::string& vendor = "Seagate",
                              const std::string& codes = "6,7,3",
                              const std::string& versions = "0012,0015,0018") {
    return number + ",6/3/97," + vendor + ",DRIVE01," + versions + "," + codes +
           ",FW0018.BIN,0,0,No Text";
}

}  // namespace tarvel::testing
