#pragma once

#include "drawing/QuadricShapes.h"

#include <array>

namespace burgeon {

// How finely a capped segment is drawn: the slices of its cylinder (one stack), the slices
// and stacks of the sphere that caps it.
struct SegmentDetail {
    int cylinderSlices = CylinderSlices;
    int capSlices = CapSlices;
    int capStacks = CapStacks;

    bool operator==(const SegmentDetail&) const = default;
};

// The most a segment's outline may depart from a true circle on screen.
constexpr double ChordTolerancePixels = 0.25;

// The outline is not all: the pipeline lights the vertices and blends between them, and the
// surfaces' highlight (shininess 128) is narrower than a slice of full detail, so a coarser
// shape lights other points and shades otherwise wherever it spans more than a pixel or so.
// Shapes up to these radii on screen keep only vertices of the full shape (halved slices and
// stacks), lit as at full detail, as few as their outline allows; caps a little larger only
// halve their stacks (a stack of full detail spans half a slice); the rest are full.
constexpr double FullDetailCylinderPixels = 1.0;
constexpr double FullDetailCapPixels = 1.5;
constexpr double HalfStacksCapPixels = 2.5;

// The fewest slices dividing a circle of this radius in pixels whose chords stay within the
// tolerance of it: at least 3, at most maxSlices.
int circleSlices(double radiusPixels, int maxSlices);

// The coarsest of full, half, a quarter ... of `full` divisions (at least `fewest`) that
// gives at least `needed`: the vertices of such a shape are vertices of the full one.
int halvedDivisions(int needed, int full, int fewest);

// The detail of a segment whose cylinder spans radiusPixels at its nearer end and whose cap
// spans capPixels: full detail for large shapes; small ones halved as far as their outline
// allows, the cap's stacks (half a circle) as fine as its slices.
SegmentDetail segmentDetail(double radiusPixels, double capPixels);

// What the projection and the viewport make of eye-space lengths: the pixels a radius spans
// at a point. Column-major matrices, as the pipeline keeps them.
class ScreenScale {
public:
    ScreenScale(const std::array<float, 16>& projection, int viewportWidth, int viewportHeight);

    // The clip-space w of an eye-space point: its distance in front of the eye for a
    // perspective projection, 0 or less at or behind the eye's plane.
    double clipW(const std::array<double, 3>& eye) const;
    // How much w changes over an eye-space distance, in the direction it changes most.
    double wReach(double distance) const { return distance * wGradient_; }
    // Pixels a radius spans where the clip-space w is w (w above 0).
    double pixels(double radius, double w) const { return radius * pixelsPerUnit_ / w; }

private:
    std::array<float, 16> projection_;
    double pixelsPerUnit_ = 0.0;
    double wGradient_ = 0.0;
};

// The pixels a radius spans on a segment of that radius from eye-space point a to b (a = b
// for a sphere), where it comes nearest to the eye: 0 when it lies wholly behind the eye (it
// cannot be seen), and more than any detail needs when it reaches the eye's plane.
double segmentPixels(const ScreenScale& screen, double radius, const std::array<double, 3>& a,
                     const std::array<double, 3>& b);

} // namespace burgeon
