#include "tools/GalleryTextures.h"

namespace burgeon::tools {

namespace {

LeafStyle style(Color base, Color margin, Color vein, std::uint32_t seed) {
    LeafStyle s;
    s.base = base;
    s.margin = margin;
    s.vein = vein;
    s.seed = seed;
    return s;
}

} // namespace

std::vector<NamedTexture> galleryTextures() {
    // Soybean: a matt mid-green leaflet with pinnate veins curving towards the tip.
    LeafStyle soybean = style({80, 135, 48}, {105, 155, 60}, {150, 190, 105}, 21);
    soybean.veinSpacing = 15.0;
    soybean.veinRise = 0.7;
    soybean.veinCurve = 0.5;
    soybean.net = 0.3;
    soybean.mottling = 0.25;
    // Primula: grey-green with a broad pale midrib and few faint veins.
    LeafStyle primula = style({72, 118, 58}, {95, 140, 72}, {175, 205, 150}, 22);
    primula.midribWidth = 3.5;
    primula.veinSpacing = 24.0;
    primula.veinRise = 1.1;
    primula.veinWidth = 0.8;
    primula.mottling = 0.15;
    // Azalea: dark, leathery and glossy, the veins barely showing.
    LeafStyle azalea = style({44, 98, 42}, {60, 118, 52}, {110, 155, 95}, 23);
    azalea.midribWidth = 2.5;
    azalea.veinSpacing = 11.0;
    azalea.veinRise = 0.9;
    azalea.veinWidth = 0.7;
    azalea.mottling = 0.12;
    azalea.gloss = 0.4;
    // Basil: bright green with deep veins arching towards the tip and a fine net between.
    LeafStyle basil = style({78, 158, 58}, {105, 180, 75}, {55, 115, 40}, 24);
    basil.veinSpacing = 14.0;
    basil.veinRise = 0.6;
    basil.veinCurve = 0.9;
    basil.veinWidth = 1.4;
    basil.net = 0.25;
    basil.gloss = 0.2;
    return {{"soybean-leaf.bmp", soybean},
            {"primula-leaf.bmp", primula},
            {"azalea-leaf.bmp", azalea},
            {"basil-leaf.bmp", basil}};
}

} // namespace burgeon::tools
