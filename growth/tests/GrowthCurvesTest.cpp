#include "growth/GrowthCurves.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace burgeon;

namespace {
const GrowthFunction Example{0.0, 10.0, 0.5, 10.0};
}

TEST(GrowthCurves, StartAllZero) {
    GrowthCurves curves;
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        const auto& curve = curves.getCurve(static_cast<GrowthOrgan>(organ));
        EXPECT_EQ(growthSize(curve, 7.0), 0.0);
        EXPECT_EQ(logisticValue(curve, 7.0), 0.0);
    }
}

TEST(GrowthCurves, LogisticAndSizeOfTheExampleCurve) {
    EXPECT_DOUBLE_EQ(logisticValue(Example, 10.0), 5.0);
    EXPECT_DOUBLE_EQ(growthSize(Example, 10.0), 1.0);
    EXPECT_NEAR(growthSize(Example, 0.0), 10.0 * 6.0 / (1.0 + std::exp(5.0)) / 30.0, 1e-15);
    EXPECT_NEAR(growthSize(Example, 0.0), 0.0134, 1e-4);
}

TEST(GrowthCurves, FlatFallingAndInvertedCurves) {
    const GrowthFunction flat{2.0, 12.0, 0.0, 5.0};
    EXPECT_DOUBLE_EQ(logisticValue(flat, 100.0), 7.0);
    EXPECT_DOUBLE_EQ(growthSize(flat, 100.0), 1.0);
    const GrowthFunction inverted{10.0, 0.0, 0.5, 10.0};
    EXPECT_LT(growthSize(inverted, 20.0), 0.0);
    const GrowthFunction falling{0.0, 10.0, -0.5, 10.0};
    EXPECT_GT(logisticValue(falling, 0.0), logisticValue(falling, 20.0));
}

TEST(GrowthCurves, ExponentsBeyondTheDoubleRangeGiveTheLimits) {
    const GrowthFunction steep{1.0, 3.0, 100.0, 1000.0};
    EXPECT_EQ(logisticValue(steep, 0.0), 1.0);
    EXPECT_EQ(growthSize(steep, 0.0), 0.0);
    EXPECT_EQ(logisticValue(steep, 5000.0), 3.0);
}

TEST(GrowthCurves, OrganAgeStopsAtTheEndTime) {
    EXPECT_EQ(organAge(2.0, 8.0, 100.0), 0.0);
    EXPECT_EQ(organAge(8.0, 8.0, 100.0), 0.0);
    EXPECT_EQ(organAge(20.5, 8.0, 100.0), 12.5);
    EXPECT_EQ(organAge(100.0, 8.0, 100.0), 92.0);
    EXPECT_EQ(organAge(5000.0, 8.0, 100.0), 92.0);
}

TEST(GrowthCurves, SetCurveForOneOrganOrAll) {
    GrowthCurves curves;
    curves.setCurve(GrowthOrgan::Petiole, 1, 2, 3, 4);
    EXPECT_EQ(curves.getCurve(GrowthOrgan::Petiole), (GrowthFunction{1, 2, 3, 4}));
    EXPECT_EQ(curves.getCurve(GrowthOrgan::Internode), GrowthFunction{});
    curves.setCurve(GrowthOrgan::All, 0, 4.5, 1, 1);
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        EXPECT_EQ(curves.getCurve(static_cast<GrowthOrgan>(organ)), (GrowthFunction{0, 4.5, 1, 1}));
    }
}
