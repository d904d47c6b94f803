// Writes the leaf textures of the gallery plants, one 128 x 128, 24-bit bitmap per plant, into
// the folder of the gallery sessions. Usage: burgeon_make_gallery_textures OUTPUT_FOLDER

#include "base/FileIo.h"
#include "imageio/BmpWriter.h"
#include "tools/TexturePainting.h"

#include <iostream>
#include <vector>

namespace {

using namespace burgeon::tools;

struct NamedTexture {
    const char* fileName;
    LeafStyle style;
};

LeafStyle style(Color base, Color margin, Color vein, std::uint32_t seed) {
    LeafStyle s;
    s.base = base;
    s.margin = margin;
    s.vein = vein;
    s.seed = seed;
    return s;
}

std::vector<NamedTexture> galleryTextures() {
    // Soybean: a matt mid-green leaflet with pinnate veins curving towards the tip.
    LeafStyle soybean = style({80, 135, 48}, {105, 155, 60}, {150, 190, 105}, 21);
    soybean.veinSpacing = 15.0;
    soybean.veinRise = 0.7;
    soybean.veinCurve = 0.5;
    soybean.net = 0.3;
    soybean.mottling = 0.25;
    // Rosette plant: grey-green with a broad pale midrib and few faint veins.
    LeafStyle rosette = style({72, 118, 58}, {95, 140, 72}, {175, 205, 150}, 22);
    rosette.midribWidth = 3.5;
    rosette.veinSpacing = 24.0;
    rosette.veinRise = 1.1;
    rosette.veinWidth = 0.8;
    rosette.mottling = 0.15;
    // Shrub: dark, leathery and glossy, the veins barely showing.
    LeafStyle shrub = style({34, 82, 36}, {48, 100, 44}, {95, 140, 85}, 23);
    shrub.midribWidth = 2.5;
    shrub.veinSpacing = 11.0;
    shrub.veinRise = 0.9;
    shrub.veinWidth = 0.7;
    shrub.mottling = 0.12;
    shrub.gloss = 0.4;
    // Herb: bright green with deep veins arching towards the tip and a fine net between.
    LeafStyle herb = style({78, 158, 58}, {105, 180, 75}, {55, 115, 40}, 24);
    herb.veinSpacing = 14.0;
    herb.veinRise = 0.6;
    herb.veinCurve = 0.9;
    herb.veinWidth = 1.4;
    herb.net = 0.25;
    herb.gloss = 0.2;
    return {{"soybean-leaf.bmp", soybean},
            {"primula-leaf.bmp", rosette},
            {"azalea-leaf.bmp", shrub},
            {"basil-leaf.bmp", herb}};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: burgeon_make_gallery_textures OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::vector<NamedTexture> textures = galleryTextures();
        for (const NamedTexture& texture : textures) {
            burgeon::writeBmpFile(burgeon::joinPath(argv[1], texture.fileName),
                                  leafTexture(texture.style));
        }
        std::cout << "wrote " << textures.size() << " leaf textures to " << argv[1] << "\n";
    } catch (const std::exception& error) {
        std::cerr << "burgeon_make_gallery_textures: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
