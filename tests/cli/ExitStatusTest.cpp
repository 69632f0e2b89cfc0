#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestSupport.h"

namespace tarvel {
namespace {

using testing::ExampleCatalog;
using testing::RecordLine;
using testing::RunProgram;
using testing::WriteBytes;

struct StatusCase {
    std::vector<std::string> args;
    int status;
    std::string out;  ///< what standard output contains ("" for nothing at all)
    std::string err;  ///< what standard error contains ("" for nothing at all)
};

void ExpectContains(const std::string& text, const std::string& part) {
    if (part.empty())
        EXPECT_EQ(text, "");
    else
        EXPECT_NE(text.find(part), std::string::npos) << "in: " << text;
}

// The built program, run in a folder of fixtures without a display: exit status 0 for
// success, 1 for findings and refusals, 2 for usage and file errors, with messages on
// standard error that name the file.
TEST(ExitStatus, OfEverySubcommand) {
    testing::TempDir dir;
    WriteBytes(dir.file("Catalog.dat"), ExampleCatalog());
    WriteBytes(dir.file("errors.dat"), ExampleCatalog() + "\r\n" + RecordLine("0002"));
    WriteBytes(dir.file("warnings.dat"), ExampleCatalog() + "\r\n");
    WriteBytes(dir.file("good.json"), R"([{"vendor": "V", "product": "P", "downloadFilename": "F"}])");
    WriteBytes(dir.file("refused.json"), R"([{"vendor": "V,W"}])");
    std::filesystem::create_directory(dir.file("folder"));

    const StatusCase cases[] = {
        {{}, 2, "", "Usage: tarvel-catalog SUBCOMMAND"},
        {{"--help"}, 0, "Usage: tarvel-catalog SUBCOMMAND", ""},
        {{"--version"}, 0, "tarvel-catalog ", ""},
        {{"frobnicate"}, 2, "", "tarvel-catalog: unknown subcommand \"frobnicate\""},
        {{"help", "check"}, 0, "Usage: tarvel-catalog check [options] [CATALOG]", ""},
        {{"list"}, 0, "0002    6/3/97  Seagate", ""},
        {{"list", "--help"}, 0, "Usage: tarvel-catalog list [options] [CATALOG]", ""},
        {{"list", "--bogus"}, 2, "", "tarvel-catalog list: Unknown option 'bogus'."},
        {{"list", "a.dat", "b.dat"}, 2, "", "tarvel-catalog list: too many arguments"},
        {{"list", "missing.dat"}, 2, "", "tarvel-catalog: missing.dat does not exist.\n"},
        {{"list", "folder"}, 2, "", "tarvel-catalog: folder is a folder, not a catalog file.\n"},
        {{"list", "Catalog.dat/x"}, 2, "", "tarvel-catalog: Catalog.dat/x contains an invalid path.\n"},
        {{"show", "1"}, 0, "Record Number:         0001", ""},
        {{"show", "--help"}, 0, "Usage: tarvel-catalog show", ""},
        {{"show", "9"}, 1, "", "tarvel-catalog: Catalog.dat: no record is numbered 0009.\n"},
        {{"show"}, 2, "", "tarvel-catalog show: which record?"},
        {{"show", "x1"}, 2, "", "tarvel-catalog show: \"x1\" is not a Record Number"},
        {{"show", "--line", "0"}, 2, "", "tarvel-catalog show: \"0\" is not a line number"},
        {{"show", "1", "missing.dat"}, 2, "", "tarvel-catalog: missing.dat does not exist.\n"},
        {{"check"}, 0, "", ""},
        {{"check", "--help"}, 0, "duplicate-number (error)", ""},
        {{"check", "errors.dat"}, 1, "errors.dat:3: error: Record Number 0002 is also on line 2", ""},
        {{"check", "--json", "errors.dat"}, 1, "\"tag\":\"duplicate-number\"", ""},
        {{"check", "warnings.dat"}, 0, "warnings.dat:2: warning:", ""},
        {{"check", "missing.dat"}, 2, "", "tarvel-catalog: missing.dat does not exist.\n"},
        {{"export"}, 0, "{\"format\":\"tarvel-catalog\",\"version\":1,\"records\":[", ""},
        {{"export", "--format", "csv"}, 0, "line,recordNumber,", ""},
        {{"export", "--format", "xml"}, 2, "", "tarvel-catalog export: unknown format \"xml\""},
        {{"export", "missing.dat"}, 2, "", "tarvel-catalog: missing.dat does not exist.\n"},
        {{"append", "--json", "good.json", "--dry-run"}, 0, "0003,", "dry run, nothing was written"},
        {{"append", "--json", "good.json", "new.dat"}, 0, "appended record 0001 to new.dat", ""},
        {{"append", "--json", "refused.json"}, 1, "",
         "tarvel-catalog: refused.json: record 1: Vendor cannot hold a comma"},
        {{"append"}, 2, "", "tarvel-catalog append: --json FILE is required"},
        {{"append", "--json", "missing.json"}, 2, "", "tarvel-catalog: missing.json does not exist.\n"},
        {{"append", "--json", "good.json", "folder"}, 2, "",
         "tarvel-catalog: folder is a folder, not a catalog file.\n"},
        {{"append", "--json", "good.json", "nowhere/new.dat"}, 2, "",
         "tarvel-catalog: The folder for nowhere/new.dat was not found.\n"},
    };
    for (const StatusCase& c : cases) {
        std::string line;
        for (const std::string& arg : c.args)
            line += arg + ' ';
        SCOPED_TRACE(line);
        auto run = RunProgram(c.args, dir.path().string());
        EXPECT_EQ(run.status, c.status);
        ExpectContains(run.out, c.out);
        ExpectContains(run.err, c.err);
    }
    EXPECT_EQ(testing::ReadBytes(dir.file("Catalog.dat")), ExampleCatalog());
}

}  // namespace
}  // namespace tarvel
