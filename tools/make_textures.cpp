// Writes the example texture bitmaps: "grass1.bmp" for the ground and fourteen leaf textures
// with procedural venation, all 128 x 128, 24-bit. Usage: burgeon_make_textures OUTPUT_FOLDER

#include "base/FileIo.h"
#include "base/StandardError.h"
#include "imageio/BmpWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

namespace {

using burgeon::RgbColor;
using burgeon::RgbImage;

constexpr int side = 128;

struct Color {
    double r = 0, g = 0, b = 0;
};

Color mix(const Color& a, const Color& b, double amount) {
    return {a.r + (b.r - a.r) * amount, a.g + (b.g - a.g) * amount, a.b + (b.b - a.b) * amount};
}

Color scaled(const Color& c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

RgbColor toPixel(const Color& c) {
    const auto channel = [](double v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

double latticeValue(int x, int y, int period, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(((x % period) + period) % period) * 374761393u +
                      static_cast<std::uint32_t>(((y % period) + period) % period) * 668265263u +
                      seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / static_cast<double>(0x1000000);
}

// Smooth value noise in 0..1 that repeats every `side` pixels, so textures tile.
double valueNoise(double x, double y, int cells, std::uint32_t seed) {
    const double fx = x * cells / side;
    const double fy = y * cells / side;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double tx = smooth(fx - ix);
    const double ty = smooth(fy - iy);
    const double top =
        latticeValue(ix, iy, cells, seed) * (1 - tx) + latticeValue(ix + 1, iy, cells, seed) * tx;
    const double bottom = latticeValue(ix, iy + 1, cells, seed) * (1 - tx) +
                          latticeValue(ix + 1, iy + 1, cells, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

double layeredNoise(double x, double y, std::uint32_t seed) {
    return 0.5 * valueNoise(x, y, 4, seed) + 0.3 * valueNoise(x, y, 16, seed + 1) +
           0.2 * valueNoise(x, y, 64, seed + 2);
}

// A leaf seen from above with its tip at the top: a midrib down the middle, lateral veins
// rising towards the margins, optionally a fine net between them.
struct LeafStyle {
    Color base;
    Color margin;
    Color vein;
    double midribWidth = 2.0;
    double veinSpacing = 16.0;
    double veinRise = 0.8;  // rows the vein climbs per pixel away from the midrib
    double veinCurve = 0.0; // extra climb growing with the square of the distance
    double veinWidth = 1.2;
    double net = 0.0;      // strength of the fine net of small veins
    double mottling = 0.2; // strength of the large-scale colour variation
    double gloss = 0.0;    // a soft highlight along one side of the midrib
    std::uint32_t seed = 1;
};

RgbImage leafTexture(const LeafStyle& style) {
    RgbImage image(side, side);
    const double centre = (side - 1) / 2.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double across = std::abs(x - centre);
            const double d = across / (side / 2.0);
            const double towardsBase = y / static_cast<double>(side - 1);
            Color c = mix(style.base, style.margin, std::pow(d, 1.5) * 0.7);
            const double mottle = layeredNoise(x, y, style.seed) - 0.5;
            c = scaled(c, 1.0 + style.mottling * mottle * 2.0);
            if (style.gloss > 0.0) {
                const double band = std::exp(-std::pow((x - centre * 0.6) / 18.0, 2.0));
                c = mix(c, Color{235, 245, 225}, style.gloss * band * (0.5 + 0.5 * mottle));
            }
            if (style.net > 0.0) {
                const double ridge = std::abs(valueNoise(x, y, 32, style.seed + 7) - 0.5);
                if (ridge < 0.04) {
                    c = mix(c, style.vein, style.net * (1.0 - ridge / 0.04));
                }
            }
            const double along =
                y + style.veinRise * across + style.veinCurve * across * across / side;
            const double phase = std::fmod(along, style.veinSpacing);
            const double distance = std::min(phase, style.veinSpacing - phase);
            const double width = style.veinWidth * (1.0 - 0.6 * d);
            if (distance < width) {
                c = mix(c, style.vein, 0.7 * (1.0 - distance / width));
            }
            const double midrib = style.midribWidth * (0.5 + 0.7 * towardsBase);
            if (across < midrib) {
                c = mix(c, style.vein, 0.85);
            }
            image.setPixel(x, y, toPixel(c));
        }
    }
    return image;
}

// Blades of grass in several greens over dark soil-green, wrapping at the edges so that the
// ground's eightfold repeat shows no seams.
RgbImage grassTexture() {
    RgbImage image(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double n = layeredNoise(x, y, 91);
            image.setPixel(x, y, toPixel(Color{30 + 30 * n, 70 + 50 * n, 25 + 20 * n}));
        }
    }
    std::uint32_t state = 12345;
    const auto next = [&state](int n) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<std::uint64_t>(state >> 8) * n) >> 24);
    };
    for (int blade = 0; blade < 700; ++blade) {
        const int x0 = next(side);
        const int y0 = next(side);
        const int length = 8 + next(22);
        const double slant = (next(200) - 100) / 250.0;
        const Color colour{40.0 + next(60), 110.0 + next(90), 30.0 + next(40)};
        for (int step = 0; step < length; ++step) {
            const double fade = 0.75 + 0.25 * step / length;
            const int x = static_cast<int>(std::lround(x0 + slant * step));
            const int y = y0 - step;
            image.setPixel(((x % side) + side) % side, ((y % side) + side) % side,
                           toPixel(scaled(colour, fade)));
        }
    }
    return image;
}

