#pragma once

#include "app/AppState.h"
#include "app/MeshExportAction.h"
#include "app/WindowPlacement.h"
#include "base/Controls.h"
#include "base/UserInterface.h"
#include "render/FrameRoutine.h"
#include "render/RendererCanvas.h"
#include "render/ViewWindowModel.h"

#include <functional>
#include <optional>

namespace burgeon {

// The "Tree Visualization" window: its creation and showing, placement, caption and
// maximised state, around the view's frame routine and its paint, mouse and popup model.
class ViewWindow {
public:
    ViewWindow(AppState& state, UserInterface& ui);

    ControlModel window{"Tree Visualization"}; // caption, visibility and maximised state
    WindowRect geometry;

    // Popup menu items, in menu order.
    ControlModel startItem{"Start"};
    ControlModel stopItem{"Stop"};
    ControlModel resetItem{"Reset"};
    ControlModel showAxesItem{"Show X-Y-Z Axis"};
    ControlModel captureItem{"Capture"};
    ControlModel exportMeshItem{"Export Mesh\u2026"};
    ControlModel exitItem{"Exit"};

    // "Export Mesh…" here and beside "Save Session…": the plant shown, at the current time.
    MeshExportAction meshExport;

    static constexpr int TimerInterval = 1000; // ms between timer ticks

    // Set by the host: asks for a frame soon (never inside this call); ends the application;
    // rebuilds the projection for the panel's size.
    std::function<void()> requestFrame;
    std::function<void()> quitApplication;
    std::function<void()> resizeView;

    RendererCanvas& canvas() { return canvas_; }
    FrameRoutine& frames() { return frames_; }

    void create(const ScreenArea& screen, const WindowRect& toolWindow);
    // Makes the window visible; the show event runs when it was hidden.
    void showWindow();
    void showEvent();

    // A paint message: one guarded frame; the pause before the next frame in milliseconds,
    // or nothing when no frame was drawn.
    std::optional<int> paint();
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
    void exportMesh();
    void exit();

private:
    void request();

    AppState& state_;
    UserInterface& ui_;
    RendererCanvas canvas_;
    FrameRoutine frames_;
    ViewWindowModel model_;
};

} // namespace burgeon
