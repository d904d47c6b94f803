#pragma once

#include "imageio/RgbImage.h"

#include <string>

namespace burgeon {

// What one frame needs from the renderer and the view window, in the order the frame uses
// it. The OpenGL view and the headless context implement it; tests use a fake.
class FrameCanvas {
public:
    virtual ~FrameCanvas() = default;

    virtual void beginFrame() = 0; // clear to the background colour
    virtual void applyViewTransform() = 0;
    virtual void drawLand() = 0;
    virtual void drawAxes() = 0;
    // Turns what is drawn next about the vertical axis (0, 1, 0).
    virtual void rotateTurntable(double degrees) = 0;
    virtual void drawPlant(double time) = 0;
    virtual void endFrame() = 0; // buffer swap: what was drawn becomes the shown picture

    // The picture shown on the panel now, that is the frame before the one being drawn:
    // width x height pixels from its top-left corner, clipped to the panel.
    virtual RgbImage grabShownPixels(int width, int height) = 0;
    virtual int panelWidth() const = 0;
    virtual int panelHeight() const = 0;

    virtual void setCaption(const std::string& caption) = 0;
};

} // namespace burgeon
