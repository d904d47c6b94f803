#include "imageio/FramePalette.h"
#include "imageio/OctreeQuantizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

using namespace burgeon;

namespace {

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

int distance(RgbColor a, RgbColor b) {
    return (a.red - b.red) * (a.red - b.red) + (a.green - b.green) * (a.green - b.green) +
           (a.blue - b.blue) * (a.blue - b.blue);
}

int nearestDistance(const std::vector<RgbColor>& palette, RgbColor color) {
    int best = 1 << 30;
    for (const RgbColor entry : palette) {
        best = std::min(best, distance(entry, color));
    }
    return best;
}

} // namespace

TEST(OctreeQuantizer, KeepsFewColoursExactlyAndFoldsManyIntoTheBudget) {
    RgbImage few(20, 10, {0, 0, 0});
    for (int x = 0; x < 20; ++x) {
        few.setPixel(x, 3, {x * 10, 200, 7});
    }
    OctreeQuantizer exact(236);
    exact.addImage(few);
    std::set<std::tuple<int, int, int>> chosen;
    for (const RgbColor color : exact.palette()) {
        chosen.insert({color.red, color.green, color.blue});
    }
    EXPECT_EQ(chosen.size(), 21u); // the twenty of the row and the black background
    EXPECT_TRUE(chosen.count({190, 200, 7}));

    // 4096 colours fold into at most 236, and every pixel stays close to one of them.
    OctreeQuantizer folded(236);
    folded.addImage(gradient());
    const std::vector<RgbColor> palette = folded.palette();
    EXPECT_LE(palette.size(), 236u);
    EXPECT_GE(palette.size(), 100u);
    int worst = 0;
    for (int i = 0; i < 64 * 64; ++i) {
        worst = std::max(worst, nearestDistance(palette, gradient().pixel(i % 64, i / 64)));
    }
    EXPECT_LE(worst, 2 * 16 * 16);

    // A budget of one leaves the average of all pixels, weighted by their count.
    OctreeQuantizer single(1);
    single.addColor({0, 0, 0}, 3);
    single.addColor({200, 100, 40}, 1);
    EXPECT_EQ(single.palette(), (std::vector<RgbColor>{{50, 25, 10}}));
}

TEST(FramePalette, HoldsTheSystemColoursAroundTheFramesOwn) {
    RgbImage image(8, 8, {10, 100, 30});
    image.setPixel(0, 0, {250, 5, 5});
    const std::vector<RgbColor> palette = framePalette(image);
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[0], (RgbColor{0, 0, 0}));
    EXPECT_EQ(palette[1], (RgbColor{128, 0, 0}));
    EXPECT_EQ(palette[8], (RgbColor{192, 220, 192}));
    EXPECT_EQ(palette[9], (RgbColor{166, 202, 240}));
    EXPECT_EQ(palette[246], (RgbColor{255, 251, 240}));
    EXPECT_EQ(palette[247], (RgbColor{160, 160, 164}));
    EXPECT_EQ(palette[249], (RgbColor{255, 0, 0}));
    EXPECT_EQ(palette[255], (RgbColor{255, 255, 255}));
    const std::set<std::tuple<int, int, int>> own = {{palette[10].red, palette[10].green, 0},
                                                     {palette[11].red, palette[11].green, 0}};
    EXPECT_EQ(own, (std::set<std::tuple<int, int, int>>{{10, 100, 0}, {250, 5, 0}}));
    EXPECT_EQ(palette[12], (RgbColor{0, 0, 0})); // places left unused are black
    EXPECT_EQ(palette[245], (RgbColor{0, 0, 0}));
}

TEST(FramePalette, EveryPixelTakesTheNearestColourWithoutDithering) {
    std::vector<RgbColor> palette(256, RgbColor{0, 0, 0});
    palette[10] = {100, 100, 100};
    palette[11] = {110, 110, 110};
    NearestColorIndex nearest(palette);
    EXPECT_EQ(nearest(104, 104, 104), 10);
    EXPECT_EQ(nearest(106, 106, 106), 11);
    EXPECT_EQ(nearest(105, 105, 105), 10); // a tie goes to the lower index
    EXPECT_EQ(nearest(1, 1, 1), 0);

    // The remembered answers and the per-cell candidates agree with a full search.
    const std::vector<RgbColor> framed = framePalette(gradient());
    NearestColorIndex cached(framed);
    for (int i = 0; i < 40000; ++i) {
        const RgbColor color{(i * 37) & 255, (i * 101 >> 3) & 255, (i >> 7) & 255};
        const std::uint8_t index =
            cached(static_cast<std::uint8_t>(color.red), static_cast<std::uint8_t>(color.green),
                   static_cast<std::uint8_t>(color.blue));
        ASSERT_EQ(distance(framed[index], color), nearestDistance(framed, color)) << i;
    }

    // A flat area of a colour maps to one index throughout: no dithering pattern.
    const IndexedImage indexed = reduceToFramePalette(RgbImage(16, 4, {101, 99, 103}));
    EXPECT_EQ(std::count(indexed.indices.begin(), indexed.indices.end(), indexed.indices[0]), 64);
    EXPECT_EQ(indexed.palette[indexed.indices[0]], (RgbColor{101, 99, 103}));
}
