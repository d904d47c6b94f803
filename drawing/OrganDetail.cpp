#include "drawing/OrganDetail.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace burgeon {

namespace {

constexpr int FewestSlices = 3;
constexpr int FewestHalvedSlices = 4;
constexpr int FewestCapStacks = 2;

} // namespace

// A chord across 2 pi / n of a circle of radius R lies R (1 - cos(pi / n)) inside it at its
// middle; the fewest n that keeps this within the tolerance.
int circleSlices(double radiusPixels, int maxSlices) {
    const int most = std::max(maxSlices, FewestSlices);
    // Within the tolerance of its centre, any outline will do.
    if (!(radiusPixels > ChordTolerancePixels)) {
        return FewestSlices;
    }
    if (!std::isfinite(radiusPixels)) {
        return most;
    }
    const double halfAngle = std::acos(1.0 - ChordTolerancePixels / radiusPixels);
    const double slices = std::ceil(std::numbers::pi / halfAngle - 1e-9);
    if (slices >= most) {
        return most;
    }
    return std::max(FewestSlices, static_cast<int>(slices));
}

int halvedDivisions(int needed, int full, int fewest) {
    int divisions = full;
    while (divisions % 2 == 0 && divisions / 2 >= std::max(needed, fewest)) {
        divisions /= 2;
    }
    return divisions;
}

SegmentDetail segmentDetail(double radiusPixels, double capPixels) {
    SegmentDetail detail;
    if (!(radiusPixels > FullDetailCylinderPixels)) {
        detail.cylinderSlices = halvedDivisions(circleSlices(radiusPixels, CylinderSlices),
                                                CylinderSlices, FewestHalvedSlices);
    }
    if (capPixels > FullDetailCapPixels && capPixels <= HalfStacksCapPixels) {
        detail.capStacks = CapStacks / 2;
    }
    if (!(capPixels > FullDetailCapPixels)) {
        detail.capSlices =
            halvedDivisions(circleSlices(capPixels, CapSlices), CapSlices, FewestHalvedSlices);
        // A stack spans pi / stacks of a meridian, as a slice of a circle of 2 x stacks.
        const int meridianSlices = circleSlices(capPixels, 2 * CapStacks);
        detail.capStacks = halvedDivisions((meridianSlices + 1) / 2, CapStacks, FewestCapStacks);
    }
    return detail;
}

// A pixel spans the same eye-space length across and up the picture when the projection
// keeps the panel's aspect; the larger of the two is taken otherwise.
ScreenScale::ScreenScale(const std::array<float, 16>& projection, int viewportWidth,
                         int viewportHeight)
    : projection_(projection) {
    const double across = std::fabs(double{projection[0]}) * viewportWidth / 2.0;
    const double up = std::fabs(double{projection[5]}) * viewportHeight / 2.0;
    pixelsPerUnit_ = std::max(across, up);
    wGradient_ = std::hypot(double{projection[3]}, double{projection[7]}, double{projection[11]});
}

double ScreenScale::clipW(const std::array<double, 3>& eye) const {
    return projection_[3] * eye[0] + projection_[7] * eye[1] + projection_[11] * eye[2] +
           projection_[15];
}

double segmentPixels(const ScreenScale& screen, double radius, const std::array<double, 3>& a,
                     const std::array<double, 3>& b) {
    const double size = std::fabs(radius);
    const double reach = screen.wReach(size);
    const double wa = screen.clipW(a);
    const double wb = screen.clipW(b);
    const double nearest = std::min(wa, wb) - reach;
    if (std::max(wa, wb) + reach <= 0.0) {
        return 0.0;
    }
    if (nearest <= 0.0) {
        return std::numeric_limits<double>::infinity();
    }
    return screen.pixels(size, nearest);
}

} // namespace burgeon
