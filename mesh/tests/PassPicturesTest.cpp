#include "mesh/PassPictures.h"

#include <gtest/gtest.h>

using namespace burgeon;

namespace {

TEST(PassPictures, LeavesTakeTheLastSlotOrTheLandAndNothingWhenTexturesAreOff) {
    LeafTextures textures;
    BitmapPixels land;
    land.width = land.height = 1;
    EXPECT_EQ(leafPassPicture(textures, &land), &land) << "no slot loaded yet";
    textures.slots[0].image = BitmapPixels{2, 2, {}};
    textures.slots[1].image = BitmapPixels{3, 3, {}};
    textures.leafTextureCount = 2;
    EXPECT_EQ(leafPassPicture(textures, &land), &*textures.slots[1].image);
    textures.slots[1].image.reset();
    EXPECT_EQ(leafPassPicture(textures, &land), nullptr) << "a file that could not be read";
    textures.leafTextureCount = 1;
    textures.texturesEnabled = false;
    EXPECT_EQ(leafPassPicture(textures, &land), nullptr);
    EXPECT_EQ(landPassPicture(textures, &land), nullptr);
    textures.texturesEnabled = true;
    EXPECT_EQ(landPassPicture(textures, &land), &land);
}

} // namespace
