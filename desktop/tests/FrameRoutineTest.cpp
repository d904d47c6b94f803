#include "desktop/tests/FrameRig.h"

#include <gtest/gtest.h>

using namespace burgeon;
using burgeon::testing::FrameRig;

namespace {

std::vector<std::string> frameCalls(FrameRig& rig, double time) {
    rig.currentTime = time;
    rig.canvas.calls.clear();
    rig.frames.renderFrame();
    return rig.canvas.calls;
}

} // namespace

TEST(FrameRoutine, DrawsInOrderWithTheCaptionAndTheTurntableLateInLife) {
    FrameRig rig;
    rig.page.timeBar.setMaximum(150); // as after the first frame
    rig.animation.animationPaused = false;
    EXPECT_EQ(frameCalls(rig, 12.5),
              (std::vector<std::string>{"begin", "camera", "land", "plant", "swap"}));
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 12.5");
    EXPECT_EQ(rig.currentTime, 12.75);
    rig.view.showAxes = true;
    EXPECT_EQ(frameCalls(rig, 3.0)[3], "axes");
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 3");

    // Birth rate 5 and a life cycle of 10: the turntable starts after |1 - 5| x 10 + 100 = 140
    // and the time axis ends at 40 + 150 = 190, which the time bar follows.
    rig.view.showAxes = false;
    rig.lifeCycleTime = 10;
    EXPECT_EQ(frameCalls(rig, 140.0)[3], "plant");
    EXPECT_EQ(rig.page.timeBar.maximum(), 190);
    EXPECT_EQ(frameCalls(rig, 140.5)[3], "turn " + std::to_string(140.5 * 9.0));

    // Halves round to even: |1 - 5.5| x 3 = 13.5 rounds to 14, so the axis ends at 164.
    rig.parameters.nodeBirthRate = 5.5;
    rig.lifeCycleTime = 3;
    frameCalls(rig, 1.0);
    EXPECT_EQ(rig.animation.timeBarMax, 164);
    // So does the turntable's start: |1 - 3.5| x 5 + 100 = 112.5 starts it after 112.
    rig.parameters.nodeBirthRate = 3.5;
    rig.lifeCycleTime = 5;
    EXPECT_EQ(frameCalls(rig, 112.0)[3], "plant");
    EXPECT_EQ(frameCalls(rig, 112.5)[3], "turn " + std::to_string(112.5 * 9.0));

    // The frame delay is handed to the host, which waits before the next frame.
    EXPECT_EQ(rig.frames.renderFrame(), 0);
    rig.page.velocitySlider.setPosition(7);
    EXPECT_EQ(rig.frames.renderFrame(), 7 * 18);
}

TEST(FrameRoutine, TimesAreTruncatedToTwoDecimalsAndStepUnlessPaused) {
    FrameRig rig;
    rig.page.timeBar.setMaximum(150);
    rig.window.showEvent();
    rig.currentTime = 9.75;
    rig.window.paint();
    rig.window.paint();
    EXPECT_EQ(rig.canvas.plantTimes, (std::vector<double>{9.75, 10.0}));

    rig.parameters.timeStep = 0.01;
    frameCalls(rig, 2.0);
    frameCalls(rig, rig.currentTime);
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 2.01");
    frameCalls(rig, 7.129999);
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 7.12");
    frameCalls(rig, -1.257); // a run from 0 starts at -2: cut towards zero
    EXPECT_EQ(rig.canvas.plantTimes.back(), -1.25);

    // Paused: the same time frame after frame, but every frame is drawn. 33.29 is stored a
    // little below itself; cutting its hundredfold plainly would draw 33.28, then 33.27...
    rig.canvas.plantTimes.clear();
    rig.window.stop();
    rig.currentTime = 33.29;
    for (int i = 0; i < 3; ++i) {
        rig.window.paint();
    }
    EXPECT_EQ(rig.canvas.plantTimes, (std::vector<double>{33.29, 33.29, 33.29}));
}

TEST(FrameRoutine, TimeBarClampsAtStartAndTheClockLoopsBackToOne) {
    FrameRig rig;
    EXPECT_FALSE(rig.window.paint().has_value()); // created with drawing suspended
    rig.window.showEvent();
    // The bar starts at 1000; the first frame lowers its maximum to 150, which moves it, sets
    // the time to 150 and pauses.
    rig.window.paint();
    EXPECT_EQ(rig.page.timeBar.position(), 150);
    EXPECT_EQ(rig.currentTime, 150.0);
    EXPECT_TRUE(rig.animation.animationPaused);
    // "Play" runs the clock past 150, which wraps it to 1.
    rig.page.onPlayClicked();
    rig.window.paint();
    rig.window.paint();
    EXPECT_EQ(rig.canvas.plantTimes, (std::vector<double>{1.0, 150.0, 1.0}));
}
