#include "imageio/Canvas.h"
#include "imageio/BmpWriter.h"

#include <gtest/gtest.h>

using namespace burgeon;

namespace {

constexpr RgbColor White{255, 255, 255};
constexpr RgbColor Blue{0, 0, 255};

int countPixels(const RgbImage& image, RgbColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

} // namespace

TEST(Canvas, LineToLeavesOutItsEndPoint) {
    RgbImage image(10, 10);
    Canvas canvas(image);
    canvas.setPenColor(Blue);
    canvas.moveTo(1, 1);
    canvas.lineTo(5, 1);
    EXPECT_EQ(countPixels(image, Blue), 4);
    EXPECT_EQ(image.pixel(1, 1), Blue);
    EXPECT_EQ(image.pixel(4, 1), Blue);
    EXPECT_EQ(image.pixel(5, 1), White);
    EXPECT_EQ(canvas.penX(), 5);
}

TEST(Canvas, AZeroLengthLineDrawsNothing) {
    RgbImage image(4, 4);
    Canvas canvas(image);
    canvas.setPenColor(Blue);
    canvas.moveTo(2, 2);
    canvas.lineTo(2, 2);
    EXPECT_EQ(countPixels(image, Blue), 0);
}

TEST(Canvas, DiagonalsAndSteepLinesHaveOnePixelPerMajorStep) {
    RgbImage image(20, 20);
    Canvas canvas(image);
    canvas.setPenColor(Blue);
    canvas.moveTo(0, 0);
    canvas.lineTo(5, 5);
    EXPECT_EQ(countPixels(image, Blue), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(image.pixel(i, i), Blue);
    }
    canvas.moveTo(10, 19);
    canvas.lineTo(12, 9); // steep, upwards
    EXPECT_EQ(countPixels(image, Blue), 15);
}

TEST(Canvas, ClipsAtTheImageEdges) {
    RgbImage image(10, 10);
    Canvas canvas(image);
    canvas.setPenColor(Blue);
    canvas.moveTo(-100, 5);
    canvas.lineTo(1000000, 5);
    EXPECT_EQ(countPixels(image, Blue), 10);
    canvas.moveTo(3, -2000000000);
    canvas.lineTo(3, 2000000000);
    EXPECT_EQ(countPixels(image, Blue), 19);
}

TEST(Canvas, WideLinesDrawTheVisiblePixelsOfTheUnboundedLine) {
    RgbImage image(40, 40);
    Canvas canvas(image);
    canvas.setPenColor(Blue);
    // Slope exactly 1/2 over 2^41 steps: every visible pixel lies at y = round-half-up(x / 2).
    const std::int64_t far = std::int64_t{1} << 41;
    canvas.moveToWide(0, 0);
    canvas.lineToWide(far, far / 2);
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(image.pixel(x, (x + 1) / 2), Blue) << x;
    }
    EXPECT_EQ(countPixels(image, Blue), 40);
    EXPECT_EQ(canvas.penX(), INT32_MAX);

    // Points beyond the wide range are held at its edge rather than overflowing.
    image.fill(White);
    canvas.moveToWide(5, INT64_MIN);
    canvas.lineToWide(5, INT64_MAX);
    EXPECT_EQ(countPixels(image, Blue), 40);
}

TEST(BmpWriter, WritesPaddedBottomUpRows) {
    RgbImage image(3, 2);
    image.setPixel(0, 0, {1, 2, 3});    // top-left
    image.setPixel(2, 1, {10, 20, 30}); // bottom-right
    const std::string bmp = encodeBmp(image);
    const std::size_t rowSize = 12; // 3 x 3 bytes padded to 12
    ASSERT_EQ(bmp.size(), 54 + 2 * rowSize);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);
    // File row 0 is the bottom image row: its last pixel is (10, 20, 30) stored as B, G, R.
    EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 6]), 30);
    EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 8]), 10);
    EXPECT_EQ(static_cast<unsigned char>(bmp[54 + rowSize]), 3);
    EXPECT_EQ(static_cast<unsigned char>(bmp[54 + rowSize + 2]), 1);
}
