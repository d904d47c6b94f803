#include "render/tests/FrameRig.h"

#include <gtest/gtest.h>

using namespace burgeon;
using burgeon::testing::FrameRig;

namespace {

std::vector<std::string> framesCalls(FrameRig& rig) {
    rig.canvas.calls.clear();
    rig.frames.renderFrame();
    return rig.canvas.calls;
}

} // namespace

TEST(FrameRoutine, DrawsInOrderWithTheCaptionAndTheTurntableLateInLife) {
    FrameRig rig;
    rig.page.TrackBar24.setMaximum(150); // as after the first frame
    rig.animation.AnimationPaused = false;
    rig.animation.CurrentTime = 12.5;
    EXPECT_EQ(framesCalls(rig),
              (std::vector<std::string>{"begin", "camera", "land", "plant", "swap"}));
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 12.5");
    EXPECT_EQ(rig.animation.CurrentTime, 12.75);

    rig.view.ShowAxes = true;
    rig.animation.CurrentTime = 3.0;
    EXPECT_EQ(framesCalls(rig),
              (std::vector<std::string>{"begin", "camera", "land", "axes", "plant", "swap"}));
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 3");

    // Birth rate 5 and a life cycle of 10: the turntable starts after |1 - 5| x 10 + 100 = 140
    // and the time axis ends at 40 + 150 = 190.
    rig.view.ShowAxes = false;
    rig.lifeCycleTime = 10;
    rig.animation.CurrentTime = 140.0;
    EXPECT_EQ(framesCalls(rig)[3], "plant");
    EXPECT_EQ(rig.animation.TimeBarMax, 190);
    EXPECT_EQ(rig.page.TrackBar24.maximum(), 190);
    rig.animation.CurrentTime = 140.5;
    const auto calls = framesCalls(rig);
    EXPECT_EQ(calls[3], "turn " + std::to_string(140.5 * 9.0));
    EXPECT_EQ(calls[4], "plant");

    // Halves round to even: |1 - 5.5| x 3 = 13.5 rounds to 14, so the axis ends at 164.
    rig.parameters.NodeBirthRate = 5.5;
    rig.lifeCycleTime = 3;
    framesCalls(rig);
    EXPECT_EQ(rig.animation.TimeBarMax, 164);
}

TEST(FrameRoutine, TimesAreTruncatedToTwoDecimalsAndStepUnlessPaused) {
    FrameRig rig;
    rig.page.TrackBar24.setMaximum(150);
    rig.animation.AnimationPaused = false;
    rig.animation.CurrentTime = 9.75;
    rig.frames.renderFrame();
    rig.frames.renderFrame();
    EXPECT_EQ(rig.canvas.plantTimes, (std::vector<double>{9.75, 10.0}));
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 10");

    rig.parameters.TimeStep = 0.01;
    rig.animation.CurrentTime = 2.0;
    for (int i = 0; i < 3; ++i) {
        rig.frames.renderFrame();
    }
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 2.02");
    rig.animation.CurrentTime = 7.129999;
    rig.frames.renderFrame();
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 7.12");

    // Paused: the same time frame after frame, but every frame is drawn.
    // 33.29 is stored a little below itself; cutting its hundredfold plainly would draw 33.28.
    rig.canvas.plantTimes.clear();
    rig.window.show();
    rig.window.Stop1Click();
    rig.animation.CurrentTime = 33.29;
    for (int i = 0; i < 3; ++i) {
        rig.window.paint();
    }
    EXPECT_EQ(rig.canvas.plantTimes, (std::vector<double>{33.29, 33.29, 33.29}));
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 33.29");
    EXPECT_EQ(rig.canvas.shownFrame, 9);

    // Negative times (a run starting at 0 begins at -2) are cut towards zero as well.
    rig.animation.CurrentTime = -1.257;
    rig.frames.renderFrame();
    EXPECT_EQ(rig.canvas.plantTimes.back(), -1.25);
}

TEST(FrameRoutine, TimeBarClampsAtStartAndTheClockLoopsBackToOne) {
    FrameRig rig;
    rig.window.show();
    // The bar starts at 1000; the first frame lowers its maximum to 150, which moves it, sets
    // the time to 150 and pauses.
    rig.window.paint();
    EXPECT_EQ(rig.page.TrackBar24.position(), 150);
    EXPECT_EQ(rig.animation.CurrentTime, 150.0);
    EXPECT_TRUE(rig.animation.AnimationPaused);
    rig.window.paint();
    EXPECT_EQ(rig.canvas.plantTimes.back(), 150.0);

    // "Play" runs the clock past 150, which wraps it to 1.
    rig.page.BitBtn12Click();
    rig.window.paint();
    EXPECT_EQ(rig.animation.CurrentTime, 1.0);
    rig.window.paint();
    EXPECT_EQ(rig.canvas.plantTimes.back(), 1.0);
    EXPECT_EQ(rig.canvas.caption, "Plant Visualization at 1");
}

