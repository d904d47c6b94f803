#include "desktop/ViewWindow.h"

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
    ViewWindow model{state, ui};
    FixedClock clock;
    int requests = 0;
};

TEST(ViewWindow, FramesAdvanceTheTimeAndShowItInTheCaption) {
    View view;
    EXPECT_EQ(view.model.geometry, (WindowRect{486, 63, 538, 705}));
    EXPECT_EQ(view.model.window.caption(), "Tree Visualization");
    EXPECT_EQ(view.requests, 1); // the show event asks for the first frame

    ASSERT_EQ(view.model.paint(), 0);
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

TEST(ViewWindow, WindowStateFollowsTheMouseAndThePopup) {
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

TEST(ViewWindow, FramesComeWhenDueAndAStillViewRests) {
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

TEST(ViewWindow, AWindowMaximisedByTheWindowSystemIsRestoredByADoubleClick) {
    View view;
    std::vector<bool> maximised;
    view.model.window.views.subscribe([&] { maximised.push_back(view.model.maximised()); });
    view.model.windowMaximised(true);
    EXPECT_TRUE(view.model.maximised());
    view.model.doubleClick();
    EXPECT_FALSE(view.model.maximised());
    EXPECT_EQ(maximised, std::vector<bool>{false});
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
