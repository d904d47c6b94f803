#include "testing/FolderTest.h"
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using burgeon::testing::exampleLsystems;
using burgeon::testing::examplesFolder;
using burgeon::testing::internodeGrowth;
using burgeon::testing::runBurgeon;

namespace {

class RenderCommandTest : public burgeon::testing::FolderTest {
protected:
    // The example plant (block 2) with the internode growth data, 160 x 120.
    std::vector<std::string> exampleArguments(const std::string& out) const {
        return {"render",   "--lsystem",       exampleLsystems(), "--block", "2",
                "--growth", internodeGrowth(), "--seed",          "7",       "--size",
                "160x120",  "--out",           path(out)};
    }
};

std::string readAll(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, ',')) {
            fields.push_back(cell);
        }
        rows.push_back(fields);
    }
    return rows;
}

double number(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    EXPECT_EQ(*end, '\0') << text;
    return value;
}

} // namespace

TEST_F(RenderCommandTest, PicturesAndTheOrganTable) {
    auto arguments = exampleArguments("plant.png");
    arguments.insert(arguments.end(), {"--time", "60", "--organs", path("organs.csv")});
    const auto result = runBurgeon(arguments, folder.string());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("160 x 120"), std::string::npos) << result.out;
    EXPECT_EQ(readAll(path("plant.png")).substr(1, 3), "PNG");

    const auto rows = csvRows(readAll(path("organs.csv")));
    ASSERT_GT(rows.size(), 10u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"node", "organ", "level", "age", "a", "b", "c",
                                                 "x0", "y0", "z0", "x1", "y1", "z1"}));
    int segments = 0;
    int leaves = 0;
    int flowers = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 13u) << i;
        const std::string& organ = rows[i][1];
        leaves += organ == "L" ? 1 : 0;
        flowers += organ == "F" ? 1 : 0;
        segments += organ == "I" || organ == "i" || organ == "P" || organ == "p" || organ == "A";
    }
    EXPECT_GT(segments, 0);
    EXPECT_GT(leaves, 0);
    EXPECT_GT(flowers, 0);
    EXPECT_EQ(segments + leaves + flowers, static_cast<int>(rows.size()) - 1);
    // The report counts the organs drawn, as the table lists them and export counts them.
    const std::string count = std::to_string(rows.size() - 1) + " organs at time 60\n";
    EXPECT_NE(result.out.find(", " + count), std::string::npos) << result.out;
    auto exportArguments = exampleArguments("plant.glb");
    exportArguments[0] = "export";
    exportArguments.erase(exportArguments.begin() + 9, exportArguments.begin() + 11); // --size
    exportArguments.insert(exportArguments.end(), {"--time", "60"});
    const auto exported = runBurgeon(exportArguments, folder.string());
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, path("plant.glb") + ": " + count);
    // The first organ is the root's segment: it stands on the ground plane, upright.
    EXPECT_EQ(rows[1][0], "1");
    EXPECT_EQ(number(rows[1][7]), 0.0);
    EXPECT_NEAR(number(rows[1][8]), -2.5, 1e-6);
    EXPECT_GT(number(rows[1][11]), -2.5);
    EXPECT_GT(number(rows[1][4]), 0.0);

    // BMP by extension, in any case.
    arguments = exampleArguments("plant.BMP");
    ASSERT_EQ(runBurgeon(arguments, folder.string()).status, 0);
    EXPECT_EQ(readAll(path("plant.BMP")).substr(0, 2), "BM");

    // JPEG by extension: the file starts with the start-of-image marker.
    arguments = exampleArguments("plant.jpg");
    ASSERT_EQ(runBurgeon(arguments, folder.string()).status, 0);
    EXPECT_EQ(readAll(path("plant.jpg")).substr(0, 3), "\xFF\xD8\xFF");
}

TEST_F(RenderCommandTest, WithoutGrowthDataEveryOrganHasSizeZero) {
    const auto result =
        runBurgeon({"render", "--lsystem", exampleLsystems(), "--block", "2", "--size", "64x48",
                    "--time", "40", "--out", path("zero.png"), "--organs", path("zero.csv")},
                   folder.string());
    ASSERT_EQ(result.status, 0) << result.err;
    const auto rows = csvRows(readAll(path("zero.csv")));
    ASSERT_GT(rows.size(), 1u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(number(rows[i][4]), 0.0);
        EXPECT_EQ(number(rows[i][5]), 0.0);
    }
}

TEST_F(RenderCommandTest, TheSameSeedDrawsTheSamePlant) {
    auto first = exampleArguments("a.bmp");
    first.insert(first.end(), {"--time", "50", "--organs", path("a.csv")});
    auto second = exampleArguments("b.bmp");
    second.insert(second.end(), {"--time", "50", "--organs", path("b.csv")});
    ASSERT_EQ(runBurgeon(first, folder.string()).status, 0);
    ASSERT_EQ(runBurgeon(second, folder.string()).status, 0);
    EXPECT_EQ(readAll(path("a.csv")), readAll(path("b.csv")));
    EXPECT_EQ(readAll(path("a.bmp")), readAll(path("b.bmp")));
}

