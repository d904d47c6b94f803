#include "drawing/ScreenTriangles.h"

#include <algorithm>
#include <cmath>

namespace burgeon {

namespace {

// Less than this twice-area in pixels is a hair the pipeline may judge either way.
constexpr double HairTwiceArea = 0.02;
// How near (in pixels) a pixel centre may come to a triangle it misses: far more than the
// pipeline's snapping of corners and its single-precision arithmetic move an edge.
constexpr double CentreMargin = 1.0 / 32.0;
// The most pixel centres of its bounding box a triangle is tested against.
constexpr int MostCentresTested = 16;

double cross(const std::array<double, 2>& origin, const std::array<double, 2>& u,
             const std::array<double, 2>& v) {
    return (u[0] - origin[0]) * (v[1] - origin[1]) - (u[1] - origin[1]) * (v[0] - origin[0]);
}

} // namespace

ScreenTriangles::ScreenTriangles(const std::array<float, 16>& projection,
                                 const std::array<int, 4>& viewport, bool cullsBackFaces)
    : viewport_(viewport), cullsBackFaces_(cullsBackFaces) {
    const std::array<int, 3> rows = {0, 1, 3};
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t column = 0; column < 4; ++column) {
            rows_[4 * r + column] = projection[4 * column + static_cast<std::size_t>(rows[r])];
        }
    }
    // Normalised device coordinates span 2 across and up the viewport.
    pixelsPerUnitArea_ = viewport[2] / 2.0 * (viewport[3] / 2.0);
}

ScreenTriangles::Clip ScreenTriangles::clip(const float* eye) const {
    Clip result{};
    for (std::size_t r = 0; r < 3; ++r) {
        const double* row = &rows_[4 * r];
        result[r] = row[0] * eye[0] + row[1] * eye[1] + row[2] * eye[2] + row[3];
    }
    return result;
}

// Twice the signed area in normalised device coordinates is the determinant of the clip
// coordinates (x, y, w) of the corners divided by the product of their w (all above 0 here).
bool ScreenTriangles::turnsAway(const Clip& a, const Clip& b, const Clip& c) const {
    if (a[2] <= 0.0 || b[2] <= 0.0 || c[2] <= 0.0) {
        return false;
    }
    const double determinant = a[0] * (b[1] * c[2] - b[2] * c[1]) -
                               a[1] * (b[0] * c[2] - b[2] * c[0]) +
                               a[2] * (b[0] * c[1] - b[1] * c[0]);
    return determinant * pixelsPerUnitArea_ < -HairTwiceArea * (a[2] * b[2] * c[2]);
}

ScreenTriangles::Point ScreenTriangles::window(const Clip& clip) const {
    return {(clip[0] / clip[2] + 1.0) * viewport_[2] / 2.0 + viewport_[0],
            (clip[1] / clip[2] + 1.0) * viewport_[3] / 2.0 + viewport_[1]};
}

// The centres of pixel (i, j) lie at (i + 1/2, j + 1/2). A centre counts as covered when it
// lies on the inner side of each edge, or no further than the margin outside it.
bool ScreenTriangles::missesEveryPixel(const Clip& a, const Clip& b, const Clip& c) const {
    if (!(a[2] > 0.0 && b[2] > 0.0 && c[2] > 0.0)) {
        return false;
    }
    const std::array<Point, 3> corners = {window(a), window(b), window(c)};
    std::array<int, 2> first{};
    std::array<int, 2> last{};
    for (std::size_t axis = 0; axis < 2; ++axis) {
        const auto [low, high] =
            std::minmax({corners[0][axis], corners[1][axis], corners[2][axis]});
        const int start = viewport_[axis];
        const int end = start + viewport_[axis + 2] - 1;
        first[axis] =
            static_cast<int>(std::max<double>(start, std::ceil(low - CentreMargin - 0.5)));
        last[axis] = static_cast<int>(std::min<double>(end, std::floor(high + CentreMargin - 0.5)));
        if (first[axis] > last[axis]) {
            return true;
        }
    }
    if ((last[0] - first[0] + 1) * (last[1] - first[1] + 1) > MostCentresTested) {
        return false;
    }
    // Edges turned so the inside is on their left, whichever way the triangle turns.
    const bool counterClockwise = cross(corners[0], corners[1], corners[2]) >= 0.0;
    std::array<double, 3> edgeLengths{};
    for (std::size_t k = 0; k < 3; ++k) {
        const Point& from = corners[k];
        const Point& to = corners[(k + 1) % 3];
        edgeLengths[k] = std::hypot(to[0] - from[0], to[1] - from[1]);
    }
    for (int j = first[1]; j <= last[1]; ++j) {
        for (int i = first[0]; i <= last[0]; ++i) {
            const Point centre{i + 0.5, j + 0.5};
            bool inside = true;
            for (std::size_t k = 0; k < 3 && inside; ++k) {
                const double side = cross(corners[k], corners[(k + 1) % 3], centre);
                inside = (counterClockwise ? side : -side) >= -CentreMargin * edgeLengths[k];
            }
            if (inside) {
                return false;
            }
        }
    }
    return true;
}

} // namespace burgeon
