#include "testing/FolderTest.h"
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"
#include "video/tests/VideoDecoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

using burgeon::RgbColor;
using burgeon::testing::decodeVideo;
using burgeon::testing::exampleLsystems;
using burgeon::testing::examplesFolder;
using burgeon::testing::internodeGrowth;
using burgeon::testing::meanColour;
using burgeon::testing::runBurgeon;

namespace {

class AnimateVideoTest : public burgeon::testing::FolderTest {
protected:
    // A capture run of the second example block from 10 to 12 in steps of 0.5: five frames.
    burgeon::testing::CommandResult capture(std::vector<std::string> extra) const {
        std::vector<std::string> arguments = {"animate",
                                              "--lsystem",
                                              exampleLsystems(),
                                              "--block",
                                              "2",
                                              "--growth",
                                              internodeGrowth(),
                                              "--seed",
                                              "5",
                                              "--size",
                                              "120x90",
                                              "--from",
                                              "10",
                                              "--to",
                                              "12",
                                              "--step",
                                              "0.5"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return runBurgeon(arguments, examplesFolder());
    }
};

void expectNear(RgbColor actual, RgbColor expected, int tolerance) {
    EXPECT_NEAR(actual.red, expected.red, tolerance);
    EXPECT_NEAR(actual.green, expected.green, tolerance);
    EXPECT_NEAR(actual.blue, expected.blue, tolerance);
}

TEST_F(AnimateVideoTest, TheCapturedFramesBecomeAVideoThatShowsWhatTheJpegFilesShow) {
    const auto pictures = capture({"--folder", path("jpeg")});
    ASSERT_EQ(pictures.status, 0) << pictures.err;
    const auto video = capture({"--folder", path("run"), "--video", path("plant.mp4")});
    ASSERT_EQ(video.status, 0) << video.err;
    // 115 x 85 captured (five pixels less than the view each way), padded for the encoder.
    EXPECT_NE(video.out.find("video: 115 x 85 padded to 116 x 86 for the encoder"),
              std::string::npos)
        << video.out;
    EXPECT_NE(video.out.find("Capture Completed."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "run" / "Plant.gif"));

    const auto decoded = decodeVideo(path("plant.mp4"));
    ASSERT_TRUE(decoded.valid);
    EXPECT_EQ(decoded.codec, AV_CODEC_ID_H264);
    EXPECT_EQ(decoded.frames.size(), 5u);
    EXPECT_EQ(decoded.frameRate.num * 3, decoded.frameRate.den * 100) << "100 / delay 3";
    EXPECT_EQ(decoded.width, 116);
    EXPECT_EQ(decoded.height, 86);
    for (const auto& [frame, jpeg] :
         {std::pair{std::size_t{0}, "Picture10.jpg"}, std::pair{std::size_t{4}, "Picture12.jpg"}}) {
        const auto picture = decodeVideo(path(std::string("jpeg/") + jpeg));
        ASSERT_TRUE(picture.valid) << jpeg;
        expectNear(meanColour(decoded.frames[frame], 0, 0, 115, 85),
                   meanColour(picture.frames.front()), 3);
    }
}

TEST_F(AnimateVideoTest, WebmAtAChosenRateAndFailuresThatLeaveNoFile) {
    const auto webm = capture(
        {"--folder", path("run"), "--video", path("plant.webm"), "--fps", "10", "--crf", "40"});
    ASSERT_EQ(webm.status, 0) << webm.err;
    const auto decoded = decodeVideo(path("plant.webm"));
    ASSERT_TRUE(decoded.valid);
    EXPECT_EQ(decoded.codec, AV_CODEC_ID_VP9);
    EXPECT_EQ(decoded.frames.size(), 5u);
    EXPECT_EQ(decoded.frameRate.num, 10 * decoded.frameRate.den);

    const auto missing = capture({"--folder", path("run"), "--video", path("no/such/x.mp4")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Cannot create file " + path("no/such/x.mp4")), std::string::npos)
        << missing.err;

    // A file-size limit ends the run at its first file with a message, and no video stays.
    // (The encoder's own writes under a limit are checked with the encoder's tests.)
    const std::string command =
        "cd " + examplesFolder() + " && ulimit -f 8 && " + burgeon::testing::burgeonExecutable() +
        " animate --lsystem LsysExam.Lsys --block 2 --growth growth/internode-length.txt "
        "--seed 5 --size 320x240 --from 10 --to 12 --step 0.25 --folder " +
        path("limited") + " --video " + path("limited.mp4") + " >/dev/null 2>" +
        path("limited.err");
    EXPECT_NE(std::system(command.c_str()), 0);
    std::ifstream errors(path("limited.err"));
    const std::string text((std::istreambuf_iterator<char>(errors)), {});
    EXPECT_NE(text.find("Cannot create file"), std::string::npos) << text;
    EXPECT_FALSE(std::filesystem::exists(folder / "limited.mp4"));
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().filename().string().find("limited.mp4"), std::string::npos)
            << entry.path();
    }

    EXPECT_EQ(capture({"--video", path("x.avi")}).status, 2);
    EXPECT_EQ(capture({"--gif-frames", "--video", path("x.mp4")}).status, 2);
}

} // namespace
