#pragma once

#include <array>

namespace burgeon {

// Which way a triangle in eye space turns on the screen, as the pipeline decides it when it
// culls back faces: counter-clockwise in window coordinates is the front. A triangle known to
// turn away need not be sent at all.
class ScreenFacing {
public:
    // Clip coordinates x, y and w (z does not matter for the turn).
    using Clip = std::array<double, 3>;

    // Column-major projection, as the pipeline keeps it.
    ScreenFacing(const std::array<float, 16>& projection, int viewportWidth, int viewportHeight);

    Clip clip(const float* eye) const;
    // Whether the triangle turns its back to the eye by more than a hundredth of a pixel's
    // area, so that culling leaves no pixel of it. One that reaches the eye's plane or behind
    // it is left to the pipeline, which clips it first.
    bool turnsAway(const Clip& a, const Clip& b, const Clip& c) const;

private:
    std::array<double, 12> rows_{}; // rows x, y and w of the projection
    double pixelsPerUnitArea_ = 0.0;
};

} // namespace burgeon
