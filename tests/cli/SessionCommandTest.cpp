#include "testing/FileContents.h"
#include "testing/FolderTest.h"
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using burgeon::testing::contentOf;
using burgeon::testing::exampleLsystems;
using burgeon::testing::examplesFolder;
using burgeon::testing::internodeGrowth;
using burgeon::testing::runBurgeon;

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class SessionCommandTest : public burgeon::testing::FolderTest {
protected:
    // Example block 1 with a curve per organ class from two data files.
    std::vector<std::string> plantOptions() const {
        const std::string examples = examplesFolder();
        return {"--lsystem", exampleLsystems(),
                "--block",   "1",
                "--growth",  "internode=" + internodeGrowth(),
                "--growth",  "leaf-length=" + examples + "/growth/leaf-length.txt",
                "--growth",  "leaf-width=" + examples + "/growth/leaf-length.txt",
                "--growth",  "petiole=" + examples + "/growth/leaf-length.txt"};
    }
};

TEST_F(SessionCommandTest, ASavedSessionDrawsTheSamePlantAsTheFilesItCameFrom) {
    std::vector<std::string> save = {"session", "save", path("plant.burgeon")};
    const auto options = plantOptions();
    save.insert(save.end(), options.begin(), options.end());
    const auto saved = runBurgeon(save);
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, path("plant.burgeon") + ": 119 organs\n");

    std::vector<std::string> direct = {"render",      "--seed",   "3",          "--size",
                                       "64x48",       "--time",   "60",         "--out",
                                       path("a.png"), "--organs", path("a.csv")};
    direct.insert(direct.end(), options.begin(), options.end());
    ASSERT_EQ(runBurgeon(direct).status, 0);
    const auto fromSession =
        runBurgeon({"render", "--session", path("plant.burgeon"), "--seed", "3", "--size", "64x48",
                    "--time", "60", "--out", path("b.png"), "--organs", path("b.csv")},
                   "/");
    ASSERT_EQ(fromSession.status, 0) << fromSession.err;
    EXPECT_EQ(contentOf(folder / "a.csv"), contentOf(folder / "b.csv"));

    // A value set on the command line overrides the session's.
    const auto longer =
        runBurgeon({"render", "--session", path("plant.burgeon"), "--seed", "3", "--size", "64x48",
                    "--time", "60", "--set", "parameters.internodeLength=0.6", "--out",
                    path("c.png"), "--organs", path("c.csv")});
    ASSERT_EQ(longer.status, 0) << longer.err;
    EXPECT_NE(contentOf(folder / "a.csv"), contentOf(folder / "c.csv"));
}

TEST_F(SessionCommandTest, CheckingASessionSummarisesItsPlant) {
    std::vector<std::string> save = {"session", "save", path("plant.burgeon")};
    const auto options = plantOptions();
    save.insert(save.end(), options.begin(), options.end());
    ASSERT_EQ(runBurgeon(save).status, 0);
    const auto text = runBurgeon({"session", path("plant.burgeon")});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(contains(text.out, "a valid session"));
    EXPECT_TRUE(contains(text.out, "plant: 119 organs")) << text.out;
    EXPECT_TRUE(contains(text.out, "curve internode: (0, 3.2225, 0.45, 8), fitted to data"));
    EXPECT_TRUE(contains(text.out, "curve apex: (0, 0, 0, 0), typed in"));
    const auto json = runBurgeon({"session", path("plant.burgeon"), "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(contains(json.out, "\"organs\":119")) << json.out;

    std::ofstream(folder / "bad.burgeon") << "{\"format\": \"burgeon-session\", \"version\": 1,\n"
                                             " \"view\": {\"zoom\": 500}}";
    const auto bad = runBurgeon({"session", path("bad.burgeon")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "burgeon session: " + path("bad.burgeon") +
                           ": view.zoom: expected a number from 2 to 175, found 500\n")
        << "the file named as it was given";
    const auto newer = runBurgeon(
        {"render", "--session", path("bad.burgeon"), "--set", "version=2", "--out", path("x.png")});
    EXPECT_EQ(newer.status, 1);
    EXPECT_EQ(newer.err, "burgeon render: " + path("bad.burgeon") +
                             " was written by a newer Burgeon (session version 2)\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "x.png"));
}

TEST(CommandLineHelp, EveryCommandListsItsOptionsAndTheVersionIsPrinted) {
    for (const std::vector<std::string>& asking :
         {std::vector<std::string>{"render", "--help"}, {"help", "render"}}) {
        const auto help = runBurgeon(asking);
        EXPECT_EQ(help.status, 0);
        for (const char* option : {"--session", "--set", "--lsystem", "--time", "--size", "--out",
                                   "--organs", "--growth", "--texture", "--rotate"}) {
            EXPECT_TRUE(contains(help.out, option)) << option;
        }
        EXPECT_TRUE(contains(help.out, "usage: burgeon render"));
    }
    const auto version = runBurgeon({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(contains(version.out, "burgeon 0.")) << version.out;

    const auto typo = runBurgeon({"render", "--sesion", "plant.burgeon"});
    EXPECT_EQ(typo.status, 2);
    EXPECT_TRUE(contains(typo.err, "unknown option --sesion; did you mean --session?"));
    const auto command = runBurgeon({"rendr"});
    EXPECT_EQ(command.status, 2);
    EXPECT_TRUE(contains(command.err, "did you mean 'render'?"));
}

} // namespace
