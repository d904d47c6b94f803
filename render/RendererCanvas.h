#pragma once

#include "frame/FrameCanvas.h"

#include <functional>
#include <string>

namespace burgeon {

class Renderer;
struct PlantProject;

// The frame routine's canvas: the renderer's frame steps on a panel of a given size. Until a
// renderer is attached (the desktop view before its rendering context exists, tests without
// one) the steps draw nothing and the shown picture is the background colour, so the time,
// the caption and a capture run still go on.
class RendererCanvas : public FrameCanvas {
public:
    explicit RendererCanvas(const PlantProject& project) : project_(project) {}
    RendererCanvas(const PlantProject& project, Renderer& renderer, int width, int height);

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
    void setCaption(const std::string& caption) override;

    // Told each caption a frame sets (the view window shows it as its title).
    std::function<void(const std::string&)> captionChanged;

private:
    const PlantProject& project_;
    Renderer* renderer_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace burgeon
