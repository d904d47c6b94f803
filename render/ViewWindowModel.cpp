#include "render/ViewWindowModel.h"

namespace burgeon {

ViewWindowModel::ViewWindowModel(FrameRoutine& frames, PlantProject& project,
                                 AnimationState& animation, CaptureRun& capture, UserInterface& ui)
    : frames_(frames), parameters_(project.parameters), view_(project.view),
      settings_(project.animation), animation_(animation), capture_(capture), ui_(ui) {}

std::optional<int> ViewWindowModel::paint() {
    return guardedFrame(true);
}

std::optional<int> ViewWindowModel::guardedFrame(bool repaint) {
    if (animation_.PaintBusy) {
        return std::nullopt;
    }
    animation_.PaintBusy = true;
    const double timeBefore = settings_.currentTime;
    int delay = 0;
    try {
        delay = frames_.renderFrame();
    } catch (...) {
        // No frame may leave drawing suspended.
        animation_.PaintBusy = false;
        throw;
    }
    if (repaint && repaintWindow) {
        repaintWindow();
    }
    animation_.PaintBusy = false;
    if (frameDrawn) {
        frameDrawn(FrameDone{delay, pictureCanChange(timeBefore)});
    }
    return delay;
}

bool ViewWindowModel::pictureCanChange(double timeDrawn) const {
    // A wind of 1 turns the leaves by nothing; the time compared is the one the frame began
    // with, so a time cut to hundredths, stepped, clamped or looped all count as a move.
    return !animation_.AnimationPaused || parameters_.wind > 1 || animation_.CaptureActive ||
           settings_.currentTime != timeDrawn;
}

void ViewWindowModel::show() {
    animation_.PaintBusy = false;
    animation_.AnimationPaused = false;
}

void ViewWindowModel::onStartClicked() {
    animation_.PaintBusy = false;
    animation_.AnimationPaused = false;
}

void ViewWindowModel::onStopClicked() {
    animation_.AnimationPaused = true;
}

void ViewWindowModel::onResetClicked() {
    // Only the slider rotations and the translation; the mouse angles, zoom, scale and time
    // stay.
    view_.RotationX = 0.0;
    view_.RotationY = 0.0;
    view_.RotationZ = 0.0;
    view_.TranslationX = 0.0;
    view_.TranslationY = -3.0;
    view_.TranslationZ = -14.0;
}

void ViewWindowModel::onShowAxesClicked() {
    view_.ShowAxes = !view_.ShowAxes;
}

void ViewWindowModel::onCaptureClicked() {
    // Restarts the prepared run; without one there is nothing to restart.
    if (!capture_.hasTools()) {
        return;
    }
    settings_.currentTime = animation_.CaptureFirst - 1;
    animation_.CaptureActive = true;
}

void ViewWindowModel::onExitClicked() {
    settings_.currentTime = 0.0;
    animation_.PaintBusy = true;
    if (terminateApplication) {
        terminateApplication();
    }
}

void ViewWindowModel::mouseDown(int x, int y) {
    view_.DragStartX = x;
    view_.DragStartY = y;
}

void ViewWindowModel::mouseMove(int x, int y, bool leftHeld, bool rightHeld) {
    const auto dragTo = [&] {
        view_.DragYaw = static_cast<float>((x - view_.DragStartX) / 2.0);
        view_.DragPitch = static_cast<float>((y - view_.DragStartY) / 2.0);
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
    view_.MouseYaw += view_.DragYaw;
    view_.DragYaw = 0.0f;
    view_.MousePitch += view_.DragPitch;
    view_.DragPitch = 0.0f;
}

void ViewWindowModel::doubleClick() {
    animation_.ViewMaximised = !animation_.ViewMaximised;
    if (setMaximised) {
        setMaximised(animation_.ViewMaximised);
    }
}

} // namespace burgeon
