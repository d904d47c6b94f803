#include "drawing/PlantWalk.h"

#include "base/Clock.h"
#include "base/RandomSource.h"
#include "drawing/RecordingTarget.h"
#include "project/PlantProject.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

// Counts the allocations of the whole test program, so a test can see that a stretch of code
// made none.
namespace {
std::atomic<long> allocationCount{0};
}

void* operator new(std::size_t size) {
    ++allocationCount;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

using namespace burgeon;

namespace {

constexpr OrganKind Internode = OrganKind::Internode;
constexpr OrganKind ShortInternode = OrganKind::ShortInternode;
constexpr OrganKind Petiole = OrganKind::Petiole;
constexpr OrganKind ShortPetiole = OrganKind::ShortPetiole;
constexpr OrganKind Apex = OrganKind::Apex;

// A plant built by hand, drawn through the recording interface.
class PlantWalkTest : public ::testing::Test {
protected:
    int addNode(OrganKind kind, int parent, int level, float angleZ = 0.0f, bool leaf = false,
                bool flower = false) {
        PlantNode& node = appendNode(plant);
        const int index = plant.nodeCount;
        node.kind = kind;
        node.parent = parent;
        node.level = level;
        node.angleZ = angleZ;
        node.hasLeaf = leaf ? 1 : 0;
        node.hasFlower = flower ? 1 : 0;
        if (parent == 0 && kind != Petiole && kind != ShortPetiole) {
            ++plant.mainStemCount;
        }
        plant.maxLevel = std::max(plant.maxLevel, level);
        return index;
    }

    PlantNode& node(int index) { return plant.nodes[static_cast<std::size_t>(index)]; }

    // All six curves at size 1 for any age (a flat curve: (Top - Bottom) / 10).
    void allCurvesAtOne() { curves.setCurve(GrowthOrgan::All, 0.0, 10.0, 0.0, 0.0); }

    const std::vector<RecordedOrgan>& draw(double t) {
        recording.clear();
        totalTime = walk.draw(recording, t);
        EXPECT_EQ(recording.depth(), 0u) << "the walk leaves the matrix as it found it";
        return recording.organs();
    }

    // The frame of the plant base: scale and the drop of 5 units.
    RecordingTarget baseFrame() const {
        RecordingTarget frame(16, 16);
        frame.scale(plantScale, plantScale, plantScale);
        frame.translate(0.0f, -5.0f, 0.0f);
        return frame;
    }

    PlantProject project;
    PlantState& plant = project.plant;
    PlantParameters& parameters = project.parameters;
    GrowthCurves& curves = project.growth.curves;
    float& plantScale = project.view.plantScale;
    FixedClock clock;
    PlantWalk walk{project, clock};
    RecordingTarget recording;
    std::int32_t totalTime = 0;
};

void expectPoint(const Vector3& actual, const Vector3& expected, double tolerance = 1e-6) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

Matrix4 multiplied(const Matrix4& left, const Matrix4& right) {
    Matrix4 product{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            for (int k = 0; k < 4; ++k) {
                product[static_cast<std::size_t>(column * 4 + row)] +=
                    left[static_cast<std::size_t>(k * 4 + row)] *
                    right[static_cast<std::size_t>(column * 4 + k)];
            }
        }
    }
    return product;
}

void expectMatrix(const Matrix4& actual, const Matrix4& expected) {
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-9) << "element " << i;
    }
}

} // namespace

TEST_F(PlantWalkTest, WorkedExampleSizesAndSegmentEnds) {
    parameters.internodeLengthReduce = 1.0;
    parameters.internodeDiameterReduce = 0.9;
    parameters.internodeLength = 0.35;
    parameters.nodeDiameter = 1.0;
    allCurvesAtOne();
    addNode(Internode, 0, 1);
    addNode(Internode, 1, 2);
    plant.maxLevel = 10;

    const auto& organs = draw(1.0);
    ASSERT_EQ(organs.size(), 2u);
    EXPECT_EQ(organs[1].node, 2);
    EXPECT_EQ(organs[1].shape, RecordedShape::Internode);
    EXPECT_NEAR(organs[1].a, 1.75, 1e-12);
    EXPECT_NEAR(organs[1].b, 0.081, 1e-12);
    EXPECT_NEAR(organs[0].a, 3.5, 1e-12);
    EXPECT_NEAR(organs[0].b, 0.09, 1e-12);

    // The root stands on the ground plane (scale 0.5, drop 5); the child starts 0.075 below
    // its parent's upper end (the back-off) and, at age 0, is not bent.
    expectPoint(organs[0].lowerEnd(), {0.0, -2.5, 0.0});
    expectPoint(organs[0].upperEnd(), {0.0, -2.5 + 1.75, 0.0});
    expectPoint(organs[1].lowerEnd(), {0.0, -2.5 + 0.5 * (3.5 - 0.075), 0.0});
    expectPoint(organs[1].upperEnd(), {0.0, -2.5 + 0.5 * (3.5 - 0.075 + 1.75), 0.0});
}

