#include "video/FramePadding.h"

#include <gtest/gtest.h>

using namespace burgeon;

namespace {

// Every pixel a colour of its own position.
RgbImage numbered(int width, int height) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, {x, y, 7});
        }
    }
    return image;
}

} // namespace

TEST(FramePadding, NoteNamesTheSizeBeforeAndAfter) {
    EXPECT_EQ(paddingNote(396, 296), "");
    EXPECT_EQ(paddingNote(395, 295), "video: 395 x 295 padded to 396 x 296 for the encoder");
    EXPECT_EQ(paddingNote(400, 301), "video: 400 x 301 padded to 400 x 302 for the encoder");
    EXPECT_EQ(evenSize(1), 2);
    EXPECT_EQ(evenSize(2), 2);
}

TEST(FramePadding, OddFrameIsExtendedWithItsLastColumnAndRow) {
    const RgbImage fitted = fitFrame(numbered(5, 3), 6, 4);
    ASSERT_EQ(fitted.width(), 6);
    ASSERT_EQ(fitted.height(), 4);
    EXPECT_EQ(fitted.pixel(2, 1), (RgbColor{2, 1, 7}));
    EXPECT_EQ(fitted.pixel(5, 1), (RgbColor{4, 1, 7}));
    EXPECT_EQ(fitted.pixel(3, 3), (RgbColor{3, 2, 7}));
    EXPECT_EQ(fitted.pixel(5, 3), (RgbColor{4, 2, 7}));
}

TEST(FramePadding, LargerFrameIsCutAtTheRightAndBottom) {
    const RgbImage fitted = fitFrame(numbered(9, 7), 4, 2);
    EXPECT_EQ(fitted, fitFrame(numbered(4, 2), 4, 2));
    EXPECT_EQ(fitted.pixel(3, 1), (RgbColor{3, 1, 7}));
}

TEST(FramePadding, EmptyFrameGivesBlackPicture) {
    EXPECT_EQ(fitFrame(RgbImage(), 4, 2), RgbImage(4, 2, {0, 0, 0}));
}
