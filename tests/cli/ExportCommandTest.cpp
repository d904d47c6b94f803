#include "testing/FileContents.h"
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <unistd.h>

using burgeon::testing::contentOf;
using burgeon::testing::exampleLsystems;
using burgeon::testing::examplesFolder;
using burgeon::testing::internodeGrowth;
using burgeon::testing::runBurgeon;

namespace {

namespace fs = std::filesystem;

std::size_t countLinesStartingWith(const std::string& text, const std::string& start) {
    std::size_t count = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        count += line.rfind(start, 0) == 0 ? 1 : 0;
    }
    return count;
}

std::vector<std::string> folderContents(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

tinygltf::Model loadGltf(const fs::path& file) {
    tinygltf::TinyGLTF loader;
    tinygltf::Model model;
    std::string error;
    std::string warning;
    const bool loaded = file.extension() == ".glb"
                            ? loader.LoadBinaryFromFile(&model, &error, &warning, file.string())
                            : loader.LoadASCIIFromFile(&model, &error, &warning, file.string());
    EXPECT_TRUE(loaded) << file << ": " << error;
    EXPECT_EQ(warning, "") << file;
    return model;
}

// A session like those of the gallery: the example's first L-system with measured growth for
// each organ class, shown at time 40. Each test has a folder of its own in the build folder,
// where the files it writes stay for the glTF validator; the folder holds the land's picture,
// as the renderer reads it from the working folder.
class ExportCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::current_path() / "export-files" /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(examplesFolder() + "/grass1.bmp", folder / "grass1.bmp");
        const std::string examples = examplesFolder();
        const auto saved =
            runBurgeon({"session", "save", path("plant.burgeon"), "--lsystem", exampleLsystems(),
                        "--block", "1", "--growth", "internode=" + internodeGrowth(), "--growth",
                        "leaf-length=" + examples + "/growth/leaf-length.txt", "--growth",
                        "leaf-width=" + examples + "/growth/leaf-length.txt", "--growth",
                        "petiole=" + examples + "/growth/leaf-length.txt", "--set",
                        "animation.currentTime=40"});
        ASSERT_EQ(saved.status, 0) << saved.err;
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    burgeon::testing::CommandResult exportPlant(std::vector<std::string> options,
                                                const std::string& shellPrefix = "") const {
        options.insert(options.begin(), {"export", "--session", path("plant.burgeon")});
        return runBurgeon(options, folder.string(), shellPrefix);
    }

    // The rows of `burgeon render --organs` at the time: one per segment, leaf and flower.
    std::size_t organTableRows(const std::string& time) const {
        const auto rendered =
            runBurgeon({"render", "--session", path("plant.burgeon"), "--time", time, "--size",
                        "80x60", "--out", path("table.png"), "--organs", path("table.csv")},
                       folder.string());
        EXPECT_EQ(rendered.status, 0) << rendered.err;
        const std::string table = contentOf(path("table.csv"));
        return static_cast<std::size_t>(std::count(table.begin(), table.end(), '\n')) - 1;
    }

    fs::path folder;
};

TEST_F(ExportCommandTest, EveryFormatHoldsTheOrgansOfTheRenderersTable) {
    const std::size_t rows = organTableRows("40");
    ASSERT_GT(rows, 100u);
    const std::string count = std::to_string(rows) + " organs at time 40";

    const auto glb = exportPlant({"--out", path("plant.glb")});
    ASSERT_EQ(glb.status, 0) << glb.err;
    EXPECT_EQ(glb.out, path("plant.glb") + ": " + count + "\n");
    const tinygltf::Model model = loadGltf(path("plant.glb"));
    EXPECT_EQ(model.nodes.at(0).name, "plant");
    EXPECT_EQ(model.nodes[0].children.size(), rows);
    EXPECT_EQ(model.images.size(), 2u) << "the leaf and land pictures inside";

    const auto gltf = exportPlant({"--out", path("plant.gltf")});
    ASSERT_EQ(gltf.status, 0) << gltf.err;
    EXPECT_EQ(gltf.out, path("plant.gltf") + ": " + count + " (with " + path("plant.bin") + ", " +
                            path("plant-leaf.png") + ", " + path("plant-land.png") + ")\n");
    EXPECT_EQ(loadGltf(path("plant.gltf")).nodes.at(0).children.size(), rows);

    const auto obj = exportPlant({"--out", path("plant.obj"), "--no-land"});
    ASSERT_EQ(obj.status, 0) << obj.err;
    EXPECT_EQ(countLinesStartingWith(contentOf(path("plant.obj")), "o "), rows) << "no land";
    EXPECT_TRUE(fs::exists(path("plant.mtl")));

    const auto ply = exportPlant({"--out", path("plant.ply")});
    ASSERT_EQ(ply.status, 0) << ply.err;
    const std::string plyText = contentOf(path("plant.ply"));
    EXPECT_EQ(plyText.rfind("ply\nformat binary_little_endian 1.0\n", 0), 0u);
    EXPECT_NE(plyText.find("element organ " + std::to_string(rows + 1) + "\n"), std::string::npos)
        << "the organs and the land";
}

