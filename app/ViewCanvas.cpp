#include "app/ViewCanvas.h"

#include "render/Renderer.h"

namespace burgeon {

ViewCanvas::ViewCanvas(AppState& state, ControlModel& window) : state_(state), window_(window) {}

void ViewCanvas::setPanelSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void ViewCanvas::beginFrame() {
    if (renderer_ != nullptr) {
        renderer_->beginFrame();
    }
}

void ViewCanvas::applyViewTransform() {
    if (renderer_ != nullptr) {
        renderer_->applyViewTransform();
    }
}

void ViewCanvas::drawLand() {
    if (renderer_ != nullptr) {
        renderer_->drawLand();
    }
}

void ViewCanvas::drawAxes() {
    if (renderer_ != nullptr) {
        renderer_->drawAxes();
    }
}

void ViewCanvas::rotateTurntable(double degrees) {
    if (renderer_ != nullptr) {
        renderer_->rotateTurntable(degrees);
    }
}

void ViewCanvas::drawPlant(double time) {
    if (renderer_ != nullptr) {
        renderer_->drawPlant(time);
    }
}

void ViewCanvas::endFrame() {
    if (renderer_ != nullptr) {
        renderer_->endFrame();
    }
}

RgbImage ViewCanvas::grabShownPixels(int width, int height) {
    if (renderer_ != nullptr) {
        return renderer_->grabShownPixels(width, height);
    }
    return RgbImage(std::max(0, width), std::max(0, height),
                    state_.project.materials.BackgroundColor);
}

} // namespace burgeon
