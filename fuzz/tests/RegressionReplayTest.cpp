// Every input a fuzzer ever stopped on (fuzz/regressions/<target>/) and every seed
// (fuzz/corpus/<target>/) through its target's entry, without libFuzzer: a finding or a
// sanitizer report fails the test in whichever build runs it.
#include "fuzz/FuzzEntries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace burgeon;

namespace burgeon {
// How GoogleTest names a target in its messages.
void PrintTo(const FuzzTarget& target, std::ostream* out) {
    *out << target.name;
}
} // namespace burgeon

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> inputsOf(const std::string& folder, const char* target) {
    std::vector<fs::path> files;
    const fs::path root = fs::path(BURGEON_FUZZ_DIR) / folder / target;
    if (fs::is_directory(root)) {
        for (const auto& item : fs::directory_iterator(root)) {
            if (item.is_regular_file() && item.path().filename() != ".gitkeep") {
                files.push_back(item.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class RegressionReplay : public ::testing::TestWithParam<FuzzTarget> {};

void replay(const FuzzTarget& target, const std::vector<fs::path>& files) {
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        EXPECT_NO_THROW(target.entry(readBytes(file)));
    }
}

} // namespace

TEST_P(RegressionReplay, EveryInputThatStoppedAFuzzerRunsThrough) {
    replay(GetParam(), inputsOf("regressions", GetParam().name));
}

TEST_P(RegressionReplay, EverySeedRunsThrough) {
    const std::vector<fs::path> seeds = inputsOf("corpus", GetParam().name);
    EXPECT_FALSE(seeds.empty()) << "every target starts from seeds";
    replay(GetParam(), seeds);
}

INSTANTIATE_TEST_SUITE_P(Fuzz, RegressionReplay,
                         ::testing::ValuesIn(fuzzTargets().begin(), fuzzTargets().end()),
                         [](const ::testing::TestParamInfo<FuzzTarget>& target) {
                             return std::string(target.param.name);
                         });
