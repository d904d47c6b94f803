#include "pages/MaterialPage.h"

#include "base/RecordingUserInterface.h"
#include "imageio/BmpWriter.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;

namespace {

class MaterialPageTest : public ::testing::Test {
protected:
    RecordingUserInterface ui;
    MaterialSet materials;
    LeafTextures textures;
    MaterialPage page{ui, materials, textures};
};

} // namespace

TEST_F(MaterialPageTest, StartsWithTheFormDefaultsNotReflectingAnySlot) {
    EXPECT_EQ(page.colorPanel.color, (RgbColor{50, 200, 50}));
    EXPECT_EQ(page.colorPanel.caption(), "Color");
    EXPECT_EQ(page.greenBar.position(), 150);
    EXPECT_EQ(page.redBox.position(), 0);
    EXPECT_TRUE(page.internodeSlotButton.checked());
    EXPECT_EQ(page.internodeSwatch.color, (RgbColor{255, 155, 50}));
    EXPECT_EQ(materials.internodeColor, (RgbColor{255, 150, 50}));
    EXPECT_EQ(page.textureList.text(), "Select Leaf Texture");
    ASSERT_EQ(page.textureList.items().size(), 15u);
    EXPECT_EQ(page.textureList.items()[14], "Leaf Texture 15");
    // Clicking the slot that is already checked does nothing.
    page.internodeSlotButton.setChecked(true);
    EXPECT_EQ(materials.internodeColor, (RgbColor{255, 150, 50}));
    EXPECT_EQ(page.redBar.position(), 50);
}

TEST_F(MaterialPageTest, ScrollBarsStoreIntoTheCheckedSlotAndMirrorTheSpinBoxes) {
    page.landSlotButton.setChecked(true); // "Land": the bars take its preview colour
    EXPECT_FALSE(page.internodeSlotButton.checked());
    EXPECT_EQ(materials.landColor, (RgbColor{40, 130, 40}));
    page.greenBar.setPosition(0);
    EXPECT_EQ(materials.landColor, (RgbColor{40, 0, 40}));
    EXPECT_EQ(page.landSwatch.color, (RgbColor{40, 0, 40}));
    EXPECT_EQ(page.colorPanel.color, (RgbColor{40, 0, 40}));
    EXPECT_EQ(page.redBox.position(), 40);
    EXPECT_EQ(page.greenBox.position(), 0);
    EXPECT_EQ(page.blueBox.position(), 40);

    // A spin box moves its scroll bar, which stores the colour once; nothing loops.
    int stores = 0;
    page.landSwatch.views.subscribe([&] { ++stores; });
    page.blueBox.setPosition(300);
    EXPECT_EQ(page.blueBar.position(), 255);
    EXPECT_EQ(materials.landColor, (RgbColor{40, 0, 255}));
    EXPECT_EQ(stores, 1);

    // "BackGround" then a red move changes the background slot only.
    page.backgroundSlotButton.setChecked(true);
    page.redBar.setPosition(9);
    EXPECT_EQ(materials.backgroundColor, (RgbColor{9, 0, 0}));
    EXPECT_EQ(materials.landColor, (RgbColor{40, 0, 255}));
}

TEST_F(MaterialPageTest, ChoosingASlotPassesThroughMixedColoursToItsPreviewColour) {
    std::vector<RgbColor> petiole;
    page.petioleSwatch.views.subscribe([&] { petiole.push_back(materials.petioleColor); });
    page.petioleSlotButton.setChecked(true);
    // Bars 50, 150, 50 to the preview 255, 155, 50: new red first, then new green.
    EXPECT_EQ(petiole, (std::vector<RgbColor>{{255, 150, 50}, {255, 155, 50}}));
    EXPECT_EQ(materials.petioleColor, (RgbColor{255, 155, 50}));

    // Coming back to "Internode" stores its preview colour, not the stored default.
    page.frontLeafSlotButton.setChecked(true);
    EXPECT_EQ(materials.frontLeafColor, (RgbColor{50, 255, 50}));
    page.internodeSlotButton.setChecked(true);
    EXPECT_EQ(materials.internodeColor, (RgbColor{255, 155, 50}));
    EXPECT_EQ(page.redBox.position(), 255);
}

