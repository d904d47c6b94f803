#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "desktop/AppState.h"
#include "desktop/MeshExportAction.h"
#include "desktop/ViewWindowModel.h"
#include "desktop/WindowPlacement.h"
#include "frame/FramePacer.h"
#include "frame/FrameRoutine.h"
#include "render/RendererCanvas.h"

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
    ControlModel fullDetailItem{"Full Detail"}; // checked while no segment is drawn coarser
    ControlModel captureItem{"Capture"};
    ControlModel exportMeshItem{"Export Mesh\u2026"};
    ControlModel exitItem{"Exit"};

    // "Export Mesh…" here and beside "Save Session…": the plant shown, at the current time.
    MeshExportAction meshExport;

    static constexpr int TimerInterval = 1000; // ms between timer ticks

    // Set by the host: looks again when the next frame is due (untilNextFrame) and asks for it
    // then, never inside this call; ends the application; rebuilds the projection for the
    // panel's size.
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
    // A paint message from the host's pacing: the frame is drawn only when one is due, so a
    // repaint the window system asks for shows the last picture again.
    bool paintWhenDue();
    // Milliseconds until the next frame is due (0: at once); nothing while the view rests or
    // draws nothing (drawing suspended, window hidden).
    std::optional<std::int64_t> untilNextFrame();
    // Something the picture shows may have changed (a control moved, a drag, a new size): the
    // view draws again until its picture stands still.
    void changed();
    // The pause after a frame without a frame delay: the display's refresh interval.
    void setRefreshInterval(double milliseconds) { pacer_.setRefreshInterval(milliseconds); }
    // The tick counter that paces the frames (the system's; tests fix it).
    void setPacingClock(Clock& clock) { pacingClock_ = &clock; }
    // The timer looks whether a frame is due; a resting view stays at rest.
    void timerTick();

    void mouseDown(int x, int y);
    void mouseMove(int x, int y, bool leftHeld, bool rightHeld);
    void mouseUp();
    void doubleClick();
    bool maximised() const { return state_.animation.viewMaximised; }
    // The window system maximised or restored the window: a double-click toggles from there.
    void windowMaximised(bool maximised);

    void start();
    void stop();
    void reset();
    void toggleAxes();
    void toggleFullDetail();
    bool fullDetail() const { return state_.project.view.detail == DrawingDetail::Full; }
    void capture();
    void exportMesh();
    void exit();

private:
    void request();
    std::int64_t now() { return pacingClock_->tickMilliseconds(); }

    AppState& state_;
    UserInterface& ui_;
    RendererCanvas canvas_;
    FrameRoutine frames_;
    ViewWindowModel model_;
    FramePacer pacer_;
    Clock* pacingClock_;
    std::int64_t frameStart_ = 0;
};

} // namespace burgeon
