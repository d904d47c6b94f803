#include "bench/PlantFrame.h"

#include "base/RandomSource.h"

#include <cmath>

namespace burgeon::bench {

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

// Black sky above a grass band of noisy greens.
void drawGround(RgbImage& image) {
    RandomSource random(7);
    for (int y = 420; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const int shade = (y - 420) / 4;
            image.setPixel(x, y,
                           {30 + random.uniformInt(40), 70 + shade + random.uniformInt(60),
                            20 + random.uniformInt(30)});
        }
    }
}

// A brown stem lit from one side.
void drawStem(RgbImage& image) {
    for (int y = 120; y < 480; ++y) {
        for (int x = 390; x < 410; ++x) {
            const double light = std::cos((x - 395) / 20.0 * 3.14159);
            image.setPixel(
                x, y, {static_cast<int>(90 + 50 * light), static_cast<int>(60 + 30 * light), 30});
        }
    }
}

// A dozen leaves whose green darkens towards their edges.
void drawLeaves(RgbImage& image, int frame) {
    const int halfWidth = 60 + frame / 2;
    const int halfHeight = 25 + frame / 4;
    for (int leaf = 0; leaf < 12; ++leaf) {
        const int sway = static_cast<int>(std::lround(4 * std::sin(frame * 0.3 + leaf))) -
                         static_cast<int>(std::lround(4 * std::sin(leaf)));
        const int centreX = (leaf % 2 == 0 ? 330 : 470) + sway;
        const int centreY = 150 + leaf * 25;
        for (int y = -halfHeight; y <= halfHeight; ++y) {
            for (int x = -halfWidth; x <= halfWidth; ++x) {
                const double r = static_cast<double>(x * x) / (halfWidth * halfWidth) +
                                 static_cast<double>(y * y) / (halfHeight * halfHeight);
                if (r <= 1.0) {
                    const double light = 1.0 - 0.6 * r;
                    image.setPixel(centreX + x, centreY + y,
                                   {static_cast<int>(40 * light),
                                    static_cast<int>((150 + leaf * 5) * light),
                                    static_cast<int>(50 * light)});
                }
            }
        }
    }
}

} // namespace

RgbImage plantFrame(int frame) {
    RgbImage image(Width, Height, {0, 0, 0});
    drawGround(image);
    drawStem(image);
    drawLeaves(image, frame);
    return image;
}

} // namespace burgeon::bench