TEST_F(ExportCommandTest, TimeDefaultsToTheSessionsAndCanBeGiven) {
    const auto early = exportPlant({"--time", "12.5", "--out", path("early.glb")});
    ASSERT_EQ(early.status, 0) << early.err;
    EXPECT_NE(early.out.find(" organs at time 12.5\n"), std::string::npos) << early.out;
    EXPECT_EQ(loadGltf(path("early.glb")).nodes.at(0).extras.Get("time").GetNumberAsDouble(), 12.5);
}

TEST_F(ExportCommandTest, GrowthPlaysAtTheCaptureRunsPaceOrTheGivenRate) {
    const auto growth = exportPlant({"--out", path("growth.glb"), "--animate", "1:150:1"});
    ASSERT_EQ(growth.status, 0) << growth.err;
    EXPECT_NE(growth.out.find(" organs growing from 1 to 150, 150 frames at 33.3333333333333 a "
                              "second\n"),
              std::string::npos)
        << growth.out;
    const tinygltf::Model model = loadGltf(path("growth.glb"));
    ASSERT_EQ(model.animations.size(), 1u);
    const auto& sampler = model.animations[0].samplers.at(0);
    const auto& times = model.accessors.at(static_cast<std::size_t>(sampler.input));
    EXPECT_EQ(times.count, 150u);
    EXPECT_NEAR(times.maxValues.at(0), 149 * 0.03, 1e-6) << "a frame every 3 hundredths";

    const auto faster = exportPlant(
        {"--out", path("growth.gltf"), "--animate", "10:20:0.5", "--fps", "10", "--no-land"});
    ASSERT_EQ(faster.status, 0) << faster.err;
    const tinygltf::Model fast = loadGltf(path("growth.gltf"));
    const auto& fastTimes =
        fast.accessors.at(static_cast<std::size_t>(fast.animations.at(0).samplers.at(0).input));
    EXPECT_EQ(fastTimes.count, 21u);
    EXPECT_NEAR(fastTimes.maxValues.at(0), 2.0, 1e-6);
}

TEST_F(ExportCommandTest, BadOptionsAreUsageErrors) {
    const auto before = folderContents(folder);
    auto message = [this](const std::vector<std::string>& options) {
        const auto result = exportPlant(options);
        EXPECT_EQ(result.status, 2) << result.err;
        return result.err.substr(0, result.err.find('\n'));
    };
    EXPECT_EQ(message({}),
              "burgeon export: --out FILE is needed: a .glb, .gltf, .obj or .ply file");
    EXPECT_EQ(message({"--out", "refused.stl"}),
              "burgeon export: --out needs a .glb, .gltf, .obj or .ply file, not 'refused.stl'");
    EXPECT_EQ(message({"--out", "refused.obj", "--animate", "1:10:1"}),
              "burgeon export: --animate needs a .glb or .gltf file: OBJ and PLY hold no "
              "animation");
    EXPECT_EQ(message({"--out", "refused.glb", "--animate", "1:10"}),
              "burgeon export: --animate needs A:B:STEP (from time A to B in steps of STEP), not "
              "'1:10'");
    EXPECT_EQ(message({"--out", "refused.glb", "--animate", "1:10:0"}),
              "burgeon export: --animate needs a STEP above 0, not '1:10:0'");
    EXPECT_EQ(message({"--out", "refused.glb", "--animate", "10:1:1"}),
              "burgeon export: --animate needs B at or after A, not '10:1:1'");
    EXPECT_EQ(message({"--out", "refused.glb", "--fps", "10"}),
              "burgeon export: --fps goes with --animate");
    EXPECT_EQ(message({"--out", "refused.glb", "--time", "3", "--animate", "1:10:1"}),
              "burgeon export: --time and --animate exclude each other");
    EXPECT_EQ(folderContents(folder), before);
}

