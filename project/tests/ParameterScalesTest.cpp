#include "project/ParameterScales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace burgeon {
namespace {

TEST(ParameterScales, DefaultPositionsHoldTheDefaultParameters) {
    const PlantParameters defaults;
    std::set<std::string_view> keys;
    for (const ParameterScale& scale : parameterScales()) {
        SCOPED_TRACE(std::string(scale.key));
        EXPECT_TRUE(keys.insert(scale.key).second) << "keys are unique";
        EXPECT_EQ(findParameterScale(scale.key), &scale);
        PlantParameters stored;
        EXPECT_EQ(storeFromPosition(scale, stored, scale.defaultPosition), scale.read(defaults));
        EXPECT_EQ(sliderPosition(scale, scale.read(defaults)), scale.defaultPosition);
    }
    EXPECT_EQ(keys.size(), 18u);
    EXPECT_EQ(findParameterScale("nodeLength"), nullptr);
}

TEST(ParameterScales, PositionsRoundHalfToEvenAndStayInTheSlidersRange) {
    const ParameterScale& angle = *findParameterScale("turnStep");
    EXPECT_EQ(sliderPosition(angle, 0.25), 2);
    EXPECT_EQ(sliderPosition(angle, 0.35), 4);
    EXPECT_EQ(sliderPosition(angle, 100.0), 720);
    EXPECT_EQ(sliderPosition(angle, -1e300), -720);
    EXPECT_EQ(sliderPosition(angle, std::nan("")), 450);
    const ParameterScale& diameter = *findParameterScale("nodeDiameter");
    EXPECT_EQ(sliderPosition(diameter, 0.75), 8);
    EXPECT_EQ(sliderPosition(diameter, 0.0), 1);

    PlantParameters parameters;
    // A 32-bit field stores the value narrowed: 0.79 shows its binary digits.
    EXPECT_EQ(storeFromPosition(*findParameterScale("petioleBitAngle"), parameters, 79),
              static_cast<double>(0.79f));
    EXPECT_EQ(storeFromPosition(*findParameterScale("wind"), parameters, 30), 30.0);
    EXPECT_EQ(parameters.wind, 30);
    EXPECT_EQ(findParameterScale("internodeLength")->maximumValue(), 3.0);
}

} // namespace
} // namespace burgeon
