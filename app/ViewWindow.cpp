#include "app/ViewWindow.h"

namespace burgeon {

ViewWindow::ViewWindow(AppState& state, UserInterface& ui) : state_(state), ui_(ui) {
    window.setVisible(false);
}

RenderInputs ViewWindow::renderInputs() {
    RenderInputs inputs;
    inputs.plant = &state_.plant;
    inputs.parameters = &state_.parameters;
    inputs.sliders = &sliderHeld_;
    inputs.curves = &state_.curves;
    inputs.view = &state_.view;
    inputs.materials = &state_.materials;
    inputs.leaf = &state_.leafSurface;
    inputs.flower = &state_.flowerSurface;
    inputs.placement = &state_.placement;
    inputs.leafTextures = &state_.leafTextures;
    inputs.clock = &state_.clock;
    return inputs;
}

void ViewWindow::create(const ScreenArea& screen, const WindowRect& toolWindow) {
    geometry = viewWindowPlacement(screen, toolWindow);
    auto& animation = state_.animation;
    animation.AnimationPaused = false;
    animation.CurrentTime = 1.0;
    animation.PaintBusy = true;
    state_.view.ShowAxes = false;
    reset();
    state_.leafTextures.LeafTextureCount = 0;
    window.views.notify();
}

void ViewWindow::showWindow() {
    if (window.visible()) {
        return;
    }
    window.setVisible(true);
    showEvent();
}

void ViewWindow::showEvent() {
    state_.animation.PaintBusy = false;
    state_.animation.AnimationPaused = false;
    request();
}

bool ViewWindow::paint() {
    auto& animation = state_.animation;
    if (animation.PaintBusy) {
        return false;
    }
    animation.PaintBusy = true;
    sliderHeld_ = state_.parameterPage.sliderHeld();
    if (renderFrame) {
        renderFrame();
    }
    animation.PaintBusy = false;
    return true;
}

void ViewWindow::timerTick() {
    request();
}

void ViewWindow::mouseDown(int x, int y) {
    state_.view.DragStartX = x;
    state_.view.DragStartY = y;
}

void ViewWindow::mouseMove(int x, int y, bool leftHeld, bool rightHeld) {
    if (!leftHeld && !rightHeld) {
        ui_.setStatusText("Plant Visualization");
        return;
    }
    auto& view = state_.view;
    view.DragYaw = static_cast<float>(x - view.DragStartX) / 2.0f;
    view.DragPitch = static_cast<float>(y - view.DragStartY) / 2.0f;
    if (state_.animation.PaintBusy) {
        return;
    }
    request();
    ui_.setStatusText("Plant Visualization");
}

void ViewWindow::mouseUp() {
    auto& view = state_.view;
    view.MouseYaw += view.DragYaw;
    view.DragYaw = 0.0f;
    view.MousePitch += view.DragPitch;
    view.DragPitch = 0.0f;
}

void ViewWindow::doubleClick() {
    state_.animation.ViewMaximised = !state_.animation.ViewMaximised;
    window.views.notify();
}

void ViewWindow::start() {
    state_.animation.PaintBusy = false;
    state_.animation.AnimationPaused = false;
    request();
}

void ViewWindow::stop() {
    state_.animation.AnimationPaused = true;
}

void ViewWindow::reset() {
    auto& view = state_.view;
    view.RotationX = view.RotationY = view.RotationZ = 0.0;
    view.TranslationX = 0.0;
    view.TranslationY = -3.0;
    view.TranslationZ = -14.0;
}

void ViewWindow::toggleAxes() {
    state_.view.ShowAxes = !state_.view.ShowAxes;
}

void ViewWindow::capture() {
    if (!captureRunPrepared || !captureRunPrepared()) {
        return;
    }
    state_.animation.CurrentTime = state_.animation.CaptureFirst - 1;
    state_.animation.CaptureActive = true;
}

void ViewWindow::exit() {
    state_.animation.CurrentTime = 0.0;
    state_.animation.PaintBusy = true;
    if (quitApplication) {
        quitApplication();
    }
}

void ViewWindow::request() {
    if (requestFrame) {
        requestFrame();
    }
}

} // namespace burgeon
