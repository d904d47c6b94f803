#include "drawing/ScreenFacing.h"

namespace burgeon {

namespace {

// Less than this twice-area in pixels is a hair the pipeline may judge either way.
constexpr double HairTwiceArea = 0.02;

} // namespace

ScreenFacing::ScreenFacing(const std::array<float, 16>& projection, int viewportWidth,
                           int viewportHeight) {
    const std::array<int, 3> rows = {0, 1, 3};
    for (std::size_t r = 0; r < 3; ++r) {
        for (std::size_t column = 0; column < 4; ++column) {
            rows_[4 * r + column] = projection[4 * column + static_cast<std::size_t>(rows[r])];
        }
    }
    // Normalised device coordinates span 2 across and up the viewport.
    pixelsPerUnitArea_ = viewportWidth / 2.0 * (viewportHeight / 2.0);
}

ScreenFacing::Clip ScreenFacing::clip(const float* eye) const {
    Clip result{};
    for (std::size_t r = 0; r < 3; ++r) {
        const double* row = &rows_[4 * r];
        result[r] = row[0] * eye[0] + row[1] * eye[1] + row[2] * eye[2] + row[3];
    }
    return result;
}

// Twice the signed area in normalised device coordinates is the determinant of the clip
// coordinates (x, y, w) of the corners divided by the product of their w (all above 0 here).
bool ScreenFacing::turnsAway(const Clip& a, const Clip& b, const Clip& c) const {
    if (a[2] <= 0.0 || b[2] <= 0.0 || c[2] <= 0.0) {
        return false;
    }
    const double determinant = a[0] * (b[1] * c[2] - b[2] * c[1]) -
                               a[1] * (b[0] * c[2] - b[2] * c[0]) +
                               a[2] * (b[0] * c[1] - b[1] * c[0]);
    return determinant * pixelsPerUnitArea_ < -HairTwiceArea * (a[2] * b[2] * c[2]);
}

} // namespace burgeon
