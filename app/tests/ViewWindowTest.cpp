#include "app/ViewWindow.h"

#include "base/RecordingUserInterface.h"

#include <gtest/gtest.h>

namespace burgeon {
namespace {

struct View {
    View() {
        model.renderFrame = [this] {
            ++frames;
            // A repaint inside a frame delivers a paint message: it must not nest.
            EXPECT_FALSE(model.paint());
        };
        model.requestFrame = [this] { ++requests; };
        model.create(ScreenArea{}, WindowRect{0, 63, 486, 705});
        model.showWindow();
    }
    RecordingUserInterface ui;
    AppState state{ui};
    ViewWindow model{state, ui};
    int frames = 0;
    int requests = 0;
};

TEST(ViewWindow, FramesAreGuardedAndSuspendable) {
    View view;
    EXPECT_EQ(view.model.geometry, (WindowRect{486, 63, 538, 705}));
    EXPECT_TRUE(view.model.paint());
    EXPECT_TRUE(view.model.paint());
    EXPECT_EQ(view.frames, 2);
    EXPECT_FALSE(view.state.animation.PaintBusy);

    view.state.animation.PaintBusy = true;
    EXPECT_FALSE(view.model.paint());
    EXPECT_EQ(view.frames, 2);
    const int before = view.requests;
    view.model.timerTick();
    EXPECT_EQ(view.requests, before + 1);

    // "Start" resumes drawing and time; "Stop" pauses time only.
    view.model.stop();
    EXPECT_TRUE(view.state.animation.AnimationPaused);
    view.model.start();
    EXPECT_FALSE(view.state.animation.PaintBusy);
    EXPECT_FALSE(view.state.animation.AnimationPaused);
    EXPECT_TRUE(view.model.paint());
}

TEST(ViewWindow, DraggingTurnsThePlantByHalfTheDistance) {
    View view;
    ViewState& camera = view.state.view;
    view.model.mouseDown(100, 50);
    view.model.mouseMove(105, 43, true, false);
    EXPECT_EQ(camera.DragYaw, 2.5f);
    EXPECT_EQ(camera.DragPitch, -3.5f);
    EXPECT_EQ(view.ui.statusText, "Plant Visualization");
    view.model.mouseUp();
    EXPECT_EQ(camera.MouseYaw, 2.5f);
    EXPECT_EQ(camera.MousePitch, -3.5f);
    EXPECT_EQ(camera.DragYaw, 0.0f);

    // The right button turns the same way; a second drag adds to the first.
    view.model.mouseDown(0, 0);
    view.model.mouseMove(-4, 10, false, true);
    view.model.mouseUp();
    EXPECT_EQ(camera.MouseYaw, 0.5f);
    EXPECT_EQ(camera.MousePitch, 1.5f);

    // While drawing is suspended the angles follow the mouse but no frame is asked for.
    view.ui.statusText.clear();
    view.state.animation.PaintBusy = true;
    const int before = view.requests;
    view.model.mouseDown(0, 0);
    view.model.mouseMove(8, 0, true, false);
    EXPECT_EQ(camera.DragYaw, 4.0f);
    EXPECT_EQ(view.requests, before);
    EXPECT_EQ(view.ui.statusText, "");
}

TEST(ViewWindow, PopupItemsAndDoubleClick) {
    View view;
    EXPECT_EQ(view.model.Start1.caption(), "Start");
    EXPECT_EQ(view.model.ShowXYZAxis1.caption(), "Show X-Y-Z Axis");
    ViewState& camera = view.state.view;
    camera.RotationX = 30;
    camera.TranslationY = 2;
    camera.ZoomAngle = 20;
    camera.MouseYaw = 7;
    view.model.reset();
    EXPECT_EQ(camera.RotationX, 0.0);
    EXPECT_EQ(camera.TranslationY, -3.0);
    EXPECT_EQ(camera.ZoomAngle, 20.0); // reset keeps zoom and mouse angles
    EXPECT_EQ(camera.MouseYaw, 7.0f);

    view.model.toggleAxes();
    EXPECT_TRUE(camera.ShowAxes);
    view.model.toggleAxes();
    EXPECT_FALSE(camera.ShowAxes);

    int notified = 0;
    view.model.window.views.subscribe([&notified] { ++notified; });
    view.model.doubleClick();
    EXPECT_TRUE(view.model.maximised());
    view.model.doubleClick();
    EXPECT_FALSE(view.model.maximised());
    EXPECT_EQ(notified, 2);

    // "Capture" restarts a prepared run only.
    auto& animation = view.state.animation;
    animation.CaptureFirst = 10;
    animation.CurrentTime = 4;
    view.model.capture();
    EXPECT_FALSE(animation.CaptureActive);
    view.model.captureRunPrepared = [] { return true; };
    view.model.capture();
    EXPECT_TRUE(animation.CaptureActive);
    EXPECT_EQ(animation.CurrentTime, 9.0);

    bool quit = false;
    view.model.quitApplication = [&quit] { quit = true; };
    view.model.exit();
    EXPECT_TRUE(quit);
    EXPECT_EQ(animation.CurrentTime, 0.0);
    EXPECT_TRUE(animation.PaintBusy);
}

} // namespace
} // namespace burgeon
