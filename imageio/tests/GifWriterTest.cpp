#include "imageio/GifWriter.h"

#include "base/StandardError.h"
#include "imageio/tests/GifDecoding.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;
using burgeon::testing::DecodedFrame;
using burgeon::testing::DecodedGif;
using burgeon::testing::decodeGif;
using burgeon::testing::decodeGifFile;

namespace {

// A few colours of a plant on black: every one of them survives the reduction exactly.
RgbImage plantLike(int width, int height, int shift = 0) {
    RgbImage image(width, height, {0, 0, 0});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((x + shift) % 7 < 3) {
                image.setPixel(x, y, {20, 110 + (y % 5) * 20, 40});
            } else if (y % 9 == 0) {
                image.setPixel(x, y, {140, 90, 50});
            }
        }
    }
    return image;
}

void expectFramePalette(const DecodedFrame& frame) {
    ASSERT_EQ(frame.palette.size(), 256u);
    EXPECT_EQ(frame.palette[0], (RgbColor{0, 0, 0}));
    EXPECT_EQ(frame.palette[2], (RgbColor{0, 128, 0}));
    EXPECT_EQ(frame.palette[9], (RgbColor{166, 202, 240}));
    EXPECT_EQ(frame.palette[246], (RgbColor{255, 251, 240}));
    EXPECT_EQ(frame.palette[252], (RgbColor{0, 0, 255}));
    EXPECT_EQ(frame.palette[255], (RgbColor{255, 255, 255}));
}

void expectPixels(const DecodedFrame& frame, const RgbImage& image) {
    ASSERT_EQ(frame.width, image.width());
    ASSERT_EQ(frame.height, image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(frame.pixel(x, y), image.pixel(x, y)) << x << "," << y;
        }
    }
}

} // namespace

TEST(GifWriter, SingleFrameHasItsOwnPaletteAndNoAnimationBlocks) {
    const RgbImage image = plantLike(33, 21);
    const DecodedGif gif = decodeGif(encodeGif(image));
    ASSERT_TRUE(gif.valid);
    EXPECT_EQ(gif.screenWidth, 33);
    EXPECT_EQ(gif.screenHeight, 21);
    ASSERT_EQ(gif.frames.size(), 1u);
    expectFramePalette(gif.frames[0]);
    expectPixels(gif.frames[0], image);
    EXPECT_EQ(gif.frames[0].delay, -1);
    EXPECT_FALSE(gif.frames[0].loopExtension);
}

TEST(GifWriter, AnimationLoopsEndlesslyWithTheDelayOnEveryFrameAndSavesAtAnyPoint) {
    AnimatedGif animation(6);
    EXPECT_EQ(animation.encode(), "");
    animation.addFrame(plantLike(40, 30, 0), 3);
    animation.addFrame(plantLike(40, 30, 1), 3);

    // Saved in the middle of a run: a complete two-frame file.
    const DecodedGif partial = decodeGif(animation.encode());
    ASSERT_TRUE(partial.valid);
    EXPECT_EQ(partial.frames.size(), 2u);

    animation.addFrame(plantLike(40, 30, 2), 3);
    EXPECT_EQ(animation.frameCount(), 3);
    const DecodedGif gif = decodeGif(animation.encode());
    ASSERT_TRUE(gif.valid);
    ASSERT_EQ(gif.frames.size(), 3u);
    EXPECT_TRUE(gif.frames[0].loopExtension);
    EXPECT_EQ(gif.frames[0].loopCount, 0);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(gif.frames[i].loopExtension, i == 0) << i;
        EXPECT_EQ(gif.frames[i].delay, 3) << i;
        EXPECT_FALSE(gif.frames[i].transparent);
        expectFramePalette(gif.frames[i]);
        expectPixels(gif.frames[i], plantLike(40, 30, static_cast<int>(i)));
    }
    EXPECT_EQ(animation.reductionBits, 6);
}

TEST(GifWriter, FramesOfAnotherSizeStayInsideTheFirstFramesScreen) {
    AnimatedGif animation(8);
    animation.addFrame(plantLike(30, 20), 100);
    animation.addFrame(plantLike(50, 40), 100); // the window grew during the run
    animation.addFrame(plantLike(10, 8), 100);
    animation.addFrame(RgbImage(), 100); // nothing to add
    const DecodedGif gif = decodeGif(animation.encode());
    ASSERT_TRUE(gif.valid);
    EXPECT_EQ(gif.screenWidth, 30);
    EXPECT_EQ(gif.screenHeight, 20);
    ASSERT_EQ(gif.frames.size(), 3u);
    EXPECT_EQ(gif.frames[1].width, 30);
    EXPECT_EQ(gif.frames[1].height, 20);
    EXPECT_EQ(gif.frames[1].pixel(29, 18), plantLike(50, 40).pixel(29, 18));
    EXPECT_EQ(gif.frames[2].width, 10);
    EXPECT_EQ(gif.frames[2].delay, 100);
}

TEST(GifWriter, FilesAreWrittenWholeOrNotAtAll) {
    const auto folder = std::filesystem::temp_directory_path() / "burgeon-gif-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string single = (folder / "Pict10.GIF").string();
    writeGifFile(single, plantLike(12, 12));
    EXPECT_EQ(decodeGifFile(single).frames.size(), 1u);
    EXPECT_THROW(writeGifFile((folder / "Pict11.GIF").string(), RgbImage()), StandardError);
    EXPECT_FALSE(std::filesystem::exists(folder / "Pict11.GIF"));

    AnimatedGif animation(6);
    EXPECT_THROW(animation.save((folder / "Plant.gif").string()), StandardError);
    animation.addFrame(plantLike(12, 12), 3);
    animation.save((folder / "Plant.gif").string());
    EXPECT_EQ(decodeGifFile((folder / "Plant.gif").string()).frames.size(), 1u);
    try {
        animation.save((folder / "gone" / "Plant.gif").string());
        FAIL() << "no error for a missing folder";
    } catch (const StandardError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file " + (folder / "gone" / "Plant.gif").string());
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              2);
    std::filesystem::remove_all(folder);
}
