#pragma once

#include "render/FrameCanvas.h"
#include "render/Renderer.h"

namespace burgeon {

// The frame routine's canvas: the renderer's frame steps on a panel of a fixed size.
class RendererCanvas : public FrameCanvas {
public:
    RendererCanvas(Renderer& renderer, int width, int height)
        : renderer_(renderer), width_(width), height_(height) {}

    void beginFrame() override { renderer_.beginFrame(); }
    void applyViewTransform() override { renderer_.applyViewTransform(); }
    void drawLand() override { renderer_.drawLand(); }
    void drawAxes() override { renderer_.drawAxes(); }
    void rotateTurntable(double degrees) override { renderer_.rotateTurntable(degrees); }
    void drawPlant(double time) override { renderer_.drawPlant(time); }
    void endFrame() override { renderer_.endFrame(); }
    RgbImage grabShownPixels(int width, int height) override {
        return renderer_.grabShownPixels(width, height);
    }
    int panelWidth() const override { return width_; }
    int panelHeight() const override { return height_; }
    void setCaption(const std::string& caption) override { renderer_.setCaption(caption); }

private:
    Renderer& renderer_;
    int width_;
    int height_;
};

} // namespace burgeon
