#include "desktop/ViewWindow.h"

#include <filesystem>

namespace burgeon {

ViewWindow::ViewWindow(AppState& state, UserInterface& ui)
    : meshExport(state.project, state.clock, ui), state_(state), ui_(ui), canvas_(state.project),
      frames_(canvas_, state.project, state.animation, state.captureRun),
      model_(frames_, state.project, state.animation, state.captureRun, ui),
      pacingClock_(&state.clock) {
    window.setVisible(false);
    canvas_.captionChanged = [this](const std::string& caption) { window.setCaption(caption); };
    frames_.setTimeBarMaximum = [&state](int maximum) {
        state.animationPage.timeBar.setMaximum(maximum);
    };
    model_.setMaximised = [this](bool) { window.views.notify(); };
    model_.terminateApplication = [this] {
        if (quitApplication) {
            quitApplication();
        }
    };
    // A frame drawn in a paint message is shown when the message ends; the next one is paced.
    model_.frameDrawn = [this](const ViewWindowModel::FrameDone& done) {
        pacer_.frameDrawn(frameStart_, now(), done.delay, done.pictureCanChange);
    };

    AnimationPage& page = state.animationPage;
    page.resizeView = [this] {
        if (resizeView) {
            resizeView();
        }
    };
    page.workingFolder = [] { return std::filesystem::current_path().string(); };
}

void ViewWindow::create(const ScreenArea& screen, const WindowRect& toolWindow) {
    geometry = viewWindowPlacement(screen, toolWindow);
    auto& animation = state_.animation;
    animation.animationPaused = false;
    state_.project.animation.currentTime = 1.0;
    animation.paintBusy = true;
    state_.project.view.showAxes = false;
    model_.onResetClicked();
    state_.project.leafTextures.leafTextureCount = 0;
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
    model_.show();
    changed();
}

std::optional<int> ViewWindow::paint() {
    frameStart_ = now();
    return model_.paint();
}

bool ViewWindow::paintWhenDue() {
    const auto wait = untilNextFrame();
    if (!wait || *wait > 0) {
        return false;
    }
    return paint().has_value();
}

std::optional<std::int64_t> ViewWindow::untilNextFrame() {
    if (state_.animation.paintBusy || !window.visible()) {
        return std::nullopt;
    }
    return pacer_.untilNextFrame(now());
}

void ViewWindow::changed() {
    pacer_.changed(now());
    request();
}

void ViewWindow::timerTick() {
    request();
}

void ViewWindow::mouseDown(int x, int y) {
    model_.mouseDown(x, y);
}

void ViewWindow::mouseMove(int x, int y, bool leftHeld, bool rightHeld) {
    frameStart_ = now();
    model_.mouseMove(x, y, leftHeld, rightHeld);
    if (leftHeld || rightHeld) {
        changed();
    }
}

void ViewWindow::mouseUp() {
    model_.mouseUp();
}

void ViewWindow::doubleClick() {
    model_.doubleClick();
}

void ViewWindow::windowMaximised(bool maximised) {
    state_.animation.viewMaximised = maximised;
}

void ViewWindow::start() {
    model_.onStartClicked();
    changed();
}

void ViewWindow::stop() {
    model_.onStopClicked();
    changed();
}

void ViewWindow::reset() {
    model_.onResetClicked();
    changed();
}

void ViewWindow::toggleAxes() {
    model_.onShowAxesClicked();
    changed();
}

// Every segment with all its slices, or each as finely as its size on screen asks.
void ViewWindow::toggleFullDetail() {
    DrawingDetail& detail = state_.project.view.detail;
    detail = detail == DrawingDetail::Full ? DrawingDetail::Auto : DrawingDetail::Full;
    changed();
}

void ViewWindow::capture() {
    model_.onCaptureClicked();
    changed();
}

void ViewWindow::exportMesh() {
    meshExport.exportWithDialog();
}

void ViewWindow::exit() {
    model_.onExitClicked();
}

void ViewWindow::request() {
    if (requestFrame) {
        requestFrame();
    }
}

} // namespace burgeon
