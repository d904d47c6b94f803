#include "imageio/Canvas.h"

#include <algorithm>

namespace burgeon {

namespace {

__extension__ using Wide = __int128;

// Offset along the minor axis at step i of a line that moves `major` steps along its major
// axis and `minor` along the other: the nearest pixel, halves away from the start.
long long minorOffset(long long step, long long major, long long minor) {
    return static_cast<long long>((Wide(2) * step * minor + major) / (Wide(2) * major));
}

// The steps i in [0, steps) whose coordinate start + direction * i lies in [0, size).
void visibleSteps(long long start, int direction, long long size, long long steps, long long& first,
                  long long& last) {
    if (direction > 0) {
        first = std::max(0LL, -start);
        last = std::min(steps - 1, size - 1 - start);
    } else {
        first = std::max(0LL, start - (size - 1));
        last = std::min(steps - 1, start);
    }
}

} // namespace

void Canvas::moveTo(int x, int y) {
    moveToWide(x, y);
}

void Canvas::lineTo(int x, int y) {
    lineToWide(x, y);
}

void Canvas::moveToWide(std::int64_t x, std::int64_t y) {
    x_ = std::clamp(x, -WideLimit, WideLimit);
    y_ = std::clamp(y, -WideLimit, WideLimit);
}

void Canvas::lineToWide(std::int64_t xTarget, std::int64_t yTarget) {
    const long long x = std::clamp(xTarget, -WideLimit, WideLimit);
    const long long y = std::clamp(yTarget, -WideLimit, WideLimit);
    const long long x0 = x_;
    const long long y0 = y_;
    const long long dx = x >= x0 ? x - x0 : x0 - x;
    const long long dy = y >= y0 ? y - y0 : y0 - y;
    const int sx = x >= x0 ? 1 : -1;
    const int sy = y >= y0 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const long long steps = xMajor ? dx : dy;

    // Only the steps whose major coordinate falls inside the image are walked, so a line
    // reaching far outside costs no more than one across the image.
    long long first = 0;
    long long last = -1;
    if (xMajor) {
        visibleSteps(x0, sx, image_.width(), steps, first, last);
    } else {
        visibleSteps(y0, sy, image_.height(), steps, first, last);
    }
    for (long long i = first; i <= last; ++i) {
        const long long offset = minorOffset(i, steps, xMajor ? dy : dx);
        const long long px = xMajor ? x0 + sx * i : x0 + sx * offset;
        const long long py = xMajor ? y0 + sy * offset : y0 + sy * i;
        if (px >= 0 && py >= 0 && px < image_.width() && py < image_.height()) {
            image_.setPixel(static_cast<int>(px), static_cast<int>(py), pen_);
        }
    }
    x_ = x;
    y_ = y;
}

} // namespace burgeon