TEST_F(PlantWalkTest, TimingAgesAndTheEndOfGrowth) {
    curves.setCurve(GrowthOrgan::All, 0.0, 10.0, 0.5, 10.0);
    parameters.nodeBirthRate = 2.5;
    addNode(Internode, 0, 1);
    addNode(Petiole, 1, 2);

    // TotalTime = Round(1 x 2.5) + 2 + 50 with the tie going to the even 2.
    const auto& before = draw(1.0);
    EXPECT_EQ(totalTime, 54);

    // Before its birth an organ is drawn at the size g(0), not left out.
    const double g0 = 10.0 * 6.0 / (1.0 + std::exp(5.0)) / 30.0;
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0].age, 0.0);
    EXPECT_EQ(before[1].age, 0.0);
    EXPECT_DOUBLE_EQ(before[1].birthTime, 2 * 2.5 + 3) << "known before the birth";
    EXPECT_NEAR(before[0].a, 1.0 * 0.35 * g0 * 2 / 1, 1e-12);
    EXPECT_NEAR(before[1].a, 1.0 * 0.25 * g0 * 2 / 2, 1e-12);

    // Level L is born at L x 2.5 + 3; every organ is recorded with its level and age.
    const auto& growing = draw(20.0);
    EXPECT_EQ(growing[0].level, 1);
    EXPECT_DOUBLE_EQ(growing[0].age, 20.0 - 5.5);
    EXPECT_EQ(growing[1].level, 2);
    EXPECT_EQ(growing[1].kind, Petiole);
    EXPECT_DOUBLE_EQ(growing[1].age, 20.0 - 8.0);
    EXPECT_DOUBLE_EQ(growing[0].birthTime, 5.5);

    // Past EndTime every organ keeps the size it had at EndTime.
    const std::vector<RecordedOrgan> atEnd = draw(54.0);
    const std::vector<RecordedOrgan> later = draw(500.0);
    EXPECT_DOUBLE_EQ(later[1].age, 54.0 - 8.0);
    ASSERT_EQ(later.size(), atEnd.size());
    for (std::size_t i = 0; i < later.size(); ++i) {
        EXPECT_EQ(later[i].a, atEnd[i].a);
        EXPECT_EQ(later[i].b, atEnd[i].b);
        expectMatrix(later[i].matrix, atEnd[i].matrix);
    }

    // With all curves zero every segment has zero length and radius.
    curves = GrowthCurves{};
    for (const RecordedOrgan& organ : draw(30.0)) {
        EXPECT_EQ(organ.a, 0.0);
        EXPECT_EQ(organ.b, 0.0);
    }
}

TEST_F(PlantWalkTest, ReductionsAndTheFiveOrganKinds) {
    allCurvesAtOne();
    parameters.internodeLengthReduce = 2.0;
    parameters.petioleLengthReduce = 1.5;
    parameters.internodeDiameterReduce = 0.8;
    parameters.petioleDiameterReduce = 0.7;
    parameters.nodeDiameter = 2.0;
    addNode(Internode, 0, 1);
    addNode(Apex, 1, 2);
    addNode(ShortInternode, 2, 3);
    addNode(Petiole, 3, 4);
    addNode(ShortPetiole, 4, 5);
    ASSERT_EQ(plant.maxLevel, 5);

    const auto& organs = draw(1.0);
    ASSERT_EQ(organs.size(), 5u);
    // Level 1: factors to the power 1, length factor maxLevel.
    EXPECT_NEAR(organs[0].a, 2.0 * 0.35 * 5 / 1, 1e-12);
    EXPECT_NEAR(organs[0].b, 0.1 * 2.0 * 0.8, 1e-12);
    EXPECT_NEAR(organs[1].a, 4.0 * 0.35 * 5 / 2, 1e-12);
    EXPECT_EQ(organs[1].shape, RecordedShape::Internode);
    // Short internode: no length reduction, its own ratio and diameter.
    EXPECT_NEAR(organs[2].a, 0.1 * 0.35 * 5 / 3, 1e-12);
    EXPECT_NEAR(organs[2].b, 0.1 * 0.8 * 2.0 * std::pow(0.8, 3), 1e-12);
    EXPECT_EQ(organs[3].shape, RecordedShape::Petiole);
    EXPECT_NEAR(organs[3].a, std::pow(1.5, 4) * 0.25 * 5 / 4, 1e-12);
    EXPECT_NEAR(organs[3].b, 0.1 * 2.0 * std::pow(0.7, 4), 1e-12);
    // Level = maxLevel: length factor 1.
    EXPECT_EQ(organs[4].shape, RecordedShape::Petiole);
    EXPECT_NEAR(organs[4].a, 0.1 * 0.25 * 5 / 5, 1e-12);
    EXPECT_NEAR(organs[4].b, 0.1 * 0.8 * 2.0 * std::pow(0.7, 5), 1e-12);
}

