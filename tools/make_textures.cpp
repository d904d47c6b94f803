// Writes the example texture bitmaps: "grass1.bmp" for the ground and fourteen leaf textures
// with procedural venation, all 128 x 128, 24-bit. Usage: burgeon_make_textures OUTPUT_FOLDER

#include "base/FileIo.h"
#include "imageio/BmpWriter.h"
#include "tools/TexturePainting.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

namespace {

using burgeon::RgbImage;
using namespace burgeon::tools;

constexpr int Side = TextureSide;

// Blades of grass in several greens over dark soil-green, wrapping at the edges so that the
// ground's eightfold repeat shows no seams.
RgbImage grassTexture() {
    RgbImage image(Side, Side);
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
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
        const int x0 = next(Side);
        const int y0 = next(Side);
        const int length = 8 + next(22);
        const double slant = (next(200) - 100) / 250.0;
        const Color colour{40.0 + next(60), 110.0 + next(90), 30.0 + next(40)};
        for (int step = 0; step < length; ++step) {
            const double fade = 0.75 + 0.25 * step / length;
            const int x = static_cast<int>(std::lround(x0 + slant * step));
            const int y = y0 - step;
            image.setPixel(((x % Side) + Side) % Side, ((y % Side) + Side) % Side,
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
    // clang-format off
    return {
        {"leaf.bmp", {green, {110, 180, 70}, {170, 210, 120}, 2.0, 16, 0.8, 0.0, 1.2, 0.0, 0.2}},
        {"leaf3.bmp", {{50, 120, 40}, {80, 150, 60}, {140, 190, 100}, 2.5, 12, 1.0, 0.3, 1.0, 0.25, 0.25, 0.0, 3}},
        {"leaf4.bmp", {{90, 160, 60}, {150, 200, 80}, {200, 230, 150}, 1.5, 20, 0.5, 0.6, 1.4, 0.0, 0.15, 0.0, 4}},
        {"leaf5.bmp", {{40, 100, 45}, {60, 130, 60}, {110, 170, 110}, 2.0, 10, 1.2, 0.0, 0.9, 0.3, 0.3, 0.2, 5}},
        {"leaf6.bmp", {{110, 150, 40}, {170, 190, 60}, {210, 220, 140}, 2.5, 18, 0.6, 0.2, 1.5, 0.0, 0.2, 0.0, 6}},
        {"leaf7.bmp", {{60, 140, 70}, {90, 170, 90}, {150, 210, 150}, 1.8, 14, 1.5, 0.0, 1.0, 0.4, 0.2, 0.0, 7}},
        {"leaf8.bmp", {{130, 100, 40}, {170, 120, 40}, {200, 170, 100}, 2.0, 15, 0.9, 0.2, 1.2, 0.2, 0.3, 0.0, 8}}, // an autumn leaf
        {"leaf9.bmp", {{80, 170, 80}, {200, 230, 170}, {220, 240, 200}, 2.0, 16, 0.8, 0.1, 1.1, 0.0, 0.1, 0.0, 9}}, // pale margins
        {"leaf10.bmp", {{35, 85, 35}, {50, 110, 45}, {90, 140, 80}, 3.0, 22, 0.4, 0.8, 1.6, 0.2, 0.2, 0.3, 10}},
        {"leaf11.bmp", {{120, 40, 60}, {150, 60, 80}, {200, 120, 140}, 2.0, 13, 1.0, 0.2, 1.1, 0.2, 0.25, 0.1, 11}}, // a purple leaf
        {"soybean1.bmp", {{85, 140, 50}, {110, 160, 60}, {150, 190, 110}, 2.2, 17, 0.7, 0.4, 1.0, 0.5, 0.3, 0.0, 12}},
        {"rubber1.bmp", {{25, 80, 35}, {35, 100, 45}, {90, 140, 90}, 3.0, 5, 0.25, 0.0, 0.6, 0.0, 0.1, 0.45, 13}},
        {"rubber2.bmp", {{40, 95, 40}, {60, 120, 50}, {130, 170, 110}, 2.5, 6, 0.3, 0.0, 0.7, 0.0, 0.15, 0.35, 14}},
        {"rubber3.bmp", {{20, 60, 30}, {30, 75, 35}, {150, 110, 60}, 3.5, 5, 0.2, 0.0, 0.6, 0.0, 0.1, 0.5, 15}}, // a reddish midrib
    };
    // clang-format on
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
