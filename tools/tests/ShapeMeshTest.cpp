#include "tools/ShapeMesh.h"

#include "components/ShapeLibraryReader.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace burgeon;
using namespace burgeon::tools;

namespace {

const Placer Flat = [](double t, double s) { return Vector3{10.0 * s * t, 50.0 * t, 0.0}; };

} // namespace

TEST(ShapeMesh, ASweepClosesItsBaseAndTipIntoSinglePoints) {
    const Mesh closed = sweep(4, 3, false, Flat);
    EXPECT_EQ(closed.points.size(), 1u + 3 * 3 + 1); // base, three rows, tip
    EXPECT_EQ(closed.triangles.size(), 2u + 2 * 2 * 2 + 2);
    EXPECT_DOUBLE_EQ(closed.points.back().y, 50.0);

    const Mesh open = sweep(4, 3, true, Flat);
    EXPECT_EQ(open.points.size(), 1u + 4 * 3); // the tip row stays open
    EXPECT_EQ(open.triangles.size(), 2u + 3 * 2 * 2);
}

TEST(ShapeMesh, AnAppendedShapeReadsBackAsTheSameMesh) {
    std::string library;
    appendShape(library, "Test leaf", 9, sweep(4, 3, false, Flat));
    std::vector<OrganShape> entries;
    readShapeLibrary(library, entries);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Test leaf");
    EXPECT_EQ(entries[0].source, 9);
    EXPECT_EQ(entries[0].pointCount, 11);
    EXPECT_EQ(entries[0].triangleCount, 12);
    EXPECT_DOUBLE_EQ(entries[0].points[11].y, 50.0);
}

TEST(ShapeMesh, ShapesBeyondTheFormatsLimitsAreRefused) {
    std::string library;
    EXPECT_THROW(appendShape(library, "Too many points", 1, sweep(30, 5, false, Flat)),
                 std::runtime_error);
    EXPECT_THROW(appendShape(library, "A crowded base", 1, sweep(3, 23, false, Flat)),
                 std::runtime_error); // 22 triangles meet at the base
    EXPECT_TRUE(library.empty());
}
