#include "render/RendererCanvas.h"

#include "project/PlantProject.h"
#include "render/Renderer.h"

#include <algorithm>

namespace burgeon {

RendererCanvas::RendererCanvas(const PlantProject& project, Renderer& renderer, int width,
                               int height)
    : project_(project), renderer_(&renderer), width_(width), height_(height) {}

void RendererCanvas::setPanelSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void RendererCanvas::beginFrame() {
    if (renderer_ != nullptr) {
        renderer_->beginFrame();
    }
}

void RendererCanvas::applyViewTransform() {
    if (renderer_ != nullptr) {
        renderer_->applyViewTransform();
    }
}

void RendererCanvas::drawLand() {
    if (renderer_ != nullptr) {
        renderer_->drawLand();
    }
}

void RendererCanvas::drawAxes() {
    if (renderer_ != nullptr) {
        renderer_->drawAxes();
    }
}

void RendererCanvas::rotateTurntable(double degrees) {
    if (renderer_ != nullptr) {
        renderer_->rotateTurntable(degrees);
    }
}

void RendererCanvas::drawPlant(double time) {
    if (renderer_ != nullptr) {
        renderer_->drawPlant(time);
    }
}

void RendererCanvas::endFrame() {
    if (renderer_ != nullptr) {
        renderer_->endFrame();
    }
}

RgbImage RendererCanvas::grabShownPixels(int width, int height) {
    if (renderer_ != nullptr) {
        return renderer_->grabShownPixels(width, height);
    }
    return RgbImage(std::max(0, width), std::max(0, height), project_.materials.backgroundColor);
}

void RendererCanvas::setCaption(const std::string& caption) {
    if (captionChanged) {
        captionChanged(caption);
    }
}

} // namespace burgeon
