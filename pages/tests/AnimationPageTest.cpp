#include "pages/AnimationPage.h"

#include "base/RecordingUserInterface.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;

namespace {

struct AnimationPageTest : ::testing::Test {
    PlantProject project;
    ViewState& view = project.view;
    AnimationState animation;
    RecordingUserInterface ui;
    CaptureRun capture{project.animation, animation};
    AnimationPage page{project, animation, capture, ui};
};

} // namespace

TEST_F(AnimationPageTest, SlidersWriteTheirValuesWithStatusAndLabelTexts) {
    EXPECT_EQ(page.rotationValue.text(), ""); // empty until a slider moves
    page.rotationXSlider.setPosition(1800);
    EXPECT_EQ(view.rotationX, 180.0);
    EXPECT_EQ(ui.statusText, "Rotation in X = 180");
    EXPECT_EQ(page.rotationValue.text(), " X = 180");
    page.rotationYSlider.setPosition(-455);
    EXPECT_EQ(page.rotationValue.text(), " Y = -45.5"); // the group's label shows the last axis
    page.rotationZSlider.setPosition(5000);             // clamped to the range
    EXPECT_EQ(ui.statusText, "Rotation in Z = 180");

    page.translationYSlider.setPosition(-30);
    EXPECT_EQ(view.translationY, -3.0);
    EXPECT_EQ(ui.statusText, "Translation in Y = -3");
    page.translationZSlider.setPosition(10);
    EXPECT_EQ(page.translationValue.text(), " Z = 0.2");

    page.resizeView = [&] { EXPECT_EQ(view.zoomAngle, 175.0); }; // stored before the resize
    page.zoomSlider.setPosition(175);
    EXPECT_EQ(ui.statusText, "Zoom = 175");
    EXPECT_EQ(page.zoomValue.text(), " = 175");
    page.velocitySlider.setPosition(10);
    EXPECT_EQ(project.animation.frameDelay, 10);
    EXPECT_EQ(ui.statusText, "Animation Velocity = 10");
    page.scaleSlider.setPosition(3); // a 32-bit value shows its binary digits
    EXPECT_EQ(ui.statusText, "Plant Scalation = 0.300000011920929");
    EXPECT_EQ(page.scaleValue.text(), " = 0.300000011920929");

    page.timeBar.setPosition(42);
    EXPECT_EQ(project.animation.currentTime, 42.0);
    EXPECT_TRUE(animation.animationPaused); // dragging the time bar pauses
    EXPECT_EQ(page.timeValue.text(), " = 42");
    page.onPlayClicked();
    EXPECT_FALSE(animation.animationPaused);
    page.onPauseClicked();
    EXPECT_TRUE(animation.animationPaused);

    // The view lowers the time bar's maximum: the bar moves, the time jumps, the clock stops.
    page.timeBar.setPosition(1000);
    animation.animationPaused = false;
    page.timeBar.setMaximum(150);
    EXPECT_EQ(project.animation.currentTime, 150.0);
    EXPECT_TRUE(animation.animationPaused);
    EXPECT_EQ(ui.statusText, "Animation Time = 150");
}

TEST_F(AnimationPageTest, NudgeButtonsStepTheirSliderAndStopAtTheEnds) {
    page.nudgeRotationUp();
    EXPECT_EQ(view.rotationY, 0.1);
    page.nudgeRotationDown();
    page.nudgeRotationDown();
    EXPECT_EQ(view.rotationY, -0.1);
    page.nudgeRotationLeft();
    EXPECT_EQ(view.rotationZ, 0.1);
    page.nudgeRotationRight();
    EXPECT_EQ(page.rotationZSlider.position(), 0);
    page.nudgeTranslationUp();
    EXPECT_EQ(view.translationY, -2.6);
    page.nudgeTranslationDown();
    EXPECT_EQ(page.translationYSlider.position(), -27);
    page.nudgeTranslationLeft();
    EXPECT_EQ(view.translationX, -0.1);
    page.nudgeTranslationRight();
    EXPECT_EQ(page.translationXSlider.position(), 0);

    // At the end of its range a nudge changes nothing, not even the status text.
    page.translationXSlider.setPosition(150);
    ui.statusText = "";
    page.nudgeTranslationRight();
    EXPECT_EQ(page.translationXSlider.position(), 150);
    EXPECT_EQ(ui.statusText, "");
}

TEST_F(AnimationPageTest, CaptureNowPreparesARunInTheNamedFolder) {
    page.onGifFormatClicked();
    EXPECT_FALSE(page.jpegFormatButton.checked());
    EXPECT_TRUE(animation.saveGifFrames);
    EXPECT_FALSE(animation.saveJpegFrames);
    page.onJpegFormatClicked();
    EXPECT_TRUE(animation.saveJpegFrames);
    EXPECT_FALSE(animation.saveGifFrames);

    const burgeon::testing::TempFolder temp;
    const std::filesystem::path working = temp.path();
    page.workingFolder = [&] { return working.string(); };

    page.captureGauge.setPosition(60);
    page.startFrameBox.setPosition(10);
    page.endFrameBox.setPosition(12);
    page.reductionBitsBox.setPosition(9); // clamped to 8
    animation.paintBusy = true;
    animation.animationPaused = true;
    animation.gifCheckpointCounter = 4;
    // Cancelling the prompt cancels the run: nothing is prepared and no folder is made.
    page.onCaptureNowClicked();
    EXPECT_EQ(ui.inputPrompts, std::vector<std::string>{"Input Folder Name: Prompt"});
    EXPECT_FALSE(animation.captureActive);
    EXPECT_FALSE(capture.hasTools());
    EXPECT_EQ(page.captureGauge.position(), 60);
    EXPECT_TRUE(std::filesystem::is_empty(working));

    ui.inputAnswers.push_back(std::string("PlantCap1"));
    page.onCaptureNowClicked();
    EXPECT_EQ(animation.captureFolder, (working / "PlantCap1").string());
    EXPECT_TRUE(std::filesystem::is_directory(working / "PlantCap1"));
    EXPECT_EQ(page.captureGauge.position(), 0);
    EXPECT_EQ(animation.captureFirst, 10);
    EXPECT_EQ(animation.captureLast, 12);
    EXPECT_EQ(project.animation.currentTime, 8.0);
    EXPECT_TRUE(animation.captureActive);
    EXPECT_FALSE(animation.paintBusy);
    EXPECT_FALSE(animation.animationPaused);
    EXPECT_EQ(animation.gifCheckpointCounter, 0);
    ASSERT_TRUE(capture.hasTools());
    EXPECT_EQ(capture.animation()->reductionBits, 8);
    EXPECT_EQ(project.animation.capture.reductionBits, 8);

    // A folder that cannot be made is not reported here.
    ui.inputAnswers.push_back(std::string("a/b/c"));
    page.onCaptureNowClicked();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(animation.captureFolder, (working / "a/b/c").string());

    // An absolute folder is the folder typed, not one in the working folder.
    const auto elsewhere = working / "elsewhere";
    ui.inputAnswers.push_back(elsewhere.string());
    page.onCaptureNowClicked();
    EXPECT_EQ(animation.captureFolder, elsewhere.string());
    EXPECT_TRUE(std::filesystem::is_directory(elsewhere));

    page.onStopCaptureClicked();
    EXPECT_FALSE(animation.captureActive);
}
