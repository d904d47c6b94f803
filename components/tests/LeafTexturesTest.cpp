#include "components/LeafTextures.h"

#include "base/FileIo.h"
#include "components/ShapeLibraryReader.h"

#include "imageio/BmpWriter.h"
#include "testing/FolderTest.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;

namespace {

class LeafTexturesTest : public burgeon::testing::FolderTest {
protected:
    // A texture file whose width tells which one it is.
    std::string textureFile(int width) {
        std::string fileName = (folder / ("t" + std::to_string(width) + ".bmp")).string();
        writeBmpFile(fileName, RgbImage(width, 2));
        return fileName;
    }

    LeafTextures textures;
};

} // namespace

TEST_F(LeafTexturesTest, PictureLoadsFillTheTenSlotsThenReuseTheLast) {
    for (int load = 1; load <= 10; ++load) {
        EXPECT_EQ(loadLeafTexture(textures, textureFile(load)), load - 1);
        EXPECT_EQ(textures.leafTextureCount, load);
    }
    for (std::size_t slot = 0; slot < 10; ++slot) {
        ASSERT_TRUE(textures.slots[slot].image);
        EXPECT_EQ(textures.slots[slot].image->width, static_cast<int>(slot) + 1);
        EXPECT_EQ(textures.slots[slot].generation, 1u);
    }
    // The eleventh and twelfth loads reuse slot 9; nothing is written past the table.
    EXPECT_EQ(loadLeafTexture(textures, textureFile(11)), 9);
    EXPECT_EQ(loadLeafTexture(textures, textureFile(12)), 9);
    EXPECT_EQ(textures.leafTextureCount, 10);
    EXPECT_EQ(textures.slots[9].image->width, 12);
    EXPECT_EQ(textures.slots[9].generation, 3u);
    EXPECT_EQ(textures.slots[8].image->width, 9);
}

TEST_F(LeafTexturesTest, TheListReusesSlotOneAndUnreadableFilesLeaveNoPicture) {
    for (int choice = 1; choice <= 3; ++choice) {
        EXPECT_EQ(loadListLeafTexture(textures, textureFile(choice)), 1);
        EXPECT_EQ(textures.leafTextureCount, 2);
    }
    EXPECT_EQ(textures.slots[1].image->width, 3);
    EXPECT_EQ(textures.slots[1].generation, 3u);
    EXPECT_FALSE(textures.slots[0].image);
    EXPECT_EQ(textures.slots[0].generation, 0u);

    // A picture load after the list takes the next slot.
    EXPECT_EQ(loadLeafTexture(textures, textureFile(7)), 2);

    // A missing file or an 8-bit one: the slot is taken but holds no picture.
    EXPECT_EQ(loadLeafTexture(textures, (folder / "missing.bmp").string()), 3);
    EXPECT_FALSE(textures.slots[3].image);
    EXPECT_EQ(textures.slots[3].generation, 1u);
    EXPECT_EQ(loadListLeafTexture(textures, (folder / "missing.bmp").string()), 1);
    EXPECT_FALSE(textures.slots[1].image);
    EXPECT_EQ(textures.leafTextureCount, 2);
}

TEST(ExampleFiles, EveryBuiltInTextureIsA128By128Bitmap) {
    for (const char* fileName : BuiltInLeafTextureFiles) {
        const auto pixels = readBitmapFile(burgeon::testing::exampleFile(fileName));
        ASSERT_TRUE(pixels) << fileName;
        EXPECT_EQ(pixels->width, 128) << fileName;
        EXPECT_EQ(pixels->height, 128) << fileName;
    }
}

TEST(ExampleFiles, TheShapeLibraryHoldsLeavesAndPetalsWithinTheLimits) {
    std::vector<OrganShape> entries;
    readShapeLibrary(readFileText(burgeon::testing::exampleFile("shapes/plant-shapes.txt")),
                     entries);
    int leaves = 0;
    int petals = 0;
    for (const OrganShape& shape : entries) {
        leaves += shape.name.ends_with(" leaf") ? 1 : 0;
        petals += shape.name.ends_with(" petal") ? 1 : 0;
        EXPECT_GT(shape.triangleCount, 0) << shape.name;
        std::array<int, MaxShapePoints + 1> uses{};
        for (std::size_t k = 1; k <= static_cast<std::size_t>(shape.triangleCount); ++k) {
            for (const std::int32_t corner : shape.triangles[k]) {
                ++uses[static_cast<std::size_t>(corner)];
            }
        }
        for (std::size_t k = 1; k <= static_cast<std::size_t>(shape.pointCount); ++k) {
            EXPECT_GE(uses[k], 1) << shape.name << " point " << k;
            EXPECT_LE(uses[k], 20) << shape.name << " point " << k;
        }
    }
    EXPECT_GE(leaves, 5);
    EXPECT_GE(petals, 3);
}
