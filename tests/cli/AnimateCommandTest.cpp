#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <unistd.h>

using burgeon::testing::exampleLsystems;
using burgeon::testing::runBurgeon;
using burgeon::testing::TempFolder;

namespace {

std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

} // namespace

TEST(AnimateCommand, WritesTheFilesOfACaptureRunAndReportsHowItEnded) {
    const TempFolder temp;
    const std::filesystem::path folder = temp.path();
    const std::vector<std::string> plant = {"animate", "--lsystem", exampleLsystems(), "--seed",
                                            "7",       "--size",    "120x90"};
    auto run = [&](std::vector<std::string> extra) {
        std::vector<std::string> arguments = plant;
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return runBurgeon(arguments, folder.string());
    };

    const auto completed = run({"--from", "10", "--to", "12", "--step", "0.5"});
    ASSERT_EQ(completed.status, 0) << completed.err;
    EXPECT_NE(completed.out.find("] 100%"), std::string::npos);
    EXPECT_NE(completed.out.find("Capture Completed."), std::string::npos);
    EXPECT_EQ(
        filesIn(folder / "PlantCap1"),
        (std::set<std::string>{"Picture.bmp", "Picture10.jpg", "Picture10.5.jpg", "Picture11.jpg",
                               "Picture11.5.jpg", "Picture12.jpg", "Plant.gif"}));

    const auto gifs = run({"--from", "3", "--to", "4", "--step", "1", "--gif-frames", "--folder",
                           (folder / "Gifs").string()});
    ASSERT_EQ(gifs.status, 0) << gifs.err;
    EXPECT_EQ(filesIn(folder / "Gifs"),
              (std::set<std::string>{"Picture.bmp", "Pict3.GIF", "Pict4.GIF", "Plant.gif"}));

    const auto missed = run({"--from", "10", "--to", "12", "--step", "0.3", "--folder", "Miss"});
    EXPECT_EQ(missed.status, 1);
    EXPECT_NE(missed.err.find("without meeting it exactly: no Plant.gif"), std::string::npos);
    // A run that does not complete writes none of its files.
    EXPECT_FALSE(std::filesystem::exists(folder / "Miss"));
    const auto unreachable = run({"--from", "10", "--to", "400", "--folder", "Far"});
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_NE(unreachable.err.find("past the end of the time axis (150)"), std::string::npos);
    // Nothing but the folders of the completed runs, no staging folder left beside them.
    EXPECT_EQ(filesIn(folder), (std::set<std::string>{"Gifs", "PlantCap1"}));

    EXPECT_EQ(run({"--from", "1"}).status, 2);
    EXPECT_EQ(run({"--from", "1", "--to", "2", "--step", "0.005"}).status, 2);
    EXPECT_EQ(run({"--from", "1", "--to", "2", "--jpeg", "--gif-frames"}).status, 2);
}

TEST(AnimateCommand, SizesWhoseFramesCannotBeCapturedAreRefusedAtOnce) {
    const TempFolder folder;
    auto run = [&](const std::string& size) {
        return runBurgeon({"animate", "--lsystem", exampleLsystems(), "--seed", "7", "--from", "3",
                           "--to", "3", "--size", size},
                          folder.path());
    };
    // The frames are 5 pixels smaller than the view; "Picture.bmp" is read back within 64 MB.
    for (const std::string size : {"5x100", "100x1", "1x1", "4735x4735", "8192x2800"}) {
        SCOPED_TRACE(size);
        const auto refused = run(size);
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find("burgeon animate: --size " + size +
                                   ": the frames of a capture are 5 pixels smaller"),
                  std::string::npos)
            << refused.err;
    }
    EXPECT_TRUE(filesIn(folder.path()).empty()) << "refused before anything is written";
    const auto smallest = run("6x6");
    EXPECT_EQ(smallest.status, 0) << smallest.err;
    const auto help = runBurgeon({"animate", "--help"});
    EXPECT_NE(help.out.find("each side 6 to 8192"), std::string::npos);
    EXPECT_NE(help.out.find("4734x4734"), std::string::npos);
}
