#pragma once

#include "app/AppState.h"
#include "base/Controls.h"
#include "render/FrameCanvas.h"

namespace burgeon {

class Renderer;

// The frame steps on the view's renderer. Until the view has a rendering context (and in
// tests without one) the steps draw nothing, so time, caption and capture still run.
class ViewCanvas : public FrameCanvas {
public:
    ViewCanvas(AppState& state, ControlModel& window);

    void attach(Renderer* renderer) { renderer_ = renderer; }
    void setPanelSize(int width, int height);

    void beginFrame() override;
    void applyViewTransform() override;
    void drawLand() override;
    void drawAxes() override;
    void rotateTurntable(double degrees) override;
    void drawPlant(double time) override;
    void endFrame() override;
    RgbImage grabShownPixels(int width, int height) override;
    int panelWidth() const override { return width_; }
    int panelHeight() const override { return height_; }
    void setCaption(const std::string& caption) override { window_.setCaption(caption); }

private:
    AppState& state_;
    ControlModel& window_;
    Renderer* renderer_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace burgeon