TEST_F(MaterialPageTest, ColourDialogSetsTheBarsFromThePanelConfirmedOrNot) {
    ui.colorAnswers.push_back(std::nullopt);
    page.chooseColor();
    EXPECT_EQ(materials.internodeColor, (RgbColor{50, 200, 50}));
    EXPECT_EQ(page.internodeSwatch.color, (RgbColor{50, 200, 50}));

    ui.colorAnswers.push_back(RgbColor{10, 20, 30});
    page.chooseColor();
    EXPECT_EQ(page.colorPanel.color, (RgbColor{10, 20, 30}));
    EXPECT_EQ(materials.internodeColor, (RgbColor{10, 20, 30}));
    EXPECT_EQ(page.blueBar.position(), 30);

    // With no slot checked only the spin boxes and the colour panel follow.
    page.internodeSlotButton.setChecked(false);
    ui.colorAnswers.push_back(RgbColor{1, 2, 3});
    page.chooseColor();
    EXPECT_EQ(page.greenBox.position(), 2);
    EXPECT_EQ(materials.internodeColor, (RgbColor{10, 20, 30}));
    EXPECT_EQ(MaterialSet{}.petioleColor, materials.petioleColor);
}

TEST_F(MaterialPageTest, TextureControlsLoadIntoTheSlotsFromTheCurrentFolder) {
    page.leafTextureCheck.setChecked(false);
    EXPECT_FALSE(page.textureList.visible());
    EXPECT_FALSE(page.textureButton.visible());
    EXPECT_FALSE(textures.texturesEnabled);
    page.leafTextureCheck.setChecked(true);
    EXPECT_TRUE(page.textureList.visible());
    EXPECT_TRUE(textures.texturesEnabled);

    const burgeon::testing::TempFolder folder;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    writeBmpFile("leaf.bmp", RgbImage(4, 2));
    writeBmpFile("picked.bmp", RgbImage(8, 8));

    page.textureList.choose(1); // "Leaf Texture 2" is "leaf.bmp"
    EXPECT_EQ(textures.leafTextureCount, 2);
    ASSERT_TRUE(textures.slots[1].image);
    EXPECT_EQ(textures.slots[1].image->width, 4);

    page.textureList.choose(0); // "grass1.bmp" is not in this folder: a slot without a picture
    EXPECT_EQ(textures.leafTextureCount, 2);
    EXPECT_FALSE(textures.slots[1].image);

    page.textureList.typeText("leaf.bmp");
    EXPECT_EQ(textures.slots[1].generation, 2u);

    ui.pictureAnswers.push_back(std::nullopt);
    page.openTextureFile();
    EXPECT_EQ(textures.leafTextureCount, 2);
    ui.pictureAnswers.push_back("picked.bmp");
    page.openTextureFile();
    EXPECT_EQ(textures.leafTextureCount, 3);
    ASSERT_TRUE(textures.slots[2].image);
    EXPECT_EQ(textures.slots[2].image->width, 8);
    EXPECT_EQ(page.textureButton.pictureFile, "picked.bmp");
    EXPECT_TRUE(ui.messages.empty());

    std::filesystem::current_path(previous);
}

// A plant opened from a file names its texture: a built-in one as its item, another by its
// file's name; without one the list asks for one.
TEST_F(MaterialPageTest, ShowingMaterialsNamesTheCurrentTexture) {
    textures.leafTextureCount = 1;
    textures.slots[0].fileName = "/plants/leaf3.bmp";
    page.showMaterials();
    EXPECT_EQ(page.textureList.itemIndex(), 2);
    EXPECT_EQ(page.textureList.text(), "Leaf Texture 3");
    EXPECT_EQ(page.textureButton.pictureFile, "/plants/leaf3.bmp");

    textures.slots[0].fileName = "/plants/soybean-leaf.bmp";
    page.showMaterials();
    EXPECT_EQ(page.textureList.itemIndex(), -1);
    EXPECT_EQ(page.textureList.text(), "soybean-leaf.bmp");

    textures.leafTextureCount = 0;
    page.showMaterials();
    EXPECT_EQ(page.textureList.text(), "Select Leaf Texture");
    EXPECT_EQ(page.textureButton.pictureFile, "");
    EXPECT_TRUE(ui.messages.empty());
}
