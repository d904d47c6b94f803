#pragma once

#include "app/AppState.h"
#include "app/WindowPlacement.h"
#include "base/Controls.h"
#include "base/UserInterface.h"

#include "render/Renderer.h"

#include <functional>

namespace burgeon {

// The "Tree Visualization" window: the guarded frames, the mouse turning the plant, the
// double-click that maximises and restores, and the popup menu. The frame itself is drawn
// by renderFrame on the view's current rendering context.
class ViewWindow {
public:
    ViewWindow(AppState& state, UserInterface& ui);

    ControlModel window{"Tree Visualization"}; // caption, visibility and maximised state
    WindowRect geometry;

    // Popup menu items, in menu order.
    ControlModel Start1{"Start"};
    ControlModel Stop1{"Stop"};
    ControlModel Reset1{"Reset"};
    ControlModel ShowXYZAxis1{"Show X-Y-Z Axis"};
    ControlModel Capture1{"Capture"};
    ControlModel Exit1{"Exit"};

    static constexpr int TimerInterval = 1000; // ms between timer ticks

    // Set by the host: draws one frame; asks for a frame soon (never inside this call);
    // ends the application.
    std::function<void()> renderFrame;
    std::function<void()> requestFrame;
    std::function<void()> quitApplication;
    // Whether a capture run has been prepared whose objects the popup "Capture" can restart.
    std::function<bool()> captureRunPrepared;

    // What the renderer reads, all owned by the application state.
    RenderInputs renderInputs();

    void create(const ScreenArea& screen, const WindowRect& toolWindow);
    // Makes the window visible; the show event runs when it was hidden.
    void showWindow();
    void showEvent();

    // A paint message: draws one frame unless a frame is under way or drawing is suspended.
    // Returns whether a frame was drawn.
    bool paint();
    void timerTick();

    void mouseDown(int x, int y);
    void mouseMove(int x, int y, bool leftHeld, bool rightHeld);
    void mouseUp();
    void doubleClick();
    bool maximised() const { return state_.animation.ViewMaximised; }

    void start();
    void stop();
    void reset();
    void toggleAxes();
    void capture();
    void exit();

private:
    void request();

    AppState& state_;
    UserInterface& ui_;
    SliderHeldParameters sliderHeld_; // as the Parameter page's sliders hold them this frame
};

} // namespace burgeon
