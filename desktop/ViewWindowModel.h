#pragma once

#include "base/UserInterface.h"
#include "frame/AnimationState.h"
#include "frame/CaptureRun.h"
#include "frame/FrameRoutine.h"
#include "project/PlantProject.h"

#include <functional>
#include <optional>

namespace burgeon {

// The view window's behaviour without its widgets: the guarded paint, showing, the popup
// menu and the mouse.
class ViewWindowModel {
public:
    ViewWindowModel(FrameRoutine& frames, PlantProject& project, AnimationState& animation,
                    CaptureRun& capture, UserInterface& ui);

    // A paint message: one frame under the `paintBusy` guard, then the window's repaint.
    // Nothing is drawn while a frame is under way or drawing is suspended. Returns the pause
    // before the next frame, or nothing when no frame was drawn.
    std::optional<int> paint();
    // The window is shown: drawing and the clock resume.
    void show();

    // Popup menu.
    void onStartClicked();
    void onStopClicked();
    void onResetClicked();
    void onShowAxesClicked();
    void onCaptureClicked();
    void onExitClicked();

    // Mouse on the drawing panel. A drag turns the plant by half a degree a pixel; the turn
    // is folded into the mouse angles when the button is released.
    void mouseDown(int x, int y);
    void mouseMove(int x, int y, bool leftHeld, bool rightHeld);
    void mouseUp();
    void doubleClick();

    // What a drawn frame tells the host that paces the frames.
    struct FrameDone {
        int delay = 0;                 // the pause it asks for before the next frame, in ms
        bool pictureCanChange = false; // whether the next frame can show another picture
    };

    std::function<void()> repaintWindow;              // the window's other parts
    std::function<void(const FrameDone&)> frameDrawn; // after every frame drawn
    std::function<void(bool)> setMaximised;           // maximise or restore the window
    std::function<void()> terminateApplication;       // "Exit"

    // Whether the frame after one drawn at `timeDrawn` can show another picture: the clock
    // runs or was moved, the leaves flutter in the wind, or a capture run writes its frames.
    bool pictureCanChange(double timeDrawn) const;

private:
    std::optional<int> guardedFrame(bool repaint);

    FrameRoutine& frames_;
    const PlantParameters& parameters_;
    ViewState& view_;
    AnimationSettings& settings_;
    AnimationState& animation_;
    CaptureRun& capture_;
    UserInterface& ui_;
};

} // namespace burgeon
