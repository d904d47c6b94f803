#pragma once

#include "imageio/RgbImage.h"

namespace burgeon {

// The window-system side of a view: the surface the frames are drawn on. The desktop view
// and the headless context both provide it.
class RenderHost {
public:
    virtual ~RenderHost() = default;
    virtual void makeCurrent() = 0;
    // Shows the finished frame; from then on it is the shown frame.
    virtual void swapBuffers() = 0;
    // The frame being drawn: width x height pixels from its top-left corner, clipped.
    virtual RgbImage readPixels(int width, int height) = 0;
    // The last frame shown (the one before the frame being drawn), the same way.
    virtual RgbImage shownPixels(int width, int height) = 0;
};

} // namespace burgeon