TEST_F(RenderCommandTest, BadArgumentsAndFiles) {
    const std::string lsystem = exampleLsystems();
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"render"},
             {"render", "--lsystem", lsystem, "--size", "0x10"},
             {"render", "--lsystem", lsystem, "--size", "wide"},
             {"render", "--lsystem", lsystem, "--rotate", "1,2"},
             {"render", "--lsystem", lsystem, "--out", "plant.gif"},
             {"render", "--lsystem", lsystem, "--organ", "root"},
             {"render", "--lsystem", lsystem, "--leaf", "2"},
             {"render", "--lsystem", lsystem, "--block", "99"},
             {"render", "--lsystem", lsystem, "--time", "soon"}}) {
        const auto result = runBurgeon(arguments, folder.string());
        EXPECT_EQ(result.status, 2) << arguments.back() << "\n" << result.err;
        EXPECT_NE(result.err.find("usage: burgeon render"), std::string::npos) << result.err;
    }

    const auto missing = runBurgeon(
        {"render", "--lsystem", path("nothing.Lsys"), "--out", path("x.png")}, folder.string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("nothing.Lsys"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(path("x.png")));

    const auto badGrowth = runBurgeon({"render", "--lsystem", lsystem, "--block", "2", "--growth",
                                       path("no-data.txt"), "--out", path("y.png")},
                                      folder.string());
    EXPECT_EQ(badGrowth.status, 1);
    EXPECT_FALSE(std::filesystem::exists(path("y.png")));

    // The organ table cannot be written: the picture is not written either.
    std::vector<std::string> both = exampleArguments("z.png");
    both.insert(both.end(), {"--organs", path("no/such/o.csv")});
    const auto neither = runBurgeon(both, folder.string());
    EXPECT_EQ(neither.status, 1);
    EXPECT_EQ(neither.err, "Cannot create file " + path("no/such/o.csv") + " (no such folder)\n");
    EXPECT_FALSE(std::filesystem::exists(path("z.png")));
}

TEST_F(RenderCommandTest, ShapesFromALibraryAndABuiltInTexture) {
    const std::string examples = examplesFolder();
    auto arguments = exampleArguments("shapes.png");
    arguments.insert(arguments.end(),
                     {"--shapes", examples + "/shapes/plant-shapes.txt", "--leaf", "1", "--flower",
                      "7", "--texture", "2", "--time", "60", "--organs", path("shapes.csv")});
    // Textures are read from the working folder, as the program reads them.
    const auto result = runBurgeon(arguments, examples);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readAll(path("shapes.png")).substr(1, 3), "PNG");
    // The organ table does not depend on the shapes: the same rows as with the built-in ones.
    auto builtIn = exampleArguments("builtin.png");
    builtIn.insert(builtIn.end(), {"--time", "60", "--organs", path("builtin.csv")});
    ASSERT_EQ(runBurgeon(builtIn, folder.string()).status, 0);
    EXPECT_EQ(readAll(path("shapes.csv")), readAll(path("builtin.csv")));

    const auto tooFar = runBurgeon({"render", "--lsystem", exampleLsystems(), "--shapes",
                                    examples + "/shapes/plant-shapes.txt", "--leaf", "1000",
                                    "--out", path("f.png")},
                                   examples);
    EXPECT_EQ(tooFar.status, 2) << tooFar.err;
    const auto noTexture = runBurgeon(
        {"render", "--lsystem", exampleLsystems(), "--texture", "16", "--out", path("t.png")},
        folder.string());
    EXPECT_EQ(noTexture.status, 2);
}

// Full detail or automatic detail: chosen on the command line, kept by a session, and only
// these two.
TEST_F(RenderCommandTest, TheDetailComesFromTheOptionOrTheSession) {
    for (const std::string detail : {"full", "auto"}) {
        auto arguments = exampleArguments(detail + ".png");
        arguments.insert(arguments.end(), {"--time", "60", "--detail", detail});
        const auto result = runBurgeon(arguments, folder.string());
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(readAll(path(detail + ".png")).substr(1, 3), "PNG");
    }

    const std::string lsystem = exampleLsystems();
    const auto bad = runBurgeon({"render", "--lsystem", lsystem, "--detail", "coarse"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--detail: coarse not in {full,auto}"), std::string::npos) << bad.err;

    const auto saved = runBurgeon({"session", "save", path("full.burgeon"), "--lsystem", lsystem,
                                   "--block", "2", "--detail", "full"},
                                  folder.string());
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(readAll(path("full.burgeon")).find("\"detail\": \"full\""), std::string::npos);
    const auto drawn = runBurgeon({"render", "--session", path("full.burgeon"), "--detail", "auto",
                                   "--out", path("session.png")},
                                  folder.string());
    EXPECT_EQ(drawn.status, 0) << drawn.err;
}
