#include "drawing/RecordingTarget.h"
#include "drawing/OrganTable.h"

#include <gtest/gtest.h>

#include <array>

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

TEST(OrganTable, RowsInDrawingOrderWithRoundTripNumbers) {
    RecordingTarget target;
    target.drawLand(); // before the first node: no row
    target.enterNode({1, OrganKind::Internode, 1, 0.1});
    target.translate(0.0f, 1.5f, 0.0f);
    target.drawInternode(1.0 / 3.0, 0.25);
    target.enterNode({2, OrganKind::ShortPetiole, 2, 2.5});
    target.drawPetiole(0.5, 0.125);
    target.drawLeaf(1.7, 1.0, 1.5, WindTurn{});
    target.drawFlower(0.17, 0.1, 0.15);
    target.drawLand();

    const std::string csv = organTableCsv(target.organs());
    EXPECT_EQ(csv, "node,organ,level,age,a,b,c,x0,y0,z0,x1,y1,z1\n"
                   "1,I,1,0.1,0.3333333333333333,0.25,0,0,1.1666666666666667,0,0,1.5,0\n"
                   "2,p,2,2.5,0.5,0.125,0,0,1,0,0,1.5,0\n"
                   "2,L,2,2.5,1.7,1,1.5,0,1.5,0,0,1.5,0\n"
                   "2,F,2,2.5,0.17,0.1,0.15,0,1.5,0,0,1.5,0\n");
}

TEST(RecordingTarget, TurnsAboutCoordinateAxesMatchTheGeneralRotation) {
    for (const auto& axis : {std::array<float, 3>{1, 0, 0}, std::array<float, 3>{0, 1, 0},
                             std::array<float, 3>{0, 0, 1}}) {
        RecordingTarget quick(1, 1);
        RecordingTarget general(1, 1);
        quick.translate(1.0f, 2.0f, 3.0f);
        general.translate(1.0f, 2.0f, 3.0f);
        quick.rotate(37.0f, axis[0], axis[1], axis[2]);
        // A hair off the axis takes the general formula.
        general.rotate(37.0f, axis[0] + 1e-20f, axis[1] + 1e-20f, axis[2] + 1e-20f);
        quick.rotate(-121.0f, axis[1], axis[2], axis[0]);
        general.rotate(-121.0f, axis[1] + 1e-20f, axis[2] + 1e-20f, axis[0] + 1e-20f);
        for (std::size_t i = 0; i < 16; ++i) {
            EXPECT_NEAR(quick.currentMatrix()[i], general.currentMatrix()[i], 1e-12) << i;
        }
    }
}
