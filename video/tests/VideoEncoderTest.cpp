#include "video/VideoEncoder.h"

#include "base/StandardError.h"
#include "testing/TempFolder.h"
#include "video/tests/VideoDecoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace burgeon;
using namespace burgeon::testing;

namespace {

struct Case {
    const char* fileName;
    AVCodecID codec;

    friend void PrintTo(const Case& formatCase, std::ostream* out) { *out << formatCase.fileName; }
};

// Frame i of a clip: a flat colour moving from red to blue, with a green square that drifts,
// so consecutive frames differ as a growing plant's do.
RgbImage clipFrame(int index, int frames, int width = 64, int height = 48) {
    const int blue = 255 * index / (frames - 1);
    RgbImage image(width, height, {255 - blue, 40, blue});
    for (int y = 8; y < 20; ++y) {
        for (int x = 4 + 2 * index; x < 16 + 2 * index; ++x) {
            image.setPixel(x, y, {30, 200, 60});
        }
    }
    return image;
}

void expectColourNear(RgbColor actual, RgbColor expected, int tolerance) {
    EXPECT_NEAR(actual.red, expected.red, tolerance);
    EXPECT_NEAR(actual.green, expected.green, tolerance);
    EXPECT_NEAR(actual.blue, expected.blue, tolerance);
}

std::string fileText(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class VideoEncoderTest : public ::testing::TestWithParam<Case> {
protected:
    std::string target() const { return folder.file(GetParam().fileName); }

    TempFolder folder;
};

} // namespace

TEST_P(VideoEncoderTest, DecodesToEveryFrameAtItsRateSizeAndColours) {
    constexpr int frames = 6;
    VideoEncoder encoder(target(), 64, 48, FrameRate::fromFrameDelay(3));
    EXPECT_TRUE(encoder.sizeNote().empty());
    for (int index = 0; index < frames; ++index) {
        encoder.addFrame(clipFrame(index, frames));
    }
    // At most the temporary file, which has no name at all where the file system allows.
    EXPECT_LE(folder.names().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(target()));
    encoder.finish();
    EXPECT_FALSE(encoder.isOpen());
    EXPECT_EQ(folder.names(), std::vector<std::string>{GetParam().fileName});

    const DecodedVideo video = decodeVideo(target());
    ASSERT_TRUE(video.valid);
    EXPECT_EQ(video.codec, GetParam().codec);
    EXPECT_EQ(video.width, 64);
    EXPECT_EQ(video.height, 48);
    EXPECT_EQ(av_cmp_q(video.frameRate, AVRational{100, 3}), 0)
        << video.frameRate.num << "/" << video.frameRate.den;
    ASSERT_EQ(video.frames.size(), static_cast<std::size_t>(frames));
    // The background away from the square, and the square itself.
    expectColourNear(meanColour(video.frames.front(), 0, 26, 64, 22), {255, 40, 0}, 4);
    expectColourNear(meanColour(video.frames.back(), 0, 26, 64, 22), {0, 40, 255}, 4);
    expectColourNear(meanColour(video.frames.back(), 16, 10, 8, 8), {30, 200, 60}, 10);
}

TEST_P(VideoEncoderTest, FinishedHalfwayHoldsExactlyTheFramesSoFar) {
    VideoEncoder encoder(target(), 64, 48, FrameRate::perSecond(25));
    for (int index = 0; index < 4; ++index) {
        encoder.addFrame(clipFrame(index, 8));
    }
    encoder.finish();
    const DecodedVideo video = decodeVideo(target());
    ASSERT_TRUE(video.valid);
    EXPECT_EQ(av_cmp_q(video.frameRate, AVRational{25, 1}), 0);
    ASSERT_EQ(video.frames.size(), 4u);
    expectColourNear(meanColour(video.frames.back(), 0, 26, 64, 22), clipFrame(3, 8).pixel(0, 40),
                     4);
}

TEST_P(VideoEncoderTest, OddSizeIsPaddedWithTheEdgeColour) {
    // Green on the left, blue from column 40 to the odd right edge.
    RgbImage frame(65, 47, {20, 180, 40});
    for (int y = 0; y < 47; ++y) {
        for (int x = 40; x < 65; ++x) {
            frame.setPixel(x, y, {10, 20, 230});
        }
    }
    VideoEncoder encoder(target(), 65, 47, FrameRate::perSecond(10));
    EXPECT_EQ(encoder.sizeNote(), "video: 65 x 47 padded to 66 x 48 for the encoder");
    EXPECT_EQ(encoder.width(), 66);
    EXPECT_EQ(encoder.height(), 48);
    encoder.addFrame(frame);
    encoder.addFrame(frame);
    encoder.finish();

    const DecodedVideo video = decodeVideo(target());
    ASSERT_TRUE(video.valid);
    EXPECT_EQ(video.width, 66);
    EXPECT_EQ(video.height, 48);
    ASSERT_EQ(video.frames.size(), 2u);
    expectColourNear(meanColour(video.frames[1], 65, 0, 1, 48), {10, 20, 230}, 8);
    expectColourNear(meanColour(video.frames[1], 0, 47, 32, 1), {20, 180, 40}, 8);
}

TEST_P(VideoEncoderTest, LowerQualityFactorGivesLargerFile) {
    const auto encodedSize = [&](int quality) {
        VideoEncoder encoder(target(), 64, 48, FrameRate::perSecond(25), quality);
        for (int index = 0; index < 4; ++index) {
            encoder.addFrame(clipFrame(index, 4));
        }
        encoder.finish();
        return std::filesystem::file_size(target());
    };
    EXPECT_GT(encodedSize(10), encodedSize(45));
}

TEST_P(VideoEncoderTest, ExistingFileIsReplacedOnlyByFinishedVideo) {
    std::ofstream(target()) << "earlier video";
    {
        VideoEncoder abandoned(target(), 64, 48, FrameRate::perSecond(25));
        abandoned.addFrame(clipFrame(0, 2));
    }
    EXPECT_EQ(folder.names(), std::vector<std::string>{GetParam().fileName});
    EXPECT_EQ(fileText(target()), "earlier video");

    VideoEncoder encoder(target(), 64, 48, FrameRate::perSecond(25));
    encoder.addFrame(clipFrame(0, 2));
    encoder.finish();
    EXPECT_EQ(decodeVideo(target()).frames.size(), 1u);
    EXPECT_EQ(std::filesystem::status(target()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0644));
}

TEST_P(VideoEncoderTest, VideoWithoutFramesIsRefusedAndLeavesNoFile) {
    VideoEncoder encoder(target(), 64, 48, FrameRate::perSecond(25));
    encoder.addFrame(RgbImage()); // an empty frame is not added
    EXPECT_EQ(encoder.frameCount(), 0);
    try {
        encoder.finish();
        FAIL() << "finished a video without frames";
    } catch (const StandardError& error) {
        EXPECT_EQ(error.what(), "Cannot write video " + target() + ": it has no frames");
    }
    EXPECT_FALSE(encoder.isOpen());
    EXPECT_TRUE(folder.names().empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, VideoEncoderTest,
                         ::testing::Values(Case{"Plant.mp4", AV_CODEC_ID_H264},
                                           Case{"Plant.webm", AV_CODEC_ID_VP9}),
                         [](const auto& formatCase) {
                             return formatCase.param.codec == AV_CODEC_ID_H264 ? "H264" : "Vp9";
                         });

TEST(VideoEncoder, Mp4PutsItsIndexBeforeThePictures) {
    TempFolder folder;
    VideoEncoder encoder(folder.file("Plant.mp4"), 64, 48, FrameRate::perSecond(25));
    encoder.addFrame(clipFrame(0, 2));
    encoder.finish();
    const std::string bytes = fileText(folder.file("Plant.mp4"));
    ASSERT_NE(bytes.find("moov"), std::string::npos);
    EXPECT_LT(bytes.find("moov"), bytes.find("mdat"));
}

TEST(VideoEncoder, FrameOfAnotherSizeIsPlacedAtTheTopLeft) {
    TempFolder folder;
    VideoEncoder encoder(folder.file("Plant.webm"), 64, 48, FrameRate::perSecond(25));
    RgbImage larger(80, 60, {200, 30, 30});
    for (int y = 0; y < 60; ++y) {
        for (int x = 64; x < 80; ++x) {
            larger.setPixel(x, y, {0, 0, 255}); // cut off
        }
    }
    encoder.addFrame(larger);
    encoder.finish();
    const DecodedVideo video = decodeVideo(folder.file("Plant.webm"));
    ASSERT_EQ(video.frames.size(), 1u);
    expectColourNear(meanColour(video.frames[0]), {200, 30, 30}, 4);
}

TEST(VideoEncoder, RejectsOtherFileKindsSizesAndQualities) {
    TempFolder folder;
    const auto message = [](auto open) {
        try {
            open();
        } catch (const StandardError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    const std::string avi = folder.file("Plant.avi");
    EXPECT_EQ(message([&] { VideoEncoder(avi, 64, 48, FrameRate::perSecond(25)); }),
              "Cannot write video " + avi +
                  ": the file name must end in .mp4 (H.264) or .webm (VP9)");
    const std::string mp4 = folder.file("Plant.MP4");
    EXPECT_EQ(message([&] { VideoEncoder(mp4, 0, 48, FrameRate::perSecond(25)); }),
              "Cannot write video " + mp4 + ": the picture size 0 x 48 is empty");
    EXPECT_EQ(message([&] { VideoEncoder(mp4, 64, 48, FrameRate::perSecond(25), 52); }),
              "Cannot write video " + mp4 + ": the quality (crf) 52 lies outside 0..51 for H.264");
    const std::string webm = folder.file("Plant.webm");
    EXPECT_EQ(message([&] { VideoEncoder(webm, 64, 48, FrameRate::perSecond(25), 63); }),
              "no error");
    EXPECT_TRUE(folder.names().empty());
}

TEST(FrameRate, DelayInHundredthsGivesExactFraction) {
    EXPECT_EQ(FrameRate::fromFrameDelay(3), (FrameRate{100, 3}));
    EXPECT_EQ(FrameRate::fromFrameDelay(4), (FrameRate{25, 1}));
    EXPECT_EQ(FrameRate::fromFrameDelay(100), (FrameRate{1, 1}));
    EXPECT_NEAR(FrameRate::fromFrameDelay(3).framesPerSecond(), 33.333, 0.001);
    EXPECT_THROW(FrameRate::fromFrameDelay(0), std::invalid_argument);
    EXPECT_THROW(FrameRate::perSecond(-1), std::invalid_argument);
}
