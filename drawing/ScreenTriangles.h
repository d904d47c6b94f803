#pragma once

#include <array>

namespace burgeon {

// Where a triangle in eye space lands on the screen, as the pipeline rasterises it: which way
// it turns (counter-clockwise in window coordinates is the front, and back faces may be
// culled) and which pixel centres it covers. A triangle the pipeline would draw no pixel of
// need not be sent at all; most triangles of a shape a few pixels across cover no centre.
class ScreenTriangles {
public:
    // A corner on the screen: its clip coordinates x, y and w (z does not matter for the turn
    // or the pixels) and, in front of the eye's plane, its window coordinates and the columns
    // and rows of pixel centres within the margin of it on either side (first, last), held to
    // just beyond the viewport. A triangle's centres to look at are those its corners' ranges
    // span, found without rounding again for every triangle a corner belongs to.
    struct Clip {
        double x = 0.0;
        double y = 0.0;
        double w = 0.0;
        double windowX = 0.0;
        double windowY = 0.0;
        std::array<int, 2> firstCentre{}; // column, row
        std::array<int, 2> lastCentre{};
    };

    // Column-major projection, as the pipeline keeps it; the viewport as x, y, width and
    // height; whether the pipeline culls back faces.
    ScreenTriangles(const std::array<float, 16>& projection, const std::array<int, 4>& viewport,
                    bool cullsBackFaces);

    // Rows x, y and w of a 4 x 4 matrix taking points to clip coordinates, each row's four in
    // column order.
    using ClipRows = std::array<double, 12>;

    Clip clip(const float* eye) const { return clipThrough(rows_, eye); }
    // The corner of a point that other rows take to clip coordinates: the projection's rows
    // times a placing of the point, for a caller that skips eye space.
    Clip clipThrough(const ClipRows& rows, const float* point) const;
    const ClipRows& projectionRows() const { return rows_; }
    // Whether the pipeline would draw a pixel of the triangle: it is neither culled nor
    // clear of every pixel centre.
    bool shows(const Clip& a, const Clip& b, const Clip& c) const;
    // Whether the triangle turns its back to the eye by more than a hundredth of a pixel's
    // area, so that culling leaves no pixel of it. One that reaches the eye's plane or behind
    // it is left to the pipeline, which clips it first.
    bool turnsAway(const Clip& a, const Clip& b, const Clip& c) const;

private:
    // Whether every corner lies in front of the eye's plane, where the pipeline need not clip.
    static bool inFront(const Clip& a, const Clip& b, const Clip& c) {
        return a.w > 0.0 && b.w > 0.0 && c.w > 0.0;
    }
    static double twiceArea(const Clip& a, const Clip& b, const Clip& c);
    // Whether no pixel centre of the viewport lies in a triangle in front of the eye, or within
    // a small margin of it (the pipeline snaps corners to a fraction of a pixel and breaks ties
    // on edges by its own rules). Only small triangles are looked into; a larger one is taken
    // to cover some.
    bool missesEveryCentre(const Clip& a, const Clip& b, const Clip& c,
                           bool counterClockwise) const;

    ClipRows rows_{}; // of the projection
    std::array<int, 4> viewport_{};
    // For each axis: half the viewport's size, its centre, and the least and most window
    // coordinate a corner's centre range is held to.
    std::array<double, 2> halfSize_{};
    std::array<double, 2> middle_{};
    std::array<double, 2> heldFrom_{};
    std::array<double, 2> heldTo_{};
    bool cullsBackFaces_ = false;
};

} // namespace burgeon
