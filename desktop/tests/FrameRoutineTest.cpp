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
    rig.window.show();
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
    rig.window.onStopClicked();
    rig.currentTime = 33.29;
    for (int i = 0; i < 3; ++i) {
        rig.window.paint();
    }
    EXPECT_EQ(rig.canvas.plantTimes, (std::vector<double>{33.29, 33.29, 33.29}));
}

TEST(FrameRoutine, TimeBarClampsAtStartAndTheClockLoopsBackToOne) {
    FrameRig rig;
    EXPECT_FALSE(rig.window.paint().has_value()); // created with drawing suspended
    rig.window.show();
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

TEST(ViewWindowModel, PaintGuardPopupAndMouse) {
    FrameRig rig;
    rig.window.show();
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
    rig.window.onStartClicked();
    EXPECT_FALSE(rig.animation.paintBusy);
    rig.window.onStopClicked();
    EXPECT_TRUE(rig.animation.animationPaused);

    // "Reset" returns the slider rotations and translation, not the mouse angles.
    rig.view.rotationY = 30.0;
    rig.view.translationZ = -2.0;
    rig.window.onResetClicked();
    EXPECT_EQ(rig.view.rotationY, 0.0);
    EXPECT_EQ(rig.view.translationZ, -14.0);
    EXPECT_EQ(rig.view.mouseYaw, 4.0f);

    rig.window.onShowAxesClicked();
    EXPECT_TRUE(rig.view.showAxes);
    std::vector<bool> maximised;
    rig.window.setMaximised = [&](bool on) { maximised.push_back(on); };
    rig.window.doubleClick();
    rig.window.doubleClick();
    EXPECT_EQ(maximised, (std::vector<bool>{true, false}));

    rig.window.onCaptureClicked(); // no prepared run: nothing happens
    EXPECT_FALSE(rig.animation.captureActive);
    bool terminated = false;
    rig.window.terminateApplication = [&] { terminated = true; };
    rig.window.onExitClicked();
    EXPECT_TRUE(terminated);
    EXPECT_EQ(rig.currentTime, 0.0);
    EXPECT_TRUE(rig.animation.paintBusy);
}

// After each frame the window says whether the next one can show another picture; the view
// rests when it cannot.
TEST(ViewWindowModel, AFrameSaysWhetherTheNextPictureCanDiffer) {
    FrameRig rig;
    rig.window.show();
    std::vector<bool> canChange;
    std::vector<int> delays;
    rig.window.frameDrawn = [&](const ViewWindowModel::FrameDone& done) {
        canChange.push_back(done.pictureCanChange);
        delays.push_back(done.delay);
    };
    rig.parameters.wind = 1; // no flutter
    rig.window.paint();      // the time bar's clamp moves the time to 150 and pauses
    rig.window.paint();      // paused at 150, still
    rig.page.velocitySlider.setPosition(10);
    rig.parameters.wind = 5; // the leaves flutter
    rig.window.paint();
    rig.parameters.wind = 1;
    rig.animation.captureActive = true; // a run waits for its first time, 400
    rig.animation.captureFirst = 400;
    rig.animation.captureLast = 500;
    rig.window.paint();
    rig.animation.captureActive = false;
    rig.page.onPlayClicked(); // the clock runs
    rig.window.paint();
    EXPECT_EQ(canChange, (std::vector<bool>{true, false, true, true, true}));
    EXPECT_EQ(delays, (std::vector<int>{0, 0, 180, 180, 180}));
}