struct NamedTexture {
    const char* fileName;
    LeafStyle style;
};

std::vector<NamedTexture> leafTextures() {
    const Color green{70, 150, 50};
    return {
        {"leaf.bmp", {green, {110, 180, 70}, {170, 210, 120}, 2.0, 16, 0.8, 0.0, 1.2, 0.0, 0.2}},
        {"leaf3.bmp",
         {{50, 120, 40},
          {80, 150, 60},
          {140, 190, 100},
          2.5,
          12,
          1.0,
          0.3,
          1.0,
          0.25,
          0.25,
          0.0,
          3}},
        {"leaf4.bmp",
         {{90, 160, 60},
          {150, 200, 80},
          {200, 230, 150},
          1.5,
          20,
          0.5,
          0.6,
          1.4,
          0.0,
          0.15,
          0.0,
          4}},
        {"leaf5.bmp",
         {{40, 100, 45}, {60, 130, 60}, {110, 170, 110}, 2.0, 10, 1.2, 0.0, 0.9, 0.3, 0.3, 0.2, 5}},
        {"leaf6.bmp",
         {{110, 150, 40},
          {170, 190, 60},
          {210, 220, 140},
          2.5,
          18,
          0.6,
          0.2,
          1.5,
          0.0,
          0.2,
          0.0,
          6}},
        {"leaf7.bmp",
         {{60, 140, 70}, {90, 170, 90}, {150, 210, 150}, 1.8, 14, 1.5, 0.0, 1.0, 0.4, 0.2, 0.0, 7}},
        {"leaf8.bmp",
         {{130, 100, 40},
          {170, 120, 40},
          {200, 170, 100},
          2.0,
          15,
          0.9,
          0.2,
          1.2,
          0.2,
          0.3,
          0.0,
          8}}, // an autumn leaf
        {"leaf9.bmp",
         {{80, 170, 80},
          {200, 230, 170},
          {220, 240, 200},
          2.0,
          16,
          0.8,
          0.1,
          1.1,
          0.0,
          0.1,
          0.0,
          9}}, // pale margins
        {"leaf10.bmp",
         {{35, 85, 35}, {50, 110, 45}, {90, 140, 80}, 3.0, 22, 0.4, 0.8, 1.6, 0.2, 0.2, 0.3, 10}},
        {"leaf11.bmp",
         {{120, 40, 60},
          {150, 60, 80},
          {200, 120, 140},
          2.0,
          13,
          1.0,
          0.2,
          1.1,
          0.2,
          0.25,
          0.1,
          11}}, // a purple leaf
        {"soybean1.bmp",
         {{85, 140, 50},
          {110, 160, 60},
          {150, 190, 110},
          2.2,
          17,
          0.7,
          0.4,
          1.0,
          0.5,
          0.3,
          0.0,
          12}},
        {"rubber1.bmp",
         {{25, 80, 35}, {35, 100, 45}, {90, 140, 90}, 3.0, 5, 0.25, 0.0, 0.6, 0.0, 0.1, 0.45, 13}},
        {"rubber2.bmp",
         {{40, 95, 40},
          {60, 120, 50},
          {130, 170, 110},
          2.5,
          6,
          0.3,
          0.0,
          0.7,
          0.0,
          0.15,
          0.35,
          14}},
        {"rubber3.bmp",
         {{20, 60, 30},
          {30, 75, 35},
          {150, 110, 60},
          3.5,
          5,
          0.2,
          0.0,
          0.6,
          0.0,
          0.1,
          0.5,
          15}}, // a reddish midrib
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: burgeon_make_textures OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::string folder = argv[1];
        burgeon::writeBmpFile(burgeon::joinPath(folder, "grass1.bmp"), grassTexture());
        for (const NamedTexture& texture : leafTextures()) {
            burgeon::writeBmpFile(burgeon::joinPath(folder, texture.fileName),
                                  leafTexture(texture.style));
        }
        std::cout << "wrote 15 textures to " << folder << "\n";
    } catch (const std::exception& error) {
        std::cerr << "burgeon_make_textures: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
