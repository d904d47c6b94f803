#include "testing/FolderTest.h"
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using burgeon::testing::examplesFolder;
using burgeon::testing::runBurgeon;

namespace {

class FitCommandTest : public burgeon::testing::FolderTest {
protected:
    std::string writeFile(const std::string& name, const std::string& content) {
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The text of a box in the --json output.
double box(const std::string& json, const std::string& name) {
    const std::string key = "\"" + name + "\":\"";
    const auto at = json.find(key);
    EXPECT_NE(at, std::string::npos) << name;
    return std::stod(json.substr(at + key.size()));
}

const std::string WorkedExample = "0 0 0\n1 0 2\n2 1 4\n3 3 6\n";

} // namespace

TEST_F(FitCommandTest, WorkedExampleAsTextAndAsJson) {
    const std::string file = writeFile("worked.txt", WorkedExample);
    const auto text = runBurgeon({"fit", file});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, "message: LifeCycle time=3\n"
                        "message: # of Var = 2\n"
                        "message: L=0, U=4.5, m=1, T=1\n"
                        "bottom: 0\ntop: 4.5\nslope: 1\ntmid: 1\n");

    const auto json = runBurgeon({"fit", file, "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(contains(json.out, "\"messages\":[\"LifeCycle time=3\",\"# of Var = 2\","
                                   "\"L=0, U=4.5, m=1, T=1\"]"));
    EXPECT_TRUE(contains(
        json.out, "\"boxes\":{\"bottom\":\"0\",\"top\":\"4.5\",\"slope\":\"1\",\"tmid\":\"1\"}"));
    EXPECT_TRUE(contains(json.out, "\"data_last_row\":3"));
    EXPECT_TRUE(contains(json.out, "\"life_cycle_time\":3"));
    EXPECT_TRUE(contains(json.out, "\"data_time\":[0,1,2,3]"));
    EXPECT_TRUE(contains(json.out, "\"data_mean\":[0,3.5,4.5,4.5]"));
    EXPECT_TRUE(contains(json.out, "\"curves\":[[0,4.5,1,1],[0,4.5,1,1],[0,4.5,1,1],[0,4.5,1,1],"
                                   "[0,4.5,1,1],[0,4.5,1,1]]"));
}

TEST_F(FitCommandTest, OrganAndScaleChooseWhatTheFitCommitsAndShowEachMessageOnce) {
    const std::string file = writeFile("worked.txt", WorkedExample);
    const auto petiole = runBurgeon({"fit", file, "--organ", "petiole", "--scale", "5", "--json"});
    EXPECT_EQ(petiole.status, 0);
    EXPECT_TRUE(contains(petiole.out, "\"curves\":[[0,0,0,0],[0,4.5,1,1],[0,0,0,0]"));
    EXPECT_EQ(occurrences(petiole.out, "LifeCycle time=3"), 1U);
    EXPECT_EQ(occurrences(petiole.out, "L=0, U=4.5"), 1U);
}

TEST_F(FitCommandTest, StopsAtAMessageWithStatusOne) {
    const std::string bad = writeFile("bad.txt", "0 1\n1 -2\n");
    const auto forbidden = runBurgeon({"fit", bad});
    EXPECT_EQ(forbidden.status, 1);
    EXPECT_EQ(forbidden.out, "message: Error Data in line 2\nin line 2 of " + bad +
                                 "\nbottom: 0\ntop: 0\nslope: 0\ntmid: 0\n");

    const auto empty = runBurgeon({"fit", writeFile("empty.txt", "\n\n")});
    EXPECT_EQ(empty.status, 1);
    EXPECT_TRUE(contains(empty.out, "message: # of Var = 0\nmessage: No growth data to fit.\n"));

    const auto missing = runBurgeon({"fit", (folder / "missing.txt").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(contains(missing.out, "message: File not found\n"));
    EXPECT_EQ(occurrences(missing.out, "message:"), 1U);
}

TEST_F(FitCommandTest, AFieldThatIsNoNumberIsFollowedByItsPlace) {
    const std::string file = writeFile("gap.txt", "0 1 1\n1 2 2\n1,,1\n");
    const auto result = runBurgeon({"fit", file});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(contains(result.out, "message: '' is not a valid floating point value\n"
                                     "in line 3 of " +
                                         file + "\n"))
        << result.out;
}

TEST_F(FitCommandTest, UsageErrorsHaveStatusTwo) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"fit"},
                                               {"fit", "a.txt", "b.txt"},
                                               {"fit", "a.txt", "--organ", "leaf"},
                                               {"fit", "a.txt", "--scale", "0"},
                                               {"fit", "a.txt", "--scale", "11"},
                                               {"fit", "a.txt", "--plots"}}) {
        const auto result = runBurgeon(arguments);
        EXPECT_EQ(result.status, 2) << arguments.size();
        EXPECT_TRUE(contains(result.err, "usage: burgeon fit FILE"));
        EXPECT_TRUE(result.out.empty());
    }
}

