#include "tools/GalleryShapes.h"

#include "components/ShapeLibraryReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace burgeon;

namespace {

std::vector<OrganShape> galleryEntries() {
    std::vector<OrganShape> entries;
    readShapeLibrary(tools::galleryShapeLibrary(), entries);
    return entries;
}

// The half-width of a leaf at each height: the largest |x| of the points at that y, from the
// base up.
std::vector<double> outline(const OrganShape& leaf) {
    std::vector<std::pair<double, double>> widths;
    for (int p = 1; p <= leaf.pointCount; ++p) {
        const Vector3& point = leaf.points[static_cast<std::size_t>(p)];
        const auto row = std::find_if(widths.begin(), widths.end(), [&](const auto& w) {
            return std::abs(w.first - point.y) < 0.5;
        });
        if (row == widths.end()) {
            widths.emplace_back(point.y, std::abs(point.x));
        } else {
            row->second = std::max(row->second, std::abs(point.x));
        }
    }
    std::sort(widths.begin(), widths.end());
    std::vector<double> halfWidths;
    halfWidths.reserve(widths.size());
    for (const auto& w : widths) {
        halfWidths.push_back(w.second);
    }
    return halfWidths;
}

// Where along the leaf (0 at the base, 1 at the tip) it is widest.
double widestAt(const OrganShape& leaf) {
    const std::vector<double> halfWidths = outline(leaf);
    const auto widest = std::max_element(halfWidths.begin(), halfWidths.end());
    return static_cast<double>(widest - halfWidths.begin()) /
           static_cast<double>(halfWidths.size() - 1);
}

} // namespace

TEST(GalleryShapes, FourLeavesThenFourPetalsThatReadBackWithinTheFormatsLimits) {
    const std::vector<OrganShape> entries = galleryEntries();
    ASSERT_EQ(entries.size(), 8u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const OrganShape& shape = entries[i];
        SCOPED_TRACE(shape.name);
        const bool petal = shape.name.find("petal") != std::string::npos;
        EXPECT_EQ(petal, i >= 4);
        EXPECT_LE(shape.pointCount, MaxShapePoints);
        EXPECT_LE(shape.triangleCount, MaxShapeTriangles);
        for (int t = 1; t <= shape.triangleCount; ++t) {
            for (const int corner : shape.triangles[static_cast<std::size_t>(t)]) {
                EXPECT_GE(corner, 1);
                EXPECT_LE(corner, shape.pointCount);
            }
        }
    }
}

TEST(GalleryShapes, LeavesGrowFromTheirBaseAlongYAndHaveTheirPlantsOutline) {
    const std::vector<OrganShape> entries = galleryEntries();
    for (std::size_t i = 0; i < 4; ++i) {
        const OrganShape& leaf = entries[i];
        SCOPED_TRACE(leaf.name);
        EXPECT_DOUBLE_EQ(leaf.points[1].y, 0.0); // the base, where the stalk holds it
        double tip = 0.0;
        for (int p = 1; p <= leaf.pointCount; ++p) {
            tip = std::max(tip, leaf.points[static_cast<std::size_t>(p)].y);
        }
        EXPECT_NEAR(tip, 100.0, 0.01);
    }
    EXPECT_LT(widestAt(entries[0]), 0.5); // the soybean leaflet is ovate
    EXPECT_GT(widestAt(entries[1]), 0.6); // the rosette leaf is spatulate
    EXPECT_LT(outline(entries[1])[2], 0.3 * outline(entries[1])[10]);
    // The azalea leaf is narrow: length over width at least 2.5.
    const std::vector<double> azalea = outline(entries[2]);
    EXPECT_GT(100.0 / (2.0 * *std::max_element(azalea.begin(), azalea.end())), 2.5);
}

TEST(GalleryShapes, TheHerbLeafHasATeethedMargin) {
    const std::vector<double> halfWidths = outline(galleryEntries()[3]);
    int turns = 0;
    for (std::size_t r = 2; r < halfWidths.size(); ++r) {
        const double before = halfWidths[r - 1] - halfWidths[r - 2];
        const double after = halfWidths[r] - halfWidths[r - 1];
        turns += (before > 0.0) != (after > 0.0) ? 1 : 0;
    }
    EXPECT_GE(turns, 4); // a smooth ovate outline turns once
}
