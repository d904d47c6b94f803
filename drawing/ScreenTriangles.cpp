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

using Point = std::array<double, 2>;

// Rounding up and down for values well within an int's range: cheaper than std::ceil and
// std::floor where the processor has no instruction for them.
int wholeAtOrAbove(double value) {
    const auto whole = static_cast<int>(value);
    return value > whole ? whole + 1 : whole;
}

int wholeAtOrBelow(double value) {
    const auto whole = static_cast<int>(value);
    return value < whole ? whole - 1 : whole;
}

double cross(const Point& origin, const Point& u, const Point& v) {
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
    for (std::size_t axis = 0; axis < 2; ++axis) {
        halfSize_[axis] = viewport[axis + 2] / 2.0;
        middle_[axis] = viewport[axis] + halfSize_[axis];
        // Just beyond the viewport, where whole numbers stay small.
        heldFrom_[axis] = viewport[axis] - 1.0;
        heldTo_[axis] = viewport[axis] + viewport[axis + 2];
    }
}

ScreenTriangles::Clip ScreenTriangles::clipThrough(const ClipRows& rows, const float* point) const {
    const auto row = [&](std::size_t r) {
        const double* m = &rows[4 * r];
        return m[0] * point[0] + m[1] * point[1] + m[2] * point[2] + m[3];
    };
    Clip result{row(0), row(1), row(2)};
    if (result.w > 0.0) {
        const double inverse = 1.0 / result.w;
        result.windowX = result.x * inverse * halfSize_[0] + middle_[0];
        result.windowY = result.y * inverse * halfSize_[1] + middle_[1];
        const std::array<double, 2> window = {result.windowX, result.windowY};
        for (std::size_t axis = 0; axis < 2; ++axis) {
            const auto held = [&](double value) {
                return std::max(heldFrom_[axis], std::min(heldTo_[axis], value));
            };
            result.firstCentre[axis] = wholeAtOrAbove(held(window[axis] - CentreMargin - 0.5));
            result.lastCentre[axis] = wholeAtOrBelow(held(window[axis] + CentreMargin - 0.5));
        }
    }
    return result;
}

// The turn is the sign of twice the triangle's area in window coordinates; counter-clockwise
// is positive.
double ScreenTriangles::twiceArea(const Clip& a, const Clip& b, const Clip& c) {
    return (b.windowX - a.windowX) * (c.windowY - a.windowY) -
           (b.windowY - a.windowY) * (c.windowX - a.windowX);
}

bool ScreenTriangles::shows(const Clip& a, const Clip& b, const Clip& c) const {
    if (!inFront(a, b, c)) {
        return true;
    }
    const double area = twiceArea(a, b, c);
    if (cullsBackFaces_ && area < -HairTwiceArea) {
        return false;
    }
    return !missesEveryCentre(a, b, c, area >= 0.0);
}

bool ScreenTriangles::turnsAway(const Clip& a, const Clip& b, const Clip& c) const {
    return inFront(a, b, c) && twiceArea(a, b, c) < -HairTwiceArea;
}

// The centres of pixel (i, j) lie at (i + 1/2, j + 1/2). A centre counts as covered when it
// lies on the inner side of each edge, or no further than the margin outside it.
bool ScreenTriangles::missesEveryCentre(const Clip& a, const Clip& b, const Clip& c,
                                        bool counterClockwise) const {
    const std::array<Point, 3> corners = {Point{a.windowX, a.windowY}, Point{b.windowX, b.windowY},
                                          Point{c.windowX, c.windowY}};
    // Rounding keeps order, so the triangle's centres to look at run from the least of its
    // corners' first centres to the most of their last ones.
    std::array<int, 2> first{};
    std::array<int, 2> last{};
    for (std::size_t axis = 0; axis < 2; ++axis) {
        first[axis] =
            std::max(viewport_[axis],
                     std::min({a.firstCentre[axis], b.firstCentre[axis], c.firstCentre[axis]}));
        last[axis] =
            std::min(viewport_[axis] + viewport_[axis + 2] - 1,
                     std::max({a.lastCentre[axis], b.lastCentre[axis], c.lastCentre[axis]}));
        if (first[axis] > last[axis]) {
            return true;
        }
    }
    if ((last[0] - first[0] + 1) * (last[1] - first[1] + 1) > MostCentresTested) {
        return false;
    }
    // Each edge as a side value that grows inward, whichever way the triangle turns: its
    // value at the first centre and its steps to the next column and row. A centre outside
    // an edge by a side value s lies s / length from it.
    const double inward = counterClockwise ? 1.0 : -1.0;
    std::array<double, 3> firstValue{};
    std::array<double, 3> columnStep{};
    std::array<double, 3> rowStep{};
    std::array<double, 3> lowest{};
    const Point firstCentre{first[0] + 0.5, first[1] + 0.5};
    for (std::size_t k = 0; k < 3; ++k) {
        const Point& from = corners[k];
        const Point& to = corners[(k + 1) % 3];
        const double dx = to[0] - from[0];
        const double dy = to[1] - from[1];
        firstValue[k] = inward * cross(from, to, firstCentre);
        columnStep[k] = -inward * dy;
        rowStep[k] = inward * dx;
        lowest[k] = -CentreMargin * std::sqrt(dx * dx + dy * dy);
    }
    const int columns = last[0] - first[0] + 1;
    const int rows = last[1] - first[1] + 1;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            bool inside = true;
            for (std::size_t k = 0; k < 3 && inside; ++k) {
                inside = firstValue[k] + column * columnStep[k] + row * rowStep[k] >= lowest[k];
            }
            if (inside) {
                return false;
            }
        }
    }
    return true;
}

} // namespace burgeon
