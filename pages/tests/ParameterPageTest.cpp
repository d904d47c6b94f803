#include "pages/ParameterPage.h"

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
    derived.turnStep = 0.0f;
    derived.internodeLength = derived.nodeDiameter = derived.nodeBirthRate = 0.0;
    derived.petioleLength = derived.shortInternodeRatio = derived.timeStep = 0.0;
    derived.petioleBitAngle = 0.0f;
    ParameterPage fresh{derived, ui};
    fresh.deriveStoredParameters();
    EXPECT_EQ(derived.turnStep, 45.0f);
    EXPECT_EQ(derived.internodeLength, 0.35);
    EXPECT_EQ(derived.nodeDiameter, 1.0);
    EXPECT_EQ(derived.nodeBirthRate, 5.0);
    EXPECT_EQ(derived.petioleLength, 0.25);
    EXPECT_EQ(derived.petioleBitAngle, 0.79f);
    EXPECT_EQ(derived.shortInternodeRatio, 0.1);
    EXPECT_EQ(derived.shortInternodeDiameter, 0.8);
    EXPECT_EQ(derived.shortPetioleRatio, 0.1);
    EXPECT_EQ(derived.shortPetioleDiameter, 0.8);
    EXPECT_EQ(derived.timeStep, 0.25);
    EXPECT_EQ(ui.statusText, "") << "deriving shows no status text";

    EXPECT_EQ(derived.internodeLengthReduce, 1.0);
    EXPECT_EQ(derived.petioleLengthReduce, 1.0);
    EXPECT_EQ(derived.internodeDiameterReduce, 0.9);
    EXPECT_EQ(derived.petioleDiameterReduce, 0.9);
    EXPECT_EQ(derived.leafReduce, 0.95);
    EXPECT_EQ(derived.flowerReduce, 0.95);
    EXPECT_EQ(derived.wind, 5);
}

TEST_F(ParameterPageTest, StoringSlidersNarrowAndShowTheStoredDigits) {
    page.petioleAngleSlider.setPosition(-720);
    EXPECT_EQ(parameters.turnStep, -72.0f);
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
    EXPECT_EQ(parameters.petioleBitAngle, -100.0f);

    page.stemLengthSlider.setPosition(36);
    page.stemLengthSlider.setPosition(35);
    EXPECT_EQ(ui.statusText, "Node Length = 0.35");
    page.nodeDiameterSlider.setPosition(100);
    EXPECT_EQ(parameters.nodeDiameter, 10.0);
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
    EXPECT_EQ(parameters.timeStep, 1.0);
    EXPECT_EQ(ui.statusText, "Time Step Zize = 1");

    ui.statusText.clear();
    page.timeStepSlider.setPosition(100);
    EXPECT_EQ(ui.statusText, "") << "an unchanged position runs no handler";
}

TEST_F(ParameterPageTest, ReductionsAndWindFollowTheirSliders) {
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

    EXPECT_EQ(parameters.internodeDiameterReduce, 0.5);
    EXPECT_EQ(parameters.petioleDiameterReduce, 1.0);
    EXPECT_EQ(parameters.leafReduce, 1.05);
    EXPECT_EQ(parameters.flowerReduce, 1.04);
    EXPECT_EQ(parameters.internodeLengthReduce, 5.0);
    EXPECT_EQ(parameters.petioleLengthReduce, 0.51);
    EXPECT_EQ(parameters.wind, 1);
    const PlantParameters untouched;
    EXPECT_EQ(parameters.internodeLength, untouched.internodeLength);
}

TEST_F(ParameterPageTest, ShowingParametersMovesTheSlidersQuietlyAndKeepsTheValues) {
    parameters.internodeLength = 0.355; // between two positions
    parameters.turnStep = 1000.0f;      // beyond the slider's range
    parameters.wind = 12;
    page.showParameters();
    EXPECT_EQ(page.stemLengthSlider.position(), 36);
    EXPECT_EQ(page.petioleAngleSlider.position(), 720);
    EXPECT_EQ(page.windSlider.position(), 12);
    EXPECT_EQ(parameters.internodeLength, 0.355) << "the value as given";
    EXPECT_EQ(ui.statusText, "");
    page.stemLengthSlider.setPosition(40);
    EXPECT_EQ(parameters.internodeLength, 0.4);
    EXPECT_EQ(ui.statusText, "Node Length = 0.4");
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
        for (float* angle : {&expected.leafAngleX, &expected.leafAngleY, &expected.leafAngleZ}) {
            const int a = expectedDraws.uniformInt(p);
            const int b = expectedDraws.uniformInt(p);
            *angle = static_cast<float>(*angle - (a - b) / 10.0);
        }
    }
    EXPECT_EQ(placement.leafAngleX, expected.leafAngleX);
    EXPECT_EQ(placement.leafAngleY, expected.leafAngleY);
    EXPECT_EQ(placement.leafAngleZ, expected.leafAngleZ);
    EXPECT_NE(placement.leafAngleX, OrganPlacement{}.leafAngleX) << "the moves left a trace";

    // At position 1 both draws are 0: nothing moves.
    const OrganPlacement before = placement;
    page.leafArrangementSlider.setPosition(2);
    const OrganPlacement atTwo = placement;
    page.leafArrangementSlider.setPosition(1);
    EXPECT_EQ(placement.leafAngleX, atTwo.leafAngleX);
    EXPECT_EQ(placement.leafAngleY, atTwo.leafAngleY);
    EXPECT_EQ(placement.leafAngleZ, atTwo.leafAngleZ);
    EXPECT_EQ(placement.leafSizeX, before.leafSizeX);
    EXPECT_EQ(ui.statusText, "") << "Leaf Arrangement shows nothing";
}

} // namespace
} // namespace burgeon