TEST_F(PlantWalkTest, LeafOrientationOffsetAndFlower) {
    allCurvesAtOne();
    parameters.leafReduce = 0.5;
    parameters.flowerReduce = 0.25;
    parameters.wind = 1;
    const int below = addNode(Internode, 0, 1, 0.0f, true);
    const int above = addNode(Petiole, 1, 2, 30.0f, true, true);
    const int straight = addNode(Petiole, 1, 2, 0.0f, true);
    const int flower = addNode(ShortPetiole, 1, 2, -20.0f, false, true);
    node(straight).angleX = 10.0f;
    node(below).angleZ = -5.0f;

    const auto& organs = draw(1.0);
    ASSERT_EQ(organs.size(), 8u);
    const double h1 = 0.35 * 2;

    // angleZ < 0: 135 about X, -90 about Y, 135 about Z, then the offset to the surface.
    RecordingTarget expected = baseFrame();
    expected.translate(0.0f, static_cast<float>(h1), 0.0f);
    expected.rotate(135.0f, 1, 0, 0);
    expected.rotate(-90.0f, 0, 1, 0);
    expected.rotate(135.0f, 0, 0, 1);
    expected.translate(0.0f, static_cast<float>(0.095 * 1.0 * 0.9), 0.0f);
    EXPECT_EQ(organs[1].shape, RecordedShape::Leaf);
    EXPECT_EQ(organs[1].node, below);
    expectMatrix(organs[1].matrix, expected.currentMatrix());
    EXPECT_NEAR(organs[1].a, 1.7 * 0.5, 1e-12);
    EXPECT_NEAR(organs[1].b, 0.5, 1e-12);
    EXPECT_NEAR(organs[1].c, 1.5 * 0.5, 1e-12);

    // A leaf and a flower on one node: only the leaf, turned for angleZ > 0.
    EXPECT_EQ(organs[3].node, above);
    EXPECT_EQ(organs[3].shape, RecordedShape::Leaf);
    RecordingTarget turned(16, 16);
    turned.rotate(-60.0f, 1, 0, 0);
    turned.rotate(90.0f, 0, 1, 0);
    turned.rotate(60.0f, 0, 0, 1);
    turned.translate(0.0f, static_cast<float>(0.095 * 0.81), 0.0f);
    expectMatrix(organs[3].matrix, multiplied(organs[2].matrix, turned.currentMatrix()));

    // angleZ = 0 with angleX > 0: only the 180-degree turn about Y, then the offset.
    EXPECT_EQ(organs[5].node, straight);
    RecordingTarget halfTurn(16, 16);
    halfTurn.rotate(180.0f, 0, 1, 0);
    halfTurn.translate(0.0f, static_cast<float>(0.095 * 0.81), 0.0f);
    expectMatrix(organs[5].matrix, multiplied(organs[4].matrix, halfTurn.currentMatrix()));

    // A flower: turned, but no offset; flower factors with the flower reduction.
    EXPECT_EQ(organs[7].shape, RecordedShape::Flower);
    EXPECT_EQ(organs[7].node, flower);
    expectPoint(organs[7].upperEnd(), organs[6].upperEnd(), 1e-12);
    EXPECT_NEAR(organs[7].a, 1.7 * 0.0625, 1e-12);
    EXPECT_NEAR(organs[7].b, 0.0625, 1e-12);
    EXPECT_NEAR(organs[7].c, 1.5 * 0.0625, 1e-12);
}

