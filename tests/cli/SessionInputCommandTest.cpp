// Sessions and plant files made to break the commands that read them: each gets a message and
// exit status 1, or does what was asked; nothing is left behind.
#include "testing/FileContents.h"
#include "testing/FolderTest.h"
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <filesystem>

using burgeon::testing::contentOf;
using burgeon::testing::examplesFolder;
using burgeon::testing::runBurgeon;
using burgeon::testing::soybeanSession;
using burgeon::testing::writePlain;

namespace {

namespace fs = std::filesystem;

class SessionInputCommandTest : public burgeon::testing::FolderTest {
protected:
    // Every file in the test's folder, the ones it made itself among them.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            names.push_back(fs::relative(entry.path(), folder).string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// A Latin-1 name and comment, as an editor of 8-bit text writes them.
const std::string Latin1Plant = "Caf\xE9{\n Iterations=2\n Angle=45\n Diameter=20\n"
                                " Axiom=I[-IL]A\n A=I[+IL]A\n}\n// cr\xE8me br\xFBl\xE9"
                                "e\n";

TEST_F(SessionInputCommandTest, AnLSystemWithBytesThatAreNotUtf8IsSavedAndReadBackAsItWas) {
    writePlain(folder / "plant.Lsys", Latin1Plant);
    const auto saved =
        runBurgeon({"session", "save", path("out.burgeon"), "--lsystem", path("plant.Lsys")});
    ASSERT_EQ(saved.status, 0) << saved.err;
    const auto again =
        runBurgeon({"session", "save", path("again.burgeon"), "--session", path("out.burgeon")});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(contentOf(folder / "again.burgeon"), contentOf(folder / "out.burgeon"));
    const auto summary = runBurgeon({"session", path("out.burgeon"), "--json"});
    ASSERT_EQ(summary.status, 0) << summary.err;
    EXPECT_NE(summary.out.find("{\"lsystem\":\"Caf\\uf7e9\""), std::string::npos) << summary.out;
    const auto lsystem = runBurgeon({"lsystem", path("plant.Lsys"), "--json"});
    EXPECT_NE(lsystem.out.find("\"// cr\\uf7e8me br\\uf7fbl\\uf7e9e\""), std::string::npos);
}

TEST_F(SessionInputCommandTest, ASessionInAFolderNamedInLatin1KeepsItsTexturePath) {
    const fs::path latin1 = folder / "Pl\xE4ne";
    fs::create_directories(latin1);
    fs::create_directories(folder / "saved");
    fs::copy_file(examplesFolder() + "/leaf5.bmp", latin1 / "bark.bmp");
    writePlain(latin1 / "plant.Lsys", Latin1Plant);
    ASSERT_EQ(runBurgeon({"session", "save", (latin1 / "a.burgeon").string(), "--lsystem",
                          (latin1 / "plant.Lsys").string(), "--set", "texture.file=bark.bmp"})
                  .status,
              0);
    // Saved elsewhere, the texture is named by its whole path, folder and all.
    const auto moved = runBurgeon(
        {"session", "save", path("saved/b.burgeon"), "--session", (latin1 / "a.burgeon").string()});
    ASSERT_EQ(moved.status, 0) << moved.err;
    const auto opened = runBurgeon({"session", path("saved/b.burgeon")}, "/");
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.err, "") << "the texture is found";
}

TEST_F(SessionInputCommandTest, ValuesNestedWithoutEndGetAMessage) {
    writePlain(folder / "deep.burgeon", R"({"format": "burgeon-session", "version": )" +
                                            std::string(50000, '[') + std::string(50000, ']') +
                                            "}");
    const auto deep = runBurgeon({"session", path("deep.burgeon")});
    EXPECT_EQ(deep.status, 1);
    EXPECT_EQ(deep.err, "burgeon session: " + path("deep.burgeon") +
                            ": version: lists and objects nest more than 64 levels deep, the "
                            "limit of a session\n");
    const auto set = runBurgeon({"render", "--session", soybeanSession(), "--set",
                                 "version=" + std::string(60000, '[') + std::string(60000, ']'),
                                 "--out", path("x.png")});
    EXPECT_EQ(set.status, 1);
    EXPECT_NE(set.err.find("--set version: the value's lists and objects nest more than 64"),
              std::string::npos)
        << set.err;
    EXPECT_EQ(files(), std::vector<std::string>{"deep.burgeon"});
}

TEST_F(SessionInputCommandTest, ASessionsLongCompilationStopsAtItsTimeLimitOrAtCtrlC) {
    // An L-system that adds one character a pass for two million passes.
    writePlain(folder / "long.burgeon", R"({"format": "burgeon-session", "version": 1, "lsystem": )"
                                        R"(["P{", "Iterations=2000000", "Angle=45", "Diameter=1", )"
                                        R"("Axiom=A", "A=IA", "}"]})");
    const auto limited = runBurgeon({"session", path("long.burgeon"), "--max-seconds", "0.3"});
    EXPECT_EQ(limited.status, 1);
    EXPECT_NE(limited.err.find("burgeon session: the compilation stopped: it took longer than "
                               "--max-seconds 0.3"),
              std::string::npos)
        << limited.err;
    // Ctrl-C once the compilation has surely begun, even in a slow sanitizer build.
    const auto interrupted =
        runBurgeon({"session", path("long.burgeon")}, "", "timeout --preserve-status -s INT 3 ");
    EXPECT_EQ(interrupted.status, 1) << "ended by itself with a message, not by the signal";
    EXPECT_NE(interrupted.err.find("the compilation stopped: stopped by Ctrl-C"), std::string::npos)
        << interrupted.err;
}

TEST_F(SessionInputCommandTest, SettingsReachEveryEntryOfThePlantTheyChange) {
    const std::string soybean = soybeanSession();
    const auto changed = runBurgeon({"session", soybean, "--set", "leaf.points.0.0=5", "--set",
                                     "lsystem.0=Soya{", "--set", "growth.internode.data.1=1 0.1"});
    EXPECT_EQ(changed.status, 0) << changed.err;
    EXPECT_NE(changed.out.find("L-system: Soya, "), std::string::npos) << changed.out;
    const auto past = runBurgeon(
        {"render", "--session", soybean, "--set", "lsystem.900=x", "--out", path("x.png")});
    EXPECT_EQ(past.status, 1);
    EXPECT_NE(past.err.find("--set lsystem.900: lsystem holds "), std::string::npos) << past.err;
    EXPECT_EQ(files(), std::vector<std::string>{});
}

TEST_F(SessionInputCommandTest, GrowthDataThatDoesNotFitStopsTheSessionWithAMessage) {
    std::string rows;
    for (int row = 0; row < 649; ++row) {
        rows +=
            (row == 0 ? "\"" : ", \"") + std::to_string(row) + " " + std::to_string(row % 9) + "\"";
    }
    writePlain(folder / "data.burgeon",
               R"({"format": "burgeon-session", "version": 1, "lsystem": ["P{", "Iterations=2", )"
               R"("Angle=45", "Diameter=1", "Axiom=IA", "A=I[+IL]A", "}"], "growth": {"flower": )"
               R"({"top": 3, "data": [)" +
                   rows + R"(]}, "fitted": "flower"}})");
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"session", path("data.burgeon")},
          {"render", "--session", path("data.burgeon"), "--out", path("x.png")},
          {"export", "--session", path("data.burgeon"), "--out", path("x.glb")}}) {
        const auto result = runBurgeon(command);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "burgeon " + command[0] + ": " + path("data.burgeon") +
                                  ": growth.flower.data: Growth data is limited to 501 lines of "
                                  "at most 101 values each.\n");
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(files(), std::vector<std::string>{"data.burgeon"});
}

} // namespace
