#include "render/RecordingTarget.h"
#include "render/BitmapFont.h"

#include <gtest/gtest.h>

using namespace burgeon;

TEST(RecordingTarget, MatrixOperationsActInTheOrderOfThePipeline) {
    RecordingTarget target(4, 2);
    target.translate(1.0f, 2.0f, 3.0f);
    target.rotate(90.0f, 0.0f, 0.0f, 2.0f); // the axis is normalised
    target.scale(2.0f, 2.0f, 2.0f);
    // The last operation acts first: scale, then turn +X onto +Y, then move.
    const Vector3 p = transformPoint(target.currentMatrix(), {1.0, 0.0, 0.0});
    EXPECT_NEAR(p.x, 1.0, 1e-12);
    EXPECT_NEAR(p.y, 4.0, 1e-12);
    EXPECT_NEAR(p.z, 3.0, 1e-12);

    // Pushing past the reserve still works; popping restores each level.
    for (int i = 0; i < 5; ++i) {
        target.pushMatrix();
        target.translate(0.0f, 1.0f, 0.0f);
    }
    EXPECT_EQ(target.depth(), 5u);
    for (int i = 0; i < 5; ++i) {
        target.popMatrix();
    }
    target.popMatrix(); // an extra pop is ignored
    const Vector3 q = transformPoint(target.currentMatrix(), {1.0, 0.0, 0.0});
    EXPECT_NEAR(q.y, 4.0, 1e-12);

    target.drawInternode(2.0, 0.5);
    target.drawLand();
    ASSERT_EQ(target.organs().size(), 2u);
    const Vector3 lower = target.organs()[0].lowerEnd();
    EXPECT_NEAR(lower.x, 1.0 + 4.0, 1e-12); // (0, -2, 0) scaled to -4, turned onto +X
    target.clear();
    EXPECT_TRUE(target.organs().empty());
    EXPECT_EQ(target.currentMatrix(), identityMatrix());
}

TEST(BitmapFont, AxisLabelsHaveGlyphsAndControlCodesAreBlank) {
    for (const unsigned char code : {'X', 'Y', 'Z', 'x', '0'}) {
        const GlyphRows rows = glyphFor(code);
        int lit = 0;
        for (const auto row : rows) {
            lit += row != 0 ? 1 : 0;
        }
        EXPECT_GT(lit, 8) << code;
        EXPECT_EQ(rows[0], 0) << "the bottom row stays free below the origin";
    }
    EXPECT_EQ(glyphFor('x'), glyphFor('X'));
    EXPECT_EQ(glyphFor(7), GlyphRows{});
    // "Y" is narrow at the bottom and split at the top.
    EXPECT_EQ(glyphFor('Y')[1], 0x10);
    EXPECT_EQ(glyphFor('Y')[14], 0x44);
}
