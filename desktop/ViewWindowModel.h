#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "desktop/AppState.h"
#include "desktop/MeshExportAction.h"
#include "desktop/WindowPlacement.h"
#include "frame/FrameCanvas.h"
#include "frame/FramePacer.h"
#include "frame/FrameRoutine.h"
#include "render/RendererCanvas.h"

#include <functional>
#include <optional>

namespace burgeon {

// The "Tree Visualization" window without its widgets: creation and showing, placement,
// caption and maximised state, the frames under their guard and their pacing, the popup menu
// and the mouse on the drawing panel.
class ViewWindowModel {
public:
    // The frames draw on the renderer's canvas, or on the canvas given (tests record what a
    // frame asks of it).
    ViewWindowModel(AppState& state, UserInterface& ui, FrameCanvas* canvas = nullptr);
    ViewWindowModel(const ViewWindowModel&) = delete;
    ViewWindowModel& operator=(const ViewWindowModel&) = delete;

    ControlModel window{"Tree Visualization"}; // caption, visibility and maximised state
    WindowRect geometry;                       // the client area
    FrameMargins frame; // what the window manager's frame adds around it (the host says)

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
    // then, never inside this call; repaints the window's other parts after a frame; ends the
    // application; rebuilds the projection for the panel's size.
    std::function<void()> requestFrame;
    std::function<void()> repaintWindow;
    std::function<void()> quitApplication;
    std::function<void()> resizeView;
    // Set by the desktop: whether "Exit" may end the application (unsaved changes settled).
    std::function<bool()> mayQuit;

    RendererCanvas& canvas() { return rendererCanvas_; }
    FrameRoutine& frames() { return frames_; }

    // Creation: placement beside the tool window's frame, and the view's start values.
    void create(const ScreenArea& screen, const WindowRect& toolFrame);
    void place(const ScreenArea& screen, const WindowRect& toolFrame);
    // Makes the window visible; the show event runs when it was hidden.
    void showWindow();
    // The window is shown: drawing and the clock resume.
    void showEvent();
    // The window system closed the window (its close button): it is hidden, not lost, and
    // "Animation Show" shows it again.
    void windowClosed();

    // What a drawn frame tells the pacing.
    struct FrameDone {
        int delay = 0;                 // the pause it asks for before the next frame, in ms
        bool pictureCanChange = false; // whether the next frame can show another picture
    };
    // A paint message: one frame under the `paintBusy` guard, then the window's repaint.
    // Nothing is drawn while a frame is under way or drawing is suspended.
    std::optional<FrameDone> paint();
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

    // Mouse on the drawing panel. A drag turns the plant by half a degree a pixel; the turn
    // is folded into the mouse angles when the button is released.
    void mouseDown(int x, int y);
    void mouseMove(int x, int y, bool leftHeld, bool rightHeld);
    void mouseUp();
    void doubleClick();
    bool maximised() const { return state_.animation.viewMaximised; }
    // The window system maximised or restored the window: a double-click toggles from there.
    void windowMaximised(bool maximised);

    // Popup menu.
    void start();
    void stop();
    void reset();
    void toggleAxes();
    void toggleFullDetail();
    bool fullDetail() const { return state_.project.view.detail == DrawingDetail::Full; }
    void capture();
    void exportMesh();
    void exit();

    // Whether the frame after one drawn at `timeDrawn` can show another picture: the clock
    // runs or was moved, the leaves flutter in the wind, or a capture run writes its frames.
    bool pictureCanChange(double timeDrawn) const;

private:
    std::optional<FrameDone> guardedFrame(bool repaint);
    // The slider rotations and the translation go back to their start values.
    void request();
    std::int64_t now() { return pacingClock_->tickMilliseconds(); }

    AppState& state_;
    UserInterface& ui_;
    RendererCanvas rendererCanvas_;
    FrameRoutine frames_;
    FramePacer pacer_;
    Clock* pacingClock_;
    std::int64_t frameStart_ = 0;
};

} // namespace burgeon