TEST_F(FitCommandTest, PlotsAreSavedIntoTheFolder) {
    const std::string file = writeFile("worked.txt", WorkedExample);
    const auto plots = folder / "plots";
    std::filesystem::create_directory(plots);
    const auto saved = runBurgeon({"fit", file, "--plots", plots.string()});
    EXPECT_EQ(saved.status, 0);
    for (const char* name :
         {"Internode.bmp", "Petiole.bmp", "Leaf.bmp", "Apex.bmp", "Flower.bmp"}) {
        EXPECT_EQ(std::filesystem::file_size(plots / name), 54U + 123U * 540U) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(plots / "LeafWidth.bmp"));

    const std::string nowhere = (folder / "no" / "such").string();
    const auto failed = runBurgeon({"fit", file, "--plots", nowhere});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(contains(failed.out, "message: Cannot create file " + nowhere +
                                         "/Internode.bmp (no such folder)\n"));

    // One plot that cannot be written (a folder holds its name): none of the five is saved.
    const auto blocked = folder / "blocked";
    std::filesystem::create_directories(blocked / "Apex.bmp");
    const auto partly = runBurgeon({"fit", file, "--plots", blocked.string()});
    EXPECT_EQ(partly.status, 1);
    EXPECT_TRUE(contains(partly.out, "message: Cannot create file " +
                                         (blocked / "Apex.bmp").string() +
                                         " (a folder has that name)\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(blocked),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(FitCommandTest, AFileSizeLimitStopsThePlotsWithAMessageAndLeavesNothing) {
    const std::string file = writeFile("worked.txt", WorkedExample);
    const auto plots = folder / "plots";
    std::filesystem::create_directory(plots);
    // A plot is 66 KB: past a 16 KB limit its write fails instead of killing the process.
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{16 * 1024, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto limited = runBurgeon({"fit", file, "--plots", plots.string()});
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(limited.status, 1);
    EXPECT_TRUE(contains(limited.out, "message: Cannot create file " +
                                          (plots / "Internode.bmp").string() +
                                          " (file too large: the file-size limit was reached)"));
    EXPECT_TRUE(std::filesystem::is_empty(plots)); // no plot, no temporary file
}

TEST_F(FitCommandTest, ADataFileMustBeARegularFile) {
    const auto fromFolder = runBurgeon({"fit", folder.string()});
    EXPECT_EQ(fromFolder.status, 1);
    EXPECT_TRUE(contains(fromFolder.out, "message: Cannot open file " + folder.string() + "\n"));
    const auto fromDevice = runBurgeon({"fit", "/dev/zero"});
    EXPECT_EQ(fromDevice.status, 1);
    EXPECT_TRUE(contains(fromDevice.out, "message: Cannot open file /dev/zero\n"));
}

TEST_F(FitCommandTest, ExampleDataFitsToPlausibleCurves) {
    for (const char* name : {"internode-length.txt", "leaf-length.txt", "flower-diameter.txt"}) {
        const auto result = runBurgeon({"fit", examplesFolder() + "/growth/" + name, "--json"});
        EXPECT_EQ(result.status, 0) << name;
        EXPECT_EQ(box(result.out, "bottom"), 0.0) << name;
        EXPECT_GT(box(result.out, "top"), 1.0) << name;
        EXPECT_LT(box(result.out, "top"), 5.4) << name; // fits the plot at the default scale
        EXPECT_GT(box(result.out, "tmid"), 3.0) << name;
        EXPECT_LT(box(result.out, "tmid"), 20.0) << name;
        EXPECT_GT(box(result.out, "slope"), 0.1) << name;
        EXPECT_LT(box(result.out, "slope"), 0.9) << name;
    }
}
