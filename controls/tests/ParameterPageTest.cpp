#include "controls/ParameterPage.h"

#include "base/RecordingUserInterface.h"

#include <gtest/gtest.h>

namespace burgeon {
namespace {

struct ParameterPageTest : ::testing::Test {
    PlantParameters parameters;
    RecordingUserInterface ui;
    ParameterPage page{parameters, ui};
};

TEST_F(ParameterPageTest, DefaultsMatchTheStoredDefaults) {
    PlantParameters derived;
    derived.TurnStep = 0.0f;
    derived.NodeLength = derived.NodeDiameter = derived.NodeBirthRate = 0.0;
    derived.PetioleLength = derived.ShortInternodeRatio = derived.TimeStep = 0.0;
    derived.PetioleBitAngle = 0.0f;
    ParameterPage fresh{derived, ui};
    fresh.deriveStoredParameters();
    EXPECT_EQ(derived.TurnStep, 45.0f);
    EXPECT_EQ(derived.NodeLength, 0.35);
    EXPECT_EQ(derived.NodeDiameter, 1.0);
    EXPECT_EQ(derived.NodeBirthRate, 5.0);
    EXPECT_EQ(derived.PetioleLength, 0.25);
    EXPECT_EQ(derived.PetioleBitAngle, 0.79f);
    EXPECT_EQ(derived.ShortInternodeRatio, 0.1);
    EXPECT_EQ(derived.ShortInternodeDiameter, 0.8);
    EXPECT_EQ(derived.ShortPetioleRatio, 0.1);
    EXPECT_EQ(derived.ShortPetioleDiameter, 0.8);
    EXPECT_EQ(derived.TimeStep, 0.25);
    EXPECT_EQ(ui.statusText, "") << "deriving shows no status text";

    const SliderHeldParameters held = page.sliderHeld();
    EXPECT_EQ(held.InternodeLengthReduce, 1.0);
    EXPECT_EQ(held.PetioleLengthReduce, 1.0);
    EXPECT_EQ(held.InternodeDiameterReduce, 0.9);
    EXPECT_EQ(held.PetioleDiameterReduce, 0.9);
    EXPECT_EQ(held.LeafReduce, 0.95);
    EXPECT_EQ(held.FlowerReduce, 0.95);
    EXPECT_EQ(held.Wind, 5);
}

TEST_F(ParameterPageTest, StoringSlidersNarrowAndShowTheStoredDigits) {
    page.petioleAngleSlider.setPosition(-720);
    EXPECT_EQ(parameters.TurnStep, -72.0f);
    EXPECT_EQ(ui.statusText, "Petiole Angle = -72");
    page.petioleAngleSlider.setPosition(43);
    EXPECT_EQ(ui.statusText, "Petiole Angle = 4.30000019073486");
    page.petioleAngleSlider.setPosition(5000);
    EXPECT_EQ(page.petioleAngleSlider.position(), 720) << "clamped to the range";
    EXPECT_EQ(ui.statusText, "Petiole Angle = 72");

    page.petioleBitAngleSlider.setPosition(80);
    page.petioleBitAngleSlider.setPosition(79);
    EXPECT_EQ(ui.statusText, "Petiole BitAngle = 0.790000021457672");
    page.petioleBitAngleSlider.setPosition(-10000);
    EXPECT_EQ(parameters.PetioleBitAngle, -100.0f);

    page.stemLengthSlider.setPosition(36);
    page.stemLengthSlider.setPosition(35);
    EXPECT_EQ(ui.statusText, "Node Length = 0.35");
    page.nodeDiameterSlider.setPosition(100);
    EXPECT_EQ(parameters.NodeDiameter, 10.0);
    EXPECT_EQ(ui.statusText, "Node Diamter = 10");
    page.nodeBirthRateSlider.setPosition(7);
    EXPECT_EQ(ui.statusText, "Node Birth Rate = 0.7");
    page.petioleLengthSlider.setPosition(300);
    EXPECT_EQ(ui.statusText, "Petiole Length = 3");
    page.shortInternodeRatioSlider.setPosition(1);
    EXPECT_EQ(ui.statusText, "Short Internode Ratio = 0.01");
    page.shortInternodeDiameterSlider.setPosition(100);
    EXPECT_EQ(ui.statusText, "Short Internode Diameter = 1");
    page.shortPetioleRatioSlider.setPosition(33);
    EXPECT_EQ(ui.statusText, "Short Petiole Ratio = 0.33");
    page.shortPetioleDiameterSlider.setPosition(5);
    EXPECT_EQ(ui.statusText, "Short Petiole Diameter = 0.05");
    page.timeStepSlider.setPosition(100);
    EXPECT_EQ(parameters.TimeStep, 1.0);
    EXPECT_EQ(ui.statusText, "Time Step Zize = 1");

    ui.statusText.clear();
    page.timeStepSlider.setPosition(100);
    EXPECT_EQ(ui.statusText, "") << "an unchanged position runs no handler";
}

TEST_F(ParameterPageTest, SliderHeldFactorsAreReadFromTheSliders) {
    page.internodeDiameterReduceSlider.setPosition(50);
    EXPECT_EQ(ui.statusText, "InterNode Reduce = 0.5");
    page.petioleDiameterReduceSlider.setPosition(100);
    EXPECT_EQ(ui.statusText, "Petiole Reduce = 1");
    page.leafReduceSlider.setPosition(105);
    EXPECT_EQ(ui.statusText, "Leaf Reduce = 1.05");
    page.flowerReduceSlider.setPosition(104);
    EXPECT_EQ(ui.statusText, "Flower Reduce = 1.04");
    page.internodeLengthReduceSlider.setPosition(500);
    EXPECT_EQ(ui.statusText, "InterNode Length Reduce = 5");
    page.petioleLengthReduceSlider.setPosition(51);
    EXPECT_EQ(ui.statusText, "Petiole Length Reduce = 0.51");
    ui.statusText.clear();
    page.windSlider.setPosition(1);
    EXPECT_EQ(ui.statusText, "") << "Wind shows nothing";

    EXPECT_EQ(page.InternodeDiameterReduce(), 0.5);
    EXPECT_EQ(page.PetioleDiameterReduce(), 1.0);
    EXPECT_EQ(page.LeafReduce(), 1.05);
    EXPECT_EQ(page.FlowerReduce(), 1.04);
    EXPECT_EQ(page.InternodeLengthReduce(), 5.0);
    EXPECT_EQ(page.PetioleLengthReduce(), 0.51);
    EXPECT_EQ(page.Wind(), 1);
    const PlantParameters untouched;
    EXPECT_EQ(parameters.NodeLength, untouched.NodeLength) << "reductions store nothing";
}

TEST_F(ParameterPageTest, LeafArrangementPerturbsTheLeafAnglesAndAccumulates) {
    OrganPlacement placement;
    RandomSource random(7);
    page.attachLeafArrangement(placement, random);

    // The same draws, done by hand: angle -= (a - b) / 10 for X, Y, Z in turn.
    RandomSource expectedDraws(7);
    OrganPlacement expected;
    for (int p : {20, 1, 50, 3}) {
        page.leafArrangementSlider.setPosition(p);
        for (float* angle : {&expected.LeafAngleX, &expected.LeafAngleY, &expected.LeafAngleZ}) {
            const int a = expectedDraws.uniformInt(p);
            const int b = expectedDraws.uniformInt(p);
            *angle = static_cast<float>(*angle - (a - b) / 10.0);
        }
    }
    EXPECT_EQ(placement.LeafAngleX, expected.LeafAngleX);
    EXPECT_EQ(placement.LeafAngleY, expected.LeafAngleY);
    EXPECT_EQ(placement.LeafAngleZ, expected.LeafAngleZ);
    EXPECT_NE(placement.LeafAngleX, OrganPlacement{}.LeafAngleX) << "the moves left a trace";

    // At position 1 both draws are 0: nothing moves.
    const OrganPlacement before = placement;
    page.leafArrangementSlider.setPosition(2);
    const OrganPlacement atTwo = placement;
    page.leafArrangementSlider.setPosition(1);
    EXPECT_EQ(placement.LeafAngleX, atTwo.LeafAngleX);
    EXPECT_EQ(placement.LeafAngleY, atTwo.LeafAngleY);
    EXPECT_EQ(placement.LeafAngleZ, atTwo.LeafAngleZ);
    EXPECT_EQ(placement.LeafSizeX, before.LeafSizeX);
    EXPECT_EQ(ui.statusText, "") << "Leaf Arrangement shows nothing";
}

} // namespace
} // namespace burgeon
