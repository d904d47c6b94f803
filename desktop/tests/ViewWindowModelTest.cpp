#include "desktop/ViewWindowModel.h"
#include "desktop/tests/FrameRig.h"

#include "base/RecordingUserInterface.h"

#include <gtest/gtest.h>

#include <vector>

namespace burgeon {
namespace {

struct View {
    View() {
        model.setPacingClock(clock);
        model.requestFrame = [this] { ++requests; };
        model.create(ScreenArea{}, WindowRect{0, 63, 486, 705});
        model.showWindow();
    }
    RecordingUserInterface ui;
    AppState state{ui};
    ViewWindowModel model{state, ui};
    FixedClock clock;
    int requests = 0;
};

TEST(ViewWindowModel, FramesAdvanceTheTimeAndShowItInTheCaption) {
    View view;
    EXPECT_EQ(view.model.geometry, (WindowRect{486, 63, 538, 705}));
    EXPECT_EQ(view.model.window.caption(), "Tree Visualization");
    EXPECT_EQ(view.requests, 1); // the show event asks for the first frame

    const auto first = view.model.paint();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->delay, 0);
    EXPECT_EQ(view.model.window.caption(), "Plant Visualization at 1");
    // The first frame cuts the time bar down to the end of the time axis; the bar's clamped
    // position moves the time there and pauses the clock, as a move of the bar does.
    EXPECT_EQ(view.state.animationPage.timeBar.maximum(), 150);
    EXPECT_EQ(view.state.project.animation.currentTime, 150.0);
    EXPECT_TRUE(view.state.animation.animationPaused);
    view.model.paint();
    EXPECT_EQ(view.model.window.caption(), "Plant Visualization at 150");
    EXPECT_EQ(view.state.project.animation.currentTime, 150.0);

    // "Start" lets the clock run: past the end of the time axis it starts again at 1.
    const int before = view.requests;
    view.model.start();
    EXPECT_EQ(view.requests, before + 1);
    view.model.paint();
    EXPECT_EQ(view.state.project.animation.currentTime, 1.0);
    view.model.paint();
    EXPECT_EQ(view.model.window.caption(), "Plant Visualization at 1");
    EXPECT_EQ(view.state.project.animation.currentTime, 1.25);

