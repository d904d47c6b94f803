#include "desktop/ViewWindowModel.h"

namespace burgeon {

ViewWindowModel::ViewWindowModel(FrameRoutine& frames, PlantProject& project,
                                 AnimationState& animation, CaptureRun& capture, UserInterface& ui)
    : frames_(frames), parameters_(project.parameters), view_(project.view),
      settings_(project.animation), animation_(animation), capture_(capture), ui_(ui) {}

std::optional<int> ViewWindowModel::paint() {
    return guardedFrame(true);
}

std::optional<int> ViewWindowModel::guardedFrame(bool repaint) {
    if (animation_.paintBusy) {
        return std::nullopt;
    }
    animation_.paintBusy = true;
    const double timeBefore = settings_.currentTime;
    int delay = 0;
    try {
        delay = frames_.renderFrame();
    } catch (...) {
        // No frame may leave drawing suspended.
        animation_.paintBusy = false;
        throw;
    }
    if (repaint && repaintWindow) {
        repaintWindow();
    }
    animation_.paintBusy = false;
    if (frameDrawn) {
        frameDrawn(FrameDone{delay, pictureCanChange(timeBefore)});
    }
    return delay;
}

bool ViewWindowModel::pictureCanChange(double timeDrawn) const {
    // A wind of 1 turns the leaves by nothing; the time compared is the one the frame began
    // with, so a time cut to hundredths, stepped, clamped or looped all count as a move.
    return !animation_.animationPaused || parameters_.wind > 1 || animation_.captureActive ||
           settings_.currentTime != timeDrawn;
}

void ViewWindowModel::show() {
    animation_.paintBusy = false;
    animation_.animationPaused = false;
}

void ViewWindowModel::onStartClicked() {
    animation_.paintBusy = false;
    animation_.animationPaused = false;
}

void ViewWindowModel::onStopClicked() {
    animation_.animationPaused = true;
}

void ViewWindowModel::onResetClicked() {
    // Only the slider rotations and the translation; the mouse angles, zoom, scale and time
    // stay.
    view_.rotationX = 0.0;
    view_.rotationY = 0.0;
    view_.rotationZ = 0.0;
    view_.translationX = 0.0;
    view_.translationY = -3.0;
    view_.translationZ = -14.0;
}

void ViewWindowModel::onShowAxesClicked() {
    view_.showAxes = !view_.showAxes;
}

void ViewWindowModel::onCaptureClicked() {
    // Restarts the prepared run; without one there is nothing to restart.
    if (!capture_.hasTools()) {
        return;
    }
    settings_.currentTime = animation_.captureFirst - 1;
    animation_.captureActive = true;
}

void ViewWindowModel::onExitClicked() {
    settings_.currentTime = 0.0;
    animation_.paintBusy = true;
    if (terminateApplication) {
        terminateApplication();
    }
}

void ViewWindowModel::mouseDown(int x, int y) {
    view_.dragStartX = x;
    view_.dragStartY = y;
}

void ViewWindowModel::mouseMove(int x, int y, bool leftHeld, bool rightHeld) {
    const auto dragTo = [&] {
        view_.dragYaw = static_cast<float>((x - view_.dragStartX) / 2.0);
        view_.dragPitch = static_cast<float>((y - view_.dragStartY) / 2.0);
    };
    if (leftHeld) {
        dragTo();
        if (!guardedFrame(true)) {
            return;
        }
    }
    if (rightHeld) {
        // The right button turns the plant without repainting the rest of the window.
        dragTo();
        if (!guardedFrame(false)) {
            return;
        }
    }
    ui_.setStatusText("Plant Visualization");
}

void ViewWindowModel::mouseUp() {
    view_.mouseYaw += view_.dragYaw;
    view_.dragYaw = 0.0f;
    view_.mousePitch += view_.dragPitch;
    view_.dragPitch = 0.0f;
}

void ViewWindowModel::doubleClick() {
    animation_.viewMaximised = !animation_.viewMaximised;
    if (setMaximised) {
        setMaximised(animation_.viewMaximised);
    }
}

} // namespace burgeon
