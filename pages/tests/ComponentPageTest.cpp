#include "pages/ComponentPage.h"

#include "base/OutputFiles.h"
#include "base/RecordingUserInterface.h"
#include "testing/FolderTest.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;

namespace {

const char* const TwoLeaves = "name=Oval leaf\n"
                              "source=1\n"
                              "point=0 0 0\n"
                              "point=10 25.5 0\n"
                              "point=-10 25.5 0\n"
                              "triangle=1 2 3\n"
                              "name=Square\n"
                              "source=2\n"
                              "point=0 0 0\n"
                              "point=10 0 0\n"
                              "point=10 20 0\n"
                              "point=0 20 0\n"
                              "triangle=1 2 3\n"
                              "triangle=1 3 4\n";

class ComponentPageTest : public burgeon::testing::FolderTest {
protected:
    std::string writeLibrary(const std::string& name, const std::string& text) {
        std::string fileName = (folder / name).string();
        writeFileAtomically(fileName, text);
        return fileName;
    }

    void open(const std::optional<std::string>& fileName) {
        ui.fileAnswers.push_back(fileName);
        page.openLibrary();
    }

    RecordingUserInterface ui;
    ShapeLibrary library;
    OrganPlacement placement;
    OrganSurface leaf;
    OrganSurface flower;
    ComponentPage page{ui, library, placement, leaf, flower};
};

bool hasBlue(const RgbImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == RgbColor{0, 0, 255}) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST_F(ComponentPageTest, StartsInLeafModeWithItsDefaults) {
    EXPECT_TRUE(page.leafSurfaceButton.checked());
    EXPECT_FALSE(page.flowerSurfaceButton.checked());
    EXPECT_EQ(page.shapeList.text(), "No Library");
    EXPECT_EQ(page.shapeTypeLabel.caption(), "Select Leaf Type");
    EXPECT_FALSE(page.petalCountLabel.visible());
    EXPECT_FALSE(page.petalCountBox.visible());
    EXPECT_EQ(page.sizeDivisorBox.position(), 15);
    EXPECT_EQ(page.angleXSlider.position(), -60);
    EXPECT_EQ(page.leafPreview.picture.width(), 185);
    EXPECT_EQ(page.flowerPreview.picture.height(), 153);
}

TEST_F(ComponentPageTest, OpeningFillsTheListAndCancellingReadsTheHeldTextAgain) {
    open(writeLibrary("two.txt", TwoLeaves));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(page.shapeList.items(), (std::vector<std::string>{"Oval leaf", "Square"}));
    EXPECT_EQ(page.shapeList.text(), "Select Leaf Type");
    EXPECT_EQ(page.libraryText.text(), TwoLeaves);
    EXPECT_EQ(library.entryCount(), 2);
    EXPECT_EQ(library.rendererEntries.size(), 2u);
    EXPECT_EQ(library.entry(2).triangleCount, 2);

    page.chooseFlowerSurface();
    open(std::nullopt);
    EXPECT_EQ(page.shapeList.items(), (std::vector<std::string>{"Oval leaf", "Square"}));
    EXPECT_EQ(page.shapeList.text(), "Select Leaf Type"); // in either mode
    EXPECT_EQ(library.entryCount(), 2);

    // Cancelling before any file was read leaves an empty list.
    RecordingUserInterface otherUi;
    ShapeLibrary otherLibrary;
    ComponentPage fresh{otherUi, otherLibrary, placement, leaf, flower};
    otherUi.fileAnswers.push_back(std::nullopt);
    fresh.openLibrary();
    EXPECT_TRUE(fresh.shapeList.items().empty());
    EXPECT_TRUE(otherUi.messages.empty());
}

TEST_F(ComponentPageTest, AFailedReadingKeepsTheRenderersCopyAndLeavesTheListEmpty) {
    open(writeLibrary("two.txt", TwoLeaves));
    const std::string bad = writeLibrary("bad.txt", "name=A\npoint=0 0 0\nname=B\npoint=1 x 2\n");
    open(bad);
    EXPECT_EQ(ui.takeMessages(),
              (std::vector<std::string>{"'x' is not a valid floating point value"}));
    EXPECT_TRUE(page.shapeList.items().empty());
    EXPECT_EQ(library.entryCount(), 2); // the entries read before stay counted
    EXPECT_EQ(library.entry(1).name, "A");
    ASSERT_EQ(library.rendererEntries.size(), 2u);
    EXPECT_EQ(library.rendererEntry(1).name, "Oval leaf");

    open(writeLibrary("limit.txt", "name=A\npoint=0 0 0\ntriangle=1 1 9\n"));
    EXPECT_EQ(ui.takeMessages(),
              (std::vector<std::string>{"Shape library error in line 3: triangle refers to point "
                                        "9, but the entry has 1 point."}));
    EXPECT_TRUE(page.shapeList.items().empty());
    EXPECT_EQ(library.rendererEntry(2).name, "Square");

    // A file that cannot be opened changes nothing at all.
    open(writeLibrary("good.txt", TwoLeaves));
    const std::string missing = (folder / "missing.txt").string();
    open(missing);
    EXPECT_EQ(ui.takeMessages(), (std::vector<std::string>{"Cannot open file " + missing}));
    EXPECT_EQ(page.libraryText.text(), TwoLeaves);
    EXPECT_EQ(page.shapeList.items().size(), 2u);
    EXPECT_EQ(library.entryCount(), 2);
}

TEST_F(ComponentPageTest, ChoosingAnEntryMakesItTheSurfaceOfTheCheckedMode) {
    page.shapeList.typeText("Oval");
    EXPECT_EQ(ui.takeMessages(),
              (std::vector<std::string>{"No library, Please Open the Library."}));
    EXPECT_EQ(library.selectedLeafShape, 0);

    open(writeLibrary("two.txt", TwoLeaves));
    page.sizeDivisorBox.setPosition(20);
    page.shapeList.choose(1);
    EXPECT_EQ(ui.takeMessages(), (std::vector<std::string>{"Leaf number 2 was selected."}));
    EXPECT_EQ(library.selectedLeafShape, 2);
    EXPECT_EQ(library.selectedFlowerShape, 2);
    EXPECT_EQ(leaf.triangleCount, 2);
    EXPECT_EQ(leaf.points[3].y, 20.0f);
    EXPECT_EQ(leaf.triangles[2], (std::array<std::uint8_t, 3>{1, 3, 4}));
    EXPECT_EQ(leaf.shapeDivisor, 50.0f);
    EXPECT_DOUBLE_EQ(leaf.texCoords[3][0], 1.0); // the 10 x 20 square's far corner
    EXPECT_DOUBLE_EQ(leaf.texCoords[3][1], 0.0);
    EXPECT_NEAR(std::abs(leaf.normalsFront[1].z), 1.0, 1e-12);
    EXPECT_TRUE(hasBlue(page.leafPreview.picture));
    EXPECT_FALSE(hasBlue(page.flowerPreview.picture));
    EXPECT_EQ(flower.triangleCount, 0);

    // In flower mode the message still speaks of a leaf; only the flower surface changes.
    page.chooseFlowerSurface();
    page.sizeDivisorBox.setPosition(40); // the leaf divisor stays
    page.shapeList.choose(0);
    EXPECT_EQ(ui.takeMessages(), (std::vector<std::string>{"Leaf number 1 was selected."}));
    EXPECT_EQ(flower.triangleCount, 1);
    EXPECT_EQ(flower.shapeDivisor, 25.0f);
    EXPECT_EQ(leaf.triangleCount, 2);
    EXPECT_EQ(leaf.shapeDivisor, 50.0f);
    EXPECT_TRUE(hasBlue(page.flowerPreview.picture));

    // Typed text selects nothing and changes no surface.
    page.shapeList.typeText("Square");
    EXPECT_EQ(ui.takeMessages(),
              (std::vector<std::string>{"No library, Please Open the Library."}));
    EXPECT_EQ(library.selectedFlowerShape, 0);
    EXPECT_EQ(flower.triangleCount, 1);
}

TEST_F(ComponentPageTest, SlidersWriteTheFieldsOfTheCheckedModeWithTheirStatusTexts) {
    page.scaleXSlider.setPosition(33);
    EXPECT_EQ(placement.leafSizeX, 0.33f);
    EXPECT_EQ(ui.statusText, "Leaf Size in X-Axis = 0.330000013113022");
    page.angleZSlider.setPosition(-500);
    EXPECT_EQ(placement.leafAngleZ, -180.0f);
    EXPECT_EQ(ui.statusText, "Leaf Angle in Z-Axis = -180");

    page.petalCountBox.setPosition(12);
    page.chooseFlowerSurface();
    EXPECT_EQ(page.shapeTypeLabel.caption(), "Select Flower Type");
    EXPECT_EQ(page.sizeLabel.caption(), "Flower Size");
    EXPECT_EQ(page.scaleLabel.caption(), "Flower Scale");
    EXPECT_EQ(page.angleLabel.caption(), "Flower Angle");
    EXPECT_TRUE(page.petalCountLabel.visible());
    EXPECT_TRUE(page.petalCountBox.visible());
    EXPECT_EQ(placement.petalCount, 12);
    EXPECT_FALSE(placement.leafSurfaceMode);
    // The sliders show the flower values: 100, 75, 100 and 0, 0, 0.
    EXPECT_EQ(page.scaleXSlider.position(), 100);
    EXPECT_EQ(page.scaleYSlider.position(), 75);
    EXPECT_EQ(page.angleXSlider.position(), 0);
    EXPECT_EQ(page.angleZSlider.position(), 0);

    page.scaleYSlider.setPosition(150);
    EXPECT_EQ(placement.flowerSizeY, 1.5f);
    EXPECT_EQ(ui.statusText, "Flower Size in Y-Axis = 1.5");
    page.angleYSlider.setPosition(45);
    EXPECT_EQ(placement.flowerAngleY, 45.0f);
    EXPECT_EQ(ui.statusText, "Flower Angle in Y-Axis = 45");
    EXPECT_EQ(placement.leafSizeY, 0.75f);
    EXPECT_EQ(placement.leafAngleY, 0.0f);

    page.chooseLeafSurface();
    EXPECT_EQ(page.sizeLabel.caption(), "Leaf Size");
    EXPECT_FALSE(page.petalCountBox.visible());
    EXPECT_TRUE(placement.leafSurfaceMode);
    EXPECT_EQ(page.scaleXSlider.position(), 33);
    EXPECT_EQ(page.angleXSlider.position(), -60);
    EXPECT_EQ(page.angleZSlider.position(), -180);
    EXPECT_EQ(placement.flowerSizeY, 1.5f);

    // With neither radio button checked a slider changes nothing.
    page.leafSurfaceButton.setChecked(false);
    ui.statusText.clear();
    page.scaleZSlider.setPosition(5);
    EXPECT_EQ(placement.leafSizeZ, 1.0f);
    EXPECT_EQ(placement.flowerSizeZ, 1.0f);
    EXPECT_EQ(ui.statusText, "");
}

TEST_F(ComponentPageTest, ShowingTheWindowAppliesTheStoredMode) {
    placement.leafSurfaceMode = false;
    placement.flowerAngleX = 30.0f;
    page.applySurfaceMode();
    EXPECT_TRUE(page.flowerSurfaceButton.checked());
    EXPECT_FALSE(page.leafSurfaceButton.checked());
    EXPECT_EQ(page.angleXSlider.position(), 30);
    EXPECT_EQ(page.shapeTypeLabel.caption(), "Select Flower Type");

    placement.leafSurfaceMode = true;
    placement.leafAngleX = -61.4f; // a Leaf Arrangement move
    page.applySurfaceMode();
    EXPECT_EQ(page.angleXSlider.position(), -61);
    EXPECT_EQ(placement.leafAngleX, -61.0f);
    EXPECT_FALSE(page.petalCountBox.visible());
}

TEST_F(ComponentPageTest, NewSurfaceStartsTheDesignerOrSaysItCannot) {
    page.startSurfaceDesigner();
    EXPECT_EQ(ui.shellOpened, (std::vector<std::string>{"Folix.exe"}));
    EXPECT_TRUE(ui.messages.empty());
    ui.shellOpenSucceeds = false;
    page.startSurfaceDesigner();
    EXPECT_EQ(ui.takeMessages(),
              (std::vector<std::string>{"Cannot start the surface designer \"Folix.exe\"."}));
}
