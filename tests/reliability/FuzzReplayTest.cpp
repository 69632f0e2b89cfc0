// Replays every file of the fuzz targets' seed corpora and regression cases through the
// targets' own entry functions, so that the plain build checks them too.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FuzzTargets.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> brokenProperties;

void Collect(const std::string& what) { brokenProperties.push_back(what); }

/// The properties that `input` breaks in `target`.
std::vector<std::string> Replay(const fuzz::Target& target, const fs::path& input) {
    std::ifstream in(input, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    brokenProperties.clear();
    fuzz::SetFailureHandler(Collect);
    target.entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    fuzz::SetFailureHandler(nullptr);
    return brokenProperties;
}

std::vector<fs::path> Inputs(const std::string& kind, const char* target) {
    std::vector<fs::path> files;
    fs::path folder = fs::path(TARVEL_FUZZ_DIR) / kind / target;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path());
    return files;
}

class FuzzReplay : public ::testing::TestWithParam<fuzz::Target> {};

TEST_P(FuzzReplay, SeedsAndRegressionCasesKeepEveryProperty) {
    const fuzz::Target& target = GetParam();
    std::size_t replayed = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        for (const fs::path& input : Inputs(kind, target.name)) {
            ++replayed;
            for (const std::string& broken : Replay(target, input))
                ADD_FAILURE() << input << ": " << broken;
        }
    }
    EXPECT_GT(replayed, 0u) << "no seeds for " << target.name;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(fuzz::kTargets),
                         [](const ::testing::TestParamInfo<fuzz::Target>& param) {
                             return std::string(param.param.name);
                         });

// Inputs that show an open finding (a property the core breaks today) are kept in
// findings/<target>/ and replayed with that property checked: while they still break
// it, the test is skipped and says so; once the core is fixed, it fails until the input
// moves to regressions/ and the target stops excusing the finding.
TEST(FuzzFindings, AreStillOpen) {
    fuzz::SetCheckOpenFindings(true);
    std::string open;
    for (const fuzz::Target& target : fuzz::kTargets) {
        for (const fs::path& input : Inputs("findings", target.name)) {
            std::vector<std::string> broken = Replay(target, input);
            EXPECT_FALSE(broken.empty()) << input << " no longer breaks a property: move it to regressions/";
            if (!broken.empty())
                open += "\n  " + std::string(target.name) + "/" + input.filename().string() + ": " + broken.front();
        }
    }
    fuzz::SetCheckOpenFindings(false);
    if (!HasFailure() && !open.empty())
        GTEST_SKIP() << "open findings still reproduce:" << open;
}

}  // namespace
}  // namespace tarvel
