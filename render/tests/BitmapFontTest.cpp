#include "render/BitmapFont.h"

#include <gtest/gtest.h>

using namespace burgeon;

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