    // "Stop" holds the time; a suspended view draws nothing.
    view.model.stop();
    view.model.paint();
    EXPECT_EQ(view.state.project.animation.currentTime, 1.25);
    view.state.animation.paintBusy = true;
    EXPECT_FALSE(view.model.paint().has_value());
    const int requested = view.requests;
    view.model.timerTick();
    EXPECT_EQ(view.requests, requested + 1);
}

TEST(ViewWindowModel, WindowStateFollowsTheMouseAndThePopup) {
    View view;
    int notified = 0;
    view.model.window.views.subscribe([&notified] { ++notified; });
    view.model.doubleClick();
    EXPECT_TRUE(view.model.maximised());
    view.model.doubleClick();
    EXPECT_FALSE(view.model.maximised());
    EXPECT_GE(notified, 2);

    view.model.mouseDown(100, 50);
    view.model.mouseMove(105, 43, true, false);
    view.model.mouseUp();
    EXPECT_EQ(view.state.project.view.mouseYaw, 2.5f);
    EXPECT_EQ(view.state.project.view.mousePitch, -3.5f);
    EXPECT_EQ(view.ui.statusText, "Plant Visualization");

    view.state.project.view.translationZ = 3.0;
    view.model.reset();
    EXPECT_EQ(view.state.project.view.translationZ, -14.0);
    view.model.toggleAxes();
    EXPECT_TRUE(view.state.project.view.showAxes);

    bool quit = false;
    view.model.quitApplication = [&quit] { quit = true; };
    view.model.exit();
    EXPECT_TRUE(quit);
    EXPECT_TRUE(view.state.animation.paintBusy);
}

TEST(ViewWindowModel, FramesComeWhenDueAndAStillViewRests) {
    View view;
    view.state.project.parameters.wind = 1; // no flutter
    view.clock.tickValue = 1000;
    EXPECT_EQ(view.model.untilNextFrame(), 0);
    EXPECT_TRUE(view.model.paintWhenDue()); // the time bar's clamp: time 150, paused
    // A repaint the window system asks for before the next frame is due draws nothing.
    EXPECT_FALSE(view.model.paintWhenDue());
    EXPECT_EQ(view.model.untilNextFrame(), 17);
    view.clock.tickValue = 1020;
    EXPECT_TRUE(view.model.paintWhenDue()); // shows time 150, and then nothing changes
    EXPECT_EQ(view.model.untilNextFrame(), std::nullopt);
    view.clock.tickValue = 5000;
    EXPECT_FALSE(view.model.paintWhenDue());

    // A moved control wakes the view at the velocity's pace.
    view.state.animationPage.velocitySlider.setPosition(10);
    const int before = view.requests;
    view.model.changed();
    EXPECT_EQ(view.requests, before + 1);
    EXPECT_TRUE(view.model.paintWhenDue());
    EXPECT_EQ(view.model.untilNextFrame(), 180);
    // "Start" runs the clock: frames keep coming, each 180 ms after the one before.
    view.model.start();
    view.clock.tickValue = 5180;
    EXPECT_TRUE(view.model.paintWhenDue());
    view.clock.tickValue = 5190;
    EXPECT_EQ(view.model.untilNextFrame(), 170);

    // Nothing is due while drawing is suspended or the window is hidden.
    view.state.animation.paintBusy = true;
    EXPECT_EQ(view.model.untilNextFrame(), std::nullopt);
    view.state.animation.paintBusy = false;
    view.model.window.setVisible(false);
    EXPECT_EQ(view.model.untilNextFrame(), std::nullopt);
}

TEST(ViewWindowModel, AWindowMaximisedByTheWindowSystemIsRestoredByADoubleClick) {
    View view;
    std::vector<bool> maximised;
    view.model.window.views.subscribe([&] { maximised.push_back(view.model.maximised()); });
    view.model.windowMaximised(true);
    EXPECT_TRUE(view.model.maximised());
    view.model.doubleClick();
    EXPECT_FALSE(view.model.maximised());
    EXPECT_EQ(maximised, std::vector<bool>{false});
}

TEST(ViewWindowModel, PaintGuardPopupAndMouse) {
    testing::FrameRig rig;
    rig.window.showEvent();
    int repaints = 0;
    int nested = 0;
    rig.window.repaintWindow = [&] {
        ++repaints;
        // The repaint delivers another paint message inside the frame: it draws nothing.
        nested += rig.window.paint().has_value() ? 1 : 0;
    };
    EXPECT_TRUE(rig.window.paint().has_value());
    EXPECT_EQ(nested, 0);
    EXPECT_FALSE(rig.animation.paintBusy);

    // Left drag: half a degree a pixel, a frame and a repaint, then the status text.
    rig.window.mouseDown(100, 50);
    rig.window.mouseMove(111, 40, true, false);
    EXPECT_EQ(rig.view.dragYaw, 5.5f);
    EXPECT_EQ(rig.view.dragPitch, -5.0f);
    EXPECT_EQ(rig.canvas.shownFrame, 2);
    EXPECT_EQ(repaints, 2);
    EXPECT_EQ(rig.ui.statusText, "Plant Visualization");
    rig.window.mouseUp();
    // Right drag: a frame without the repaint; drags add up in the mouse angles.
    rig.window.mouseDown(0, 0);
    rig.window.mouseMove(-3, 4, false, true);
    EXPECT_EQ(rig.canvas.shownFrame, 3);
    EXPECT_EQ(repaints, 2);
    rig.window.mouseUp();
    EXPECT_EQ(rig.view.mouseYaw, 4.0f);
    EXPECT_EQ(rig.view.mousePitch, -3.0f);
    EXPECT_EQ(rig.view.dragYaw, 0.0f);

    // While drawing is suspended a drag records the turn but draws nothing.
    rig.ui.statusText.clear();
    rig.animation.paintBusy = true;
    rig.window.mouseMove(10, 0, true, false);
    EXPECT_EQ(rig.view.dragYaw, 5.0f);
    EXPECT_EQ(rig.canvas.shownFrame, 3);
    EXPECT_EQ(rig.ui.statusText, "");
    rig.window.start();
    EXPECT_FALSE(rig.animation.paintBusy);
    rig.window.stop();
    EXPECT_TRUE(rig.animation.animationPaused);

    // "Reset" returns the slider rotations and translation, not the mouse angles; the sliders
    // move with them.
    rig.page.rotationYSlider.setPosition(300);
    rig.page.translationZSlider.setPosition(-20);
    rig.window.reset();
    EXPECT_EQ(rig.view.rotationY, 0.0);
    EXPECT_EQ(rig.view.translationZ, -14.0);
    EXPECT_EQ(rig.view.mouseYaw, 4.0f);
    EXPECT_EQ(rig.page.rotationYSlider.position(), 0);
    EXPECT_EQ(rig.page.translationYSlider.position(), -30);
    EXPECT_EQ(rig.page.translationZSlider.position(), -140);

    rig.window.toggleAxes();
    EXPECT_TRUE(rig.view.showAxes);
    std::vector<bool> maximised;
    rig.window.window.views.subscribe([&] { maximised.push_back(rig.window.maximised()); });
    rig.window.doubleClick();
    rig.window.doubleClick();
    EXPECT_EQ(maximised, (std::vector<bool>{true, false}));

    rig.window.capture(); // no prepared run: nothing happens
    EXPECT_FALSE(rig.animation.captureActive);
    bool terminated = false;
    rig.window.quitApplication = [&] { terminated = true; };
    rig.window.exit();
    EXPECT_TRUE(terminated);
    EXPECT_EQ(rig.currentTime, 0.0);
    EXPECT_TRUE(rig.animation.paintBusy);
}

// After each frame the window says whether the next one can show another picture; the view
// rests when it cannot.
TEST(ViewWindowModel, AFrameSaysWhetherTheNextPictureCanDiffer) {
    testing::FrameRig rig;
    rig.window.showEvent();
    std::vector<bool> canChange;
    std::vector<int> delays;
    const auto paint = [&] {
        const auto done = rig.window.paint();
        ASSERT_TRUE(done.has_value());
        canChange.push_back(done->pictureCanChange);
        delays.push_back(done->delay);
    };
    rig.parameters.wind = 1; // no flutter
    paint();                 // the time bar's clamp moves the time to 150 and pauses
    paint();                 // paused at 150, still
    rig.page.velocitySlider.setPosition(10);
    rig.parameters.wind = 5; // the leaves flutter
    paint();
    rig.parameters.wind = 1;
    rig.animation.captureActive = true; // a run waits for its first time, 400
    rig.animation.captureFirst = 400;
    rig.animation.captureLast = 500;
    paint();
    rig.animation.captureActive = false;
    rig.page.onPlayClicked(); // the clock runs
    paint();
    EXPECT_EQ(canChange, (std::vector<bool>{true, false, true, true, true}));
    EXPECT_EQ(delays, (std::vector<int>{0, 0, 180, 180, 180}));
}

} // namespace
} // namespace burgeon

namespace burgeon {
namespace {

TEST(ViewWindow, FullDetailIsToggledFromThePopupAndDrawnAtOnce) {
    View view;
    EXPECT_FALSE(view.model.fullDetail());
    const int before = view.requests;
    view.model.toggleFullDetail();
    EXPECT_EQ(view.state.project.view.detail, DrawingDetail::Full);
    EXPECT_TRUE(view.model.fullDetail());
    EXPECT_EQ(view.requests, before + 1);
    view.model.toggleFullDetail();
    EXPECT_EQ(view.state.project.view.detail, DrawingDetail::Auto);
    EXPECT_EQ(view.model.fullDetailItem.caption(), "Full Detail");
}

} // namespace
} // namespace burgeon
