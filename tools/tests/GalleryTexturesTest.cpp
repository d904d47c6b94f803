#include "tools/GalleryTextures.h"

#include <gtest/gtest.h>

#include <string>

using namespace burgeon;
using namespace burgeon::tools;

namespace {

struct MeanColor {
    double red = 0, green = 0, blue = 0;
};

MeanColor meanColor(const RgbImage& image) {
    MeanColor mean;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const RgbColor pixel = image.pixel(x, y);
            mean.red += pixel.red;
            mean.green += pixel.green;
            mean.blue += pixel.blue;
        }
    }
    const double count = image.width() * image.height();
    return {mean.red / count, mean.green / count, mean.blue / count};
}

} // namespace

TEST(GalleryTextures, OneGreenLeafTexturePerPlantTheShrubsTheDarkest) {
    const auto textures = galleryTextures();
    ASSERT_EQ(textures.size(), 4u);
    const char* plants[] = {"soybean", "primula", "azalea", "basil"};
    double brightness[4] = {};
    for (std::size_t i = 0; i < textures.size(); ++i) {
        EXPECT_EQ(std::string(textures[i].fileName), std::string(plants[i]) + "-leaf.bmp");
        const RgbImage image = leafTexture(textures[i].style);
        ASSERT_EQ(image.width(), TextureSide);
        ASSERT_EQ(image.height(), TextureSide);
        const MeanColor mean = meanColor(image);
        EXPECT_GT(mean.green, mean.red + 20) << plants[i];
        EXPECT_GT(mean.green, mean.blue + 20) << plants[i];
        brightness[i] = mean.red + mean.green + mean.blue;
    }
    for (const std::size_t other : {0u, 1u, 3u}) {
        EXPECT_LT(brightness[2], brightness[other]) << plants[other];
    }
}