// A missing folder, a folder the user may not write in and a file-size limit reached in the
// middle of the set: a clear message, exit status 1, and no file of the set left behind.
TEST_F(ExportCommandTest, BadOutputPathsAreNamedAndLeaveNoFile) {
    const auto before = folderContents(folder);
    const auto missing = exportPlant({"--out", path("missing/plant.glb")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "Cannot create file " + path("missing/plant.glb") + " (no such folder)\n");

    // 8 blocks of 512 bytes: the limit is reached while the set is written.
    const auto full = exportPlant({"--out", path("limited.gltf")}, "ulimit -f 8; ");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find(" (file too large: the file-size limit was reached)\n"),
              std::string::npos)
        << full.err;
    EXPECT_EQ(folderContents(folder), before);
}

TEST_F(ExportCommandTest, AFolderWithoutWritePermissionIsNamedAndKeepsNothing) {
    // The superuser writes in read-only folders, so as the superuser the command runs as the
    // user nobody, in a folder of the system's temporary folder with copies of what it reads:
    // the tree may lie where nobody cannot reach it (under /root).
    const bool asSuperuser = ::geteuid() == 0;
    if (asSuperuser && std::system("command -v setpriv >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "the superuser needs setpriv to run the command as another user";
    }
    std::optional<burgeon::testing::TempFolder> readable;
    if (asSuperuser) {
        readable.emplace();
    }
    const fs::path shared = readable ? fs::path(readable->path()) : folder;
    fs::permissions(shared, fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write);
    std::string executable = burgeon::testing::burgeonExecutable();
    if (asSuperuser) {
        fs::copy_file(path("plant.burgeon"), shared / "plant.burgeon");
        fs::copy_file(path("grass1.bmp"), shared / "grass1.bmp");
        fs::copy_file(executable, shared / "burgeon");
        executable = (shared / "burgeon").string();
    }
    const fs::path readOnly = shared / "read-only";
    fs::create_directory(readOnly);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    const std::string asUser =
        asSuperuser ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const std::string lockedFile = (readOnly / "plant.gltf").string();
    const auto locked = burgeon::testing::runExecutable(
        executable,
        {"export", "--session", (shared / "plant.burgeon").string(), "--out", lockedFile},
        shared.string(), asUser);
    EXPECT_EQ(locked.status, 1);
    EXPECT_EQ(locked.err,
              "Cannot create file " + lockedFile + " (no permission to write in that folder)\n");
    EXPECT_TRUE(folderContents(readOnly).empty());
    fs::remove(readOnly);
}

} // namespace

// A mesh has no picture to draw coarser for: export takes full detail, whatever the session
// draws at, and refuses automatic detail.
TEST_F(ExportCommandTest, MeshesAreExportedAtFullDetail) {
    const auto refused = exportPlant({"--out", "auto.glb", "--detail", "auto"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.substr(0, refused.err.find('\n')),
              "burgeon export: --detail auto draws for a picture's pixels; a mesh is exported "
              "at full detail (--detail full)");
    EXPECT_FALSE(fs::exists(path("auto.glb")));

    const auto full = exportPlant({"--out", "full.ply", "--detail", "full", "--seed", "1"});
    ASSERT_EQ(full.status, 0) << full.err;
    const auto byDefault = exportPlant({"--out", "default.ply", "--seed", "1"});
    ASSERT_EQ(byDefault.status, 0) << byDefault.err;
    EXPECT_TRUE(contentOf(path("full.ply")) == contentOf(path("default.ply")));
}
