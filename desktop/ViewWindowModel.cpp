#include "desktop/ViewWindowModel.h"

#include "render/ViewTransform.h"

#include <filesystem>

namespace burgeon {

ViewWindowModel::ViewWindowModel(AppState& state, UserInterface& ui, FrameCanvas* canvas)
    : meshExport(state.project, state.clock, ui), state_(state), ui_(ui),
      rendererCanvas_(state.project), frames_(canvas != nullptr ? *canvas : rendererCanvas_,
                                              state.project, state.animation, state.captureRun),
      pacingClock_(&state.clock) {
    window.setVisible(false);
    rendererCanvas_.captionChanged = [this](const std::string& caption) {
        window.setCaption(caption);
    };
    frames_.setTimeBarMaximum = [&state](int maximum) {
        state.animationPage.timeBar.setMaximum(maximum);
    };

    AnimationPage& page = state.animationPage;
    page.resizeView = [this] {
        if (resizeView) {
            resizeView();
        }
    };
    page.workingFolder = [] { return std::filesystem::current_path().string(); };
}

void ViewWindowModel::create(const ScreenArea& screen, const WindowRect& toolFrame) {
    auto& animation = state_.animation;
    animation.animationPaused = false;
    state_.project.animation.currentTime = 1.0;
    animation.paintBusy = true;
    state_.project.view.showAxes = false;
    burgeon::resetView(state_.project.view);
    state_.project.leafTextures.leafTextureCount = 0;
    place(screen, toolFrame);
}

void ViewWindowModel::place(const ScreenArea& screen, const WindowRect& toolFrame) {
    geometry = viewWindowPlacement(screen, toolFrame, frame);
    window.views.notify();
}

void ViewWindowModel::showWindow() {
    if (window.visible()) {
        return;
    }
    window.setVisible(true);
    showEvent();
}

void ViewWindowModel::showEvent() {
    state_.animation.paintBusy = false;
    state_.animation.animationPaused = false;
    changed();
}

void ViewWindowModel::windowClosed() {
    window.setVisible(false);
}

std::optional<ViewWindowModel::FrameDone> ViewWindowModel::paint() {
    frameStart_ = now();
    return guardedFrame(true);
}

std::optional<ViewWindowModel::FrameDone> ViewWindowModel::guardedFrame(bool repaint) {
    AnimationState& animation = state_.animation;
    if (animation.paintBusy) {
        return std::nullopt;
    }
    animation.paintBusy = true;
    const double timeBefore = state_.project.animation.currentTime;
    int delay = 0;
    try {
        delay = frames_.renderFrame();
    } catch (...) {
        // No frame may leave drawing suspended.
        animation.paintBusy = false;
        throw;
    }
    if (repaint && repaintWindow) {
        repaintWindow();
    }
    animation.paintBusy = false;
    // A frame drawn in a paint message is shown when the message ends; the next one is paced.
    const FrameDone done{delay, pictureCanChange(timeBefore)};
    pacer_.frameDrawn(frameStart_, now(), done.delay, done.pictureCanChange);
    return done;
}

bool ViewWindowModel::pictureCanChange(double timeDrawn) const {
    // A wind of 1 turns the leaves by nothing; the time compared is the one the frame began
    // with, so a time cut to hundredths, stepped, clamped or looped all count as a move.
    const AnimationState& animation = state_.animation;
    return !animation.animationPaused || state_.project.parameters.wind > 1 ||
           animation.captureActive || state_.project.animation.currentTime != timeDrawn;
}

bool ViewWindowModel::paintWhenDue() {
    const auto wait = untilNextFrame();
    if (!wait || *wait > 0) {
        return false;
    }
    return paint().has_value();
}

std::optional<std::int64_t> ViewWindowModel::untilNextFrame() {
    if (state_.animation.paintBusy || !window.visible()) {
        return std::nullopt;
    }
    return pacer_.untilNextFrame(now());
}

void ViewWindowModel::changed() {
    pacer_.changed(now());
    request();
}

void ViewWindowModel::timerTick() {
    request();
}

void ViewWindowModel::mouseDown(int x, int y) {
    ViewState& view = state_.project.view;
    view.dragStartX = x;
    view.dragStartY = y;
}

void ViewWindowModel::mouseMove(int x, int y, bool leftHeld, bool rightHeld) {
    frameStart_ = now();
    ViewState& view = state_.project.view;
    const auto dragTo = [&] {
        view.dragYaw = static_cast<float>((x - view.dragStartX) / 2.0);
        view.dragPitch = static_cast<float>((y - view.dragStartY) / 2.0);
    };
    bool drawn = true;
    if (leftHeld) {
        dragTo();
        drawn = guardedFrame(true).has_value();
    }
    if (drawn && rightHeld) {
        // The right button turns the plant without repainting the rest of the window.
        dragTo();
        drawn = guardedFrame(false).has_value();
    }
    if (drawn) {
        ui_.setStatusText("Plant Visualization");
    }
    if (leftHeld || rightHeld) {
        changed();
    }
}

void ViewWindowModel::mouseUp() {
    ViewState& view = state_.project.view;
    view.mouseYaw += view.dragYaw;
    view.dragYaw = 0.0f;
    view.mousePitch += view.dragPitch;
    view.dragPitch = 0.0f;
}

void ViewWindowModel::doubleClick() {
    state_.animation.viewMaximised = !state_.animation.viewMaximised;
    window.views.notify();
}

void ViewWindowModel::windowMaximised(bool maximised) {
    state_.animation.viewMaximised = maximised;
}

void ViewWindowModel::start() {
    state_.animation.paintBusy = false;
    state_.animation.animationPaused = false;
    changed();
}

void ViewWindowModel::stop() {
    state_.animation.animationPaused = true;
    changed();
}

void ViewWindowModel::reset() {
    burgeon::resetView(state_.project.view);
    // A nudge after "Reset" moves on from the view it shows, not from the sliders' old places.
    state_.animationPage.followCamera();
    changed();
}

void ViewWindowModel::toggleAxes() {
    state_.project.view.showAxes = !state_.project.view.showAxes;
    changed();
}

// Every segment with all its slices, or each as finely as its size on screen asks.
void ViewWindowModel::toggleFullDetail() {
    DrawingDetail& detail = state_.project.view.detail;
    detail = detail == DrawingDetail::Full ? DrawingDetail::Auto : DrawingDetail::Full;
    changed();
}

void ViewWindowModel::capture() {
    // Restarts the prepared run; without one there is nothing to restart.
    if (state_.captureRun.hasTools()) {
        state_.project.animation.currentTime = state_.animation.captureFirst - 1;
        state_.animation.captureActive = true;
    }
    changed();
}

void ViewWindowModel::exportMesh() {
    meshExport.exportWithDialog();
}

void ViewWindowModel::exit() {
    if (mayQuit && !mayQuit()) {
        return; // the person kept the plant's unsaved changes
    }
    state_.project.animation.currentTime = 0.0;
    state_.animation.paintBusy = true;
    if (quitApplication) {
        quitApplication();
    }
}

void ViewWindowModel::request() {
    if (requestFrame) {
        requestFrame();
    }
}

} // namespace burgeon