TEST_F(PlantWalkTest, ChildrenInheritTheTurnAndOffsetAndBendWithAge) {
    allCurvesAtOne();
    parameters.petioleBitAngle = 0.79f;
    addNode(Internode, 0, 1, 10.0f, true);
    addNode(Internode, 1, 2, 20.0f);
    addNode(Petiole, 1, 2, 45.0f);
    addNode(Petiole, 1, 2, -45.0f);
    node(2).angleY = 7.0f;
    node(2).angleX = 3.0f;

    const double t = 24.0; // node 1 born at 8: age 16, bend 0.32
    const auto& organs = draw(t);
    ASSERT_EQ(organs.size(), 5u);
    const double bend = 0.02 * 16.0;

    RecordingTarget frame = baseFrame();
    frame.translate(0.0f, static_cast<float>(0.35 * 2), 0.0f);
    frame.rotate(-60.0f, 1, 0, 0);
    frame.rotate(90.0f, 0, 1, 0);
    frame.rotate(60.0f, 0, 0, 1);
    frame.translate(0.0f, static_cast<float>(0.095 * 0.9), 0.0f);

    RecordingTarget child = frame;
    child.translate(0.0f, -0.075f, 0.0f);
    child.rotate(static_cast<float>(bend + 20.0), 0, 0, 1);
    child.rotate(7.0f, 0, 1, 0);
    child.rotate(3.0f, 1, 0, 0);
    child.translate(0.0f, static_cast<float>(0.35 * 2 / 2), 0.0f);
    expectMatrix(organs[2].matrix, child.currentMatrix());

    RecordingTarget up = frame;
    up.translate(0.0f, -0.075f, 0.0f);
    up.rotate(static_cast<float>(45.0 + bend - 0.79f), 0, 0, 1);
    up.rotate(0.0f, 0, 1, 0);
    up.rotate(0.0f, 1, 0, 0);
    up.translate(0.0f, static_cast<float>(0.25 * 2 / 2), 0.0f);
    expectMatrix(organs[3].matrix, up.currentMatrix());

    RecordingTarget down = frame;
    down.translate(0.0f, -0.075f, 0.0f);
    down.rotate(static_cast<float>(-45.0 - bend + 0.79f), 0, 0, 1);
    down.rotate(0.0f, 0, 1, 0);
    down.rotate(0.0f, 1, 0, 0);
    down.translate(0.0f, static_cast<float>(0.25 * 2 / 2), 0.0f);
    expectMatrix(organs[4].matrix, down.currentMatrix());
}

TEST_F(PlantWalkTest, EveryChildAndEveryRootIsDrawnInIndexOrder) {
    allCurvesAtOne();
    addNode(Internode, 0, 1);
    for (int k = 0; k < 15; ++k) {
        addNode(Petiole, 1, 2, static_cast<float>(k));
    }
    const int secondRoot = addNode(Internode, 0, 1);
    addNode(Apex, secondRoot, 2);
    // A parent that is not an earlier node cannot loop the walk: the node is a root.
    const int damaged = addNode(Internode, 0, 1);
    node(damaged).parent = damaged;

    const auto& organs = draw(1.0);
    ASSERT_EQ(organs.size(), static_cast<std::size_t>(plant.nodeCount));
    for (std::size_t i = 0; i < organs.size(); ++i) {
        EXPECT_EQ(organs[i].node, static_cast<int>(i) + 1);
    }
    // All fifteen children start on the first root, a back-off below its upper end.
    for (std::size_t i = 1; i <= 15; ++i) {
        expectPoint(organs[i].lowerEnd(), {0.0, -2.5 + 0.5 * (0.35 * 2 - 0.075), 0.0});
    }
    // The second root starts again from the plant base.
    expectPoint(organs[16].lowerEnd(), {0.0, -2.5, 0.0});
    expectPoint(organs[18].lowerEnd(), {0.0, -2.5, 0.0});
}

