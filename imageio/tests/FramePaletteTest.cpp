#include "imageio/FramePalette.h"
#include "imageio/OctreeQuantizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

using namespace burgeon;

namespace {

std::tuple<int, int, int> key(RgbColor color) {
    return {color.red, color.green, color.blue};
}

// A smooth two-way gradient: 4096 distinct colours.
RgbImage gradient() {
    RgbImage image(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            image.setPixel(x, y, {x * 4, y * 4, 128});
        }
    }
    return image;
}

int squaredDistance(RgbColor a, RgbColor b) {
    return (a.red - b.red) * (a.red - b.red) + (a.green - b.green) * (a.green - b.green) +
           (a.blue - b.blue) * (a.blue - b.blue);
}

} // namespace

TEST(OctreeQuantizer, KeepsFewColoursExactlyAndFoldsManyIntoTheBudget) {
    // A frame with fewer colours than the budget keeps every one of them exactly.
    RgbImage few(20, 10, {0, 0, 0});
    for (int x = 0; x < 20; ++x) {
        few.setPixel(x, 3, {x * 10, 200, 7});
    }
    OctreeQuantizer exact(236);
    exact.addImage(few);
    std::set<std::tuple<int, int, int>> chosen;
    for (const RgbColor color : exact.palette()) {
        chosen.insert(key(color));
    }
    EXPECT_EQ(chosen.size(), 21u); // the twenty of the row and the black background
    EXPECT_TRUE(chosen.count({0, 0, 0}));
    EXPECT_TRUE(chosen.count({190, 200, 7}));

    // 4096 colours are folded into at most 236, and every pixel stays close to one of them.
    OctreeQuantizer folded(236);
    const RgbImage image = gradient();
    folded.addImage(image);
    const std::vector<RgbColor> palette = folded.palette();
    EXPECT_LE(palette.size(), 236u);
    EXPECT_GE(palette.size(), 100u);
    EXPECT_EQ(folded.leafCount(), static_cast<int>(palette.size()));
    int worst = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            int best = 1 << 30;
            for (const RgbColor color : palette) {
                best = std::min(best, squaredDistance(color, image.pixel(x, y)));
            }
            worst = std::max(worst, best);
        }
    }
    EXPECT_LE(worst, 2 * 16 * 16);

    // A budget of one colour leaves the average of all pixels, weighted by their count.
    OctreeQuantizer single(1);
    single.addColor({0, 0, 0}, 3);
    single.addColor({200, 100, 40}, 1);
    ASSERT_EQ(single.palette().size(), 1u);
    EXPECT_EQ(single.palette()[0], (RgbColor{50, 25, 10}));
}

TEST(FramePalette, HoldsTheSystemColoursAtTheirPlacesAroundTheChosenOnes) {
    RgbImage image(8, 8, {10, 100, 30});
    image.setPixel(0, 0, {250, 5, 5});
    const std::vector<RgbColor> palette = framePalette(image);
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[0], (RgbColor{0, 0, 0}));
    EXPECT_EQ(palette[1], (RgbColor{128, 0, 0}));
    EXPECT_EQ(palette[7], (RgbColor{192, 192, 192}));
    EXPECT_EQ(palette[8], (RgbColor{192, 220, 192}));
    EXPECT_EQ(palette[9], (RgbColor{166, 202, 240}));
    EXPECT_EQ(palette[246], (RgbColor{255, 251, 240}));
    EXPECT_EQ(palette[247], (RgbColor{160, 160, 164}));
    EXPECT_EQ(palette[248], (RgbColor{128, 128, 128}));
    EXPECT_EQ(palette[249], (RgbColor{255, 0, 0}));
    EXPECT_EQ(palette[255], (RgbColor{255, 255, 255}));
    // The frame's own two colours come first among the chosen ones; the unused places are
    // black.
    std::set<std::tuple<int, int, int>> chosen = {key(palette[10]), key(palette[11])};
    EXPECT_TRUE(chosen.count({10, 100, 30}));
    EXPECT_TRUE(chosen.count({250, 5, 5}));
    EXPECT_EQ(palette[12], (RgbColor{0, 0, 0}));
    EXPECT_EQ(palette[245], (RgbColor{0, 0, 0}));
}

TEST(FramePalette, EveryPixelTakesTheNearestColourWithoutDithering) {
    // A flat area of a colour that is not in the palette maps to one index throughout: no
    // dithering pattern.
    std::vector<RgbColor> palette(256, RgbColor{0, 0, 0});
    palette[10] = {100, 100, 100};
    palette[11] = {110, 110, 110};
    NearestColorIndex nearest(palette);
    EXPECT_EQ(nearest(104, 104, 104), 10);
    EXPECT_EQ(nearest(106, 106, 106), 11);
    EXPECT_EQ(nearest(105, 105, 105), 10); // a tie goes to the lower index
    EXPECT_EQ(nearest(1, 1, 1), 0);

    // The remembered answers agree with a full search for many colours, also where colours
    // share a cache place.
    const RgbImage image = gradient();
    const std::vector<RgbColor> framed = framePalette(image);
    NearestColorIndex cached(framed);
    for (int i = 0; i < 40000; ++i) {
        const auto red = static_cast<std::uint8_t>((i * 37) & 255);
        const auto green = static_cast<std::uint8_t>((i * 101 >> 3) & 255);
        const auto blue = static_cast<std::uint8_t>((i >> 9) & 255);
        const RgbColor color{red, green, blue};
        const std::uint8_t index = cached(red, green, blue);
        int best = 1 << 30;
        for (const RgbColor entry : framed) {
            best = std::min(best, squaredDistance(entry, color));
        }
        ASSERT_EQ(squaredDistance(framed[index], color), best) << i;
    }

    // A whole frame: each pixel holds the index of its nearest palette colour.
    RgbImage flat(16, 4, {101, 99, 103});
    const IndexedImage indexed = reduceToFramePalette(flat);
    ASSERT_EQ(indexed.indices.size(), 64u);
    EXPECT_TRUE(std::all_of(indexed.indices.begin(), indexed.indices.end(),
                            [&](std::uint8_t index) { return index == indexed.indices[0]; }));
    EXPECT_EQ(indexed.palette[indexed.indices[0]], (RgbColor{101, 99, 103}));
}
