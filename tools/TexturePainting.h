#pragma once

// Painting of the example textures: tiling value noise and a leaf seen from above with its
// venation, on 128 x 128 pictures.

#include "imageio/RgbImage.h"

#include <cstdint>

namespace burgeon::tools {

constexpr int TextureSide = 128;

struct Color {
    double r = 0, g = 0, b = 0;
};

Color mix(const Color& a, const Color& b, double amount);
Color scaled(const Color& c, double factor);
RgbColor toPixel(const Color& c);

// Smooth value noise in 0..1 that repeats every TextureSide pixels, so textures tile.
double valueNoise(double x, double y, int cells, std::uint32_t seed);

// Three octaves of value noise.
double layeredNoise(double x, double y, std::uint32_t seed);

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

RgbImage leafTexture(const LeafStyle& style);

} // namespace burgeon::tools