TEST_F(PlantWalkTest, WindFollowsTheClockAndOneMeansNone) {
    allCurvesAtOne();
    addNode(Internode, 0, 1, 0.0f, true);
    addNode(Petiole, 1, 2, 30.0f, true);
    parameters.wind = 5;
    clock.millisecondsOfDayValue = 43'200'123;

    const std::vector<RecordedOrgan> first = draw(10.0);
    const std::vector<RecordedOrgan> second = draw(10.0);
    RandomSource reference(43'200'123u);
    const WindTurn expected{reference.uniformInt(5), reference.uniformInt(5),
                            reference.uniformInt(5)};
    ASSERT_EQ(first.size(), 4u);
    for (const std::size_t leaf : {std::size_t{1}, std::size_t{3}}) {
        // Reseeded at every node: both leaves get the same terms, frame after frame.
        EXPECT_EQ(first[leaf].wind.x, expected.x);
        EXPECT_EQ(first[leaf].wind.y, expected.y);
        EXPECT_EQ(first[leaf].wind.z, expected.z);
        EXPECT_EQ(second[leaf].wind.x, expected.x);
        expectMatrix(second[leaf].matrix, first[leaf].matrix);
    }

    bool anyWind = false;
    for (std::int64_t ms = 0; ms < 50; ++ms) {
        clock.millisecondsOfDayValue = ms;
        const WindTurn wind = draw(10.0)[1].wind;
        for (const int term : {wind.x, wind.y, wind.z}) {
            EXPECT_GE(term, 0);
            EXPECT_LT(term, 5);
            anyWind = anyWind || term != 0;
        }
    }
    EXPECT_TRUE(anyWind);

    parameters.wind = 1;
    for (std::int64_t ms = 0; ms < 50; ++ms) {
        clock.millisecondsOfDayValue = ms;
        const WindTurn wind = draw(10.0)[1].wind;
        EXPECT_EQ(wind.x, 0);
        EXPECT_EQ(wind.y, 0);
        EXPECT_EQ(wind.z, 0);
    }
}

TEST_F(PlantWalkTest, LevelsBelowOneDivideTheLengthByOne) {
    allCurvesAtOne();
    parameters.internodeLengthReduce = 0.5;
    addNode(Internode, 0, 0);
    addNode(Internode, 0, -2);
    plant.maxLevel = 4;
    const auto& organs = draw(1.0);
    ASSERT_EQ(organs.size(), 2u);
    // The reductions take the level as it is (0.5 to the power 0 and -2).
    EXPECT_NEAR(organs[0].a, 1.0 * 0.35 * 4 / 1, 1e-12);
    EXPECT_NEAR(organs[1].a, 4.0 * 0.35 * 4 / 1, 1e-12);
    EXPECT_EQ(organs[1].level, -2);
}

TEST_F(PlantWalkTest, ACountBeyondTheTableDrawsWhatTheTableHolds) {
    allCurvesAtOne();
    addNode(Internode, 0, 1);
    addNode(Petiole, 1, 2, 30.0f);
    plant.nodes.resize(3);
    plant.nodeCount = 40;
    EXPECT_EQ(draw(1.0).size(), 2u);
    plant.nodes.clear();
    EXPECT_TRUE(draw(1.0).empty());
}

TEST_F(PlantWalkTest, ChangesBetweenFramesShowInTheNextFrame) {
    allCurvesAtOne();
    addNode(Internode, 0, 1);
    addNode(Internode, 1, 2);
    const std::vector<RecordedOrgan> first = draw(10.0);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_NEAR(first[1].a, 0.35 * 2 / 2, 1e-12);

    // The same time with other reductions and a longer table: nothing of the last frame stays.
    parameters.internodeLengthReduce = 0.5;
    addNode(Petiole, 2, 3, 30.0f);
    const auto& second = draw(10.0);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_NEAR(second[1].a, 0.25 * 0.35 * 3 / 2, 1e-12);
    EXPECT_EQ(second[2].node, 3);
    EXPECT_EQ(second[2].shape, RecordedShape::Petiole);

    // A node moved to another parent hangs there from the next frame on.
    node(3).parent = 1;
    const auto& third = draw(10.0);
    expectPoint(third[2].lowerEnd(), third[1].lowerEnd());
}

TEST_F(PlantWalkTest, AFrameAllocatesNothing) {
    allCurvesAtOne();
    addNode(Internode, 0, 1, 0.0f, true);
    for (int k = 0; k < 200; ++k) {
        addNode(k % 2 == 0 ? Petiole : Internode, k + 1, k + 2, 20.0f, k % 3 == 0, k % 3 == 1);
    }
    walk.draw(recording, 30.0); // the recording's stack grows to the plant's depth once
    recording.clear();
    const long before = allocationCount.load();
    walk.draw(recording, 31.0);
    EXPECT_EQ(allocationCount.load(), before);
    EXPECT_EQ(recording.organs().size(), 201u + 68u + 67u);
}
