#include "imageio/GifWriter.h"

#include "base/StandardError.h"
#include "imageio/tests/GifDecoding.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;
using namespace burgeon::testing;

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

void expectFrame(const DecodedFrame& frame, const RgbImage& image) {
    ASSERT_EQ(frame.palette.size(), 256u);
    EXPECT_EQ(frame.palette[2], (RgbColor{0, 128, 0}));
    EXPECT_EQ(frame.palette[9], (RgbColor{166, 202, 240}));
    EXPECT_EQ(frame.palette[246], (RgbColor{255, 251, 240}));
    EXPECT_EQ(frame.palette[255], (RgbColor{255, 255, 255}));
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
    const DecodedGif gif = decodeGif(encodeGif(plantLike(33, 21)));
    ASSERT_TRUE(gif.valid);
    ASSERT_EQ(gif.frames.size(), 1u);
    expectFrame(gif.frames[0], plantLike(33, 21));
    EXPECT_EQ(gif.frames[0].delay, -1);
    EXPECT_EQ(gif.frames[0].loopCount, -1);
}

TEST(GifWriter, AnimationLoopsEndlesslyWithTheDelayOnEveryFrameAndSavesAtAnyPoint) {
    AnimatedGif animation(6);
    animation.addFrame(plantLike(40, 30, 0), 3);
    animation.addFrame(plantLike(40, 30, 1), 3);
    EXPECT_EQ(decodeGif(animation.encode()).frames.size(), 2u); // a whole file mid-run
    animation.addFrame(plantLike(40, 30, 2), 3);

    const DecodedGif gif = decodeGif(animation.encode());
    ASSERT_EQ(gif.frames.size(), 3u);
    EXPECT_EQ(gif.frames[0].loopCount, 0);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(gif.frames[i].loopCount, i == 0 ? 0 : -1);
        EXPECT_EQ(gif.frames[i].delay, 3);
        EXPECT_FALSE(gif.frames[i].transparent);
        expectFrame(gif.frames[i], plantLike(40, 30, static_cast<int>(i)));
    }

    // Frames of another size (the window was resized) stay inside the first frame's screen.
    AnimatedGif resized(8);
    resized.addFrame(plantLike(30, 20), 100);
    resized.addFrame(plantLike(50, 40), 100);
    resized.addFrame(plantLike(10, 8), 100);
    resized.addFrame(RgbImage(), 100); // nothing to add
    const DecodedGif cut = decodeGif(resized.encode());
    ASSERT_EQ(cut.frames.size(), 3u);
    EXPECT_EQ(cut.screenWidth, 30);
    EXPECT_EQ(cut.frames[1].width, 30);
    EXPECT_EQ(cut.frames[1].height, 20);
    EXPECT_EQ(cut.frames[1].pixel(29, 18), plantLike(50, 40).pixel(29, 18));
    EXPECT_EQ(cut.frames[2].width, 10);
}

TEST(GifWriter, FilesAreWrittenWholeOrNotAtAll) {
    const burgeon::testing::TempFolder temp;
    const std::filesystem::path folder = temp.path();
    writeGifFile((folder / "Pict10.GIF").string(), plantLike(12, 12));
    EXPECT_EQ(decodeGifFile((folder / "Pict10.GIF").string()).frames.size(), 1u);
    EXPECT_THROW(writeGifFile((folder / "Pict11.GIF").string(), RgbImage()), StandardError);

    AnimatedGif animation(6);
    EXPECT_THROW(animation.save((folder / "Plant.gif").string()), StandardError); // no frame
    animation.addFrame(plantLike(12, 12), 3);
    const std::string missing = (folder / "gone" / "Plant.gif").string();
    try {
        animation.save(missing);
        FAIL() << "no error for a missing folder";
    } catch (const StandardError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + missing + " (no such folder)");
    }
    // Only the one good file, no temporary ones.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}