TEST(FrameRoutine, FrameDelayIsReturnedForTheHostToWait) {
    FrameRig rig;
    rig.animation.PaintBusy = false;
    EXPECT_EQ(rig.window.paint(), 0);
    rig.page.TrackBar8.setPosition(7);
    EXPECT_EQ(rig.window.paint(), 7 * 18);
    rig.animation.PaintBusy = true;
    EXPECT_EQ(rig.window.paint(), std::nullopt);
}

TEST(ViewWindowModel, PaintGuardPopupAndMouse) {
    FrameRig rig;
    // Created with drawing suspended; showing the window starts it.
    EXPECT_FALSE(rig.window.paint().has_value());
    rig.window.show();
    int repaints = 0;
    int nested = 0;
    rig.window.repaintWindow = [&] {
        ++repaints;
        // The repaint delivers another paint message inside the frame: it draws nothing.
        nested += rig.window.paint().has_value() ? 1 : 0;
    };
    EXPECT_TRUE(rig.window.paint().has_value());
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(nested, 0);
    EXPECT_FALSE(rig.animation.PaintBusy);

    // Left drag: half a degree a pixel, a frame and a repaint, then the status text.
    rig.window.mouseDown(100, 50);
    rig.window.mouseMove(111, 40, true, false);
    EXPECT_EQ(rig.view.DragYaw, 5.5f);
    EXPECT_EQ(rig.view.DragPitch, -5.0f);
    EXPECT_EQ(rig.canvas.shownFrame, 2);
    EXPECT_EQ(repaints, 2);
    EXPECT_EQ(rig.ui.statusText, "Plant Visualization");
    rig.window.mouseUp();
    EXPECT_EQ(rig.view.MouseYaw, 5.5f);
    EXPECT_EQ(rig.view.MousePitch, -5.0f);
    EXPECT_EQ(rig.view.DragYaw, 0.0f);

    // Right drag: a frame without the window's repaint; the turns add up over drags.
    rig.window.mouseDown(0, 0);
    rig.window.mouseMove(-3, 4, false, true);
    EXPECT_EQ(rig.canvas.shownFrame, 3);
    EXPECT_EQ(repaints, 2);
    rig.window.mouseUp();
    EXPECT_EQ(rig.view.MouseYaw, 4.0f);
    EXPECT_EQ(rig.view.MousePitch, -3.0f);

    // While drawing is suspended a drag still records the turn but draws nothing.
    rig.ui.statusText.clear();
    rig.animation.PaintBusy = true;
    rig.window.mouseMove(10, 0, true, false);
    EXPECT_EQ(rig.view.DragYaw, 5.0f);
    EXPECT_EQ(rig.canvas.shownFrame, 3);
    EXPECT_EQ(rig.ui.statusText, "");

    // "Start" resumes drawing and the clock; "Stop" pauses the clock only.
    rig.window.Start1Click();
    EXPECT_FALSE(rig.animation.PaintBusy);
    rig.window.Stop1Click();
    EXPECT_TRUE(rig.animation.AnimationPaused);
    EXPECT_FALSE(rig.animation.PaintBusy);

    // "Reset" returns the slider rotations and translation, not the mouse angles.
    rig.view.RotationY = 30.0;
    rig.view.TranslationZ = -2.0;
    rig.view.ZoomAngle = 80.0;
    rig.window.Reset1Click();
    EXPECT_EQ(rig.view.RotationY, 0.0);
    EXPECT_EQ(rig.view.TranslationY, -3.0);
    EXPECT_EQ(rig.view.TranslationZ, -14.0);
    EXPECT_EQ(rig.view.MouseYaw, 4.0f);
    EXPECT_EQ(rig.view.ZoomAngle, 80.0);

    rig.window.ShowXYZAxis1Click();
    EXPECT_TRUE(rig.view.ShowAxes);
    rig.window.ShowXYZAxis1Click();
    EXPECT_FALSE(rig.view.ShowAxes);

    std::vector<bool> maximised;
    rig.window.setMaximised = [&](bool on) { maximised.push_back(on); };
    rig.window.doubleClick();
    rig.window.doubleClick();
    EXPECT_EQ(maximised, (std::vector<bool>{true, false}));

    // "Capture" without a prepared run does nothing.
    rig.animation.CurrentTime = 77.0;
    rig.window.Capture1Click();
    EXPECT_FALSE(rig.animation.CaptureActive);
    EXPECT_EQ(rig.animation.CurrentTime, 77.0);

    bool terminated = false;
    rig.window.terminateApplication = [&] { terminated = true; };
    rig.window.Exit1Click();
    EXPECT_TRUE(terminated);
    EXPECT_EQ(rig.animation.CurrentTime, 0.0);
    EXPECT_TRUE(rig.animation.PaintBusy);
}
