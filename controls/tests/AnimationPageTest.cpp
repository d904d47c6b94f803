#include "controls/AnimationPage.h"

#include "base/RecordingUserInterface.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;

namespace {

struct AnimationPageTest : ::testing::Test {
    ViewState view;
    AnimationState animation;
    RecordingUserInterface ui;
    AnimationPage page{view, animation, ui};
};

} // namespace

TEST_F(AnimationPageTest, SlidersWriteTheirValuesWithStatusAndLabelTexts) {
    EXPECT_EQ(page.Label44.text(), ""); // empty until a slider moves
    page.TrackBar1.setPosition(1800);
    EXPECT_EQ(view.RotationX, 180.0);
    EXPECT_EQ(ui.statusText, "Rotation in X = 180");
    EXPECT_EQ(page.Label44.text(), " X = 180");
    page.TrackBar2.setPosition(-455);
    EXPECT_EQ(page.Label44.text(), " Y = -45.5"); // the group's label shows the last axis
    page.TrackBar3.setPosition(5000);             // clamped to the range
    EXPECT_EQ(ui.statusText, "Rotation in Z = 180");

    page.TrackBar5.setPosition(-30);
    EXPECT_EQ(view.TranslationY, -3.0);
    EXPECT_EQ(ui.statusText, "Translation in Y = -3");
    page.TrackBar6.setPosition(10);
    EXPECT_EQ(page.Label45.text(), " Z = 0.2");

    page.resizeView = [&] { EXPECT_EQ(view.ZoomAngle, 175.0); }; // stored before the resize
    page.TrackBar7.setPosition(175);
    EXPECT_EQ(ui.statusText, "Zoom = 175");
    EXPECT_EQ(page.Label46.text(), " = 175");
    page.TrackBar8.setPosition(10);
    EXPECT_EQ(animation.FrameDelay, 10);
    EXPECT_EQ(ui.statusText, "Animation Velocity = 10");
    page.TrackBar9.setPosition(3); // a 32-bit value shows its binary digits
    EXPECT_EQ(ui.statusText, "Plant Scalation = 0.300000011920929");
    EXPECT_EQ(page.Label48.text(), " = 0.300000011920929");

    page.TrackBar24.setPosition(42);
    EXPECT_EQ(animation.CurrentTime, 42.0);
    EXPECT_TRUE(animation.AnimationPaused); // dragging the time bar pauses
    EXPECT_EQ(page.Label52.text(), " = 42");
    page.BitBtn12Click();
    EXPECT_FALSE(animation.AnimationPaused);
    page.BitBtn13Click();
    EXPECT_TRUE(animation.AnimationPaused);

    // The view lowers the time bar's maximum: the bar moves, the time jumps, the clock stops.
    page.TrackBar24.setPosition(1000);
    animation.AnimationPaused = false;
    page.TrackBar24.setMaximum(150);
    EXPECT_EQ(animation.CurrentTime, 150.0);
    EXPECT_TRUE(animation.AnimationPaused);
    EXPECT_EQ(ui.statusText, "Animation Time = 150");
}

TEST_F(AnimationPageTest, NudgeButtonsStepTheirSliderAndStopAtTheEnds) {
    page.BitBtn1Click();
    EXPECT_EQ(view.RotationY, 0.1);
    page.BitBtn3Click();
    page.BitBtn3Click();
    EXPECT_EQ(view.RotationY, -0.1);
    page.BitBtn2Click();
    EXPECT_EQ(view.RotationZ, 0.1);
    page.BitBtn4Click();
    EXPECT_EQ(page.TrackBar3.position(), 0);
    page.BitBtn5Click();
    EXPECT_EQ(view.TranslationY, -2.6);
    page.BitBtn7Click();
    EXPECT_EQ(page.TrackBar5.position(), -27);
    page.BitBtn6Click();
    EXPECT_EQ(view.TranslationX, -0.1);
    page.BitBtn8Click();
    EXPECT_EQ(page.TrackBar4.position(), 0);

    // At the end of its range a nudge changes nothing, not even the status text.
    page.TrackBar4.setPosition(150);
    ui.statusText = "";
    page.BitBtn8Click();
    EXPECT_EQ(page.TrackBar4.position(), 150);
    EXPECT_EQ(ui.statusText, "");
}

TEST_F(AnimationPageTest, CaptureNowPreparesARunInTheNamedFolder) {
    page.RadioButton12Click();
    EXPECT_FALSE(page.RadioButton11.checked());
    EXPECT_TRUE(animation.SaveGifFrames);
    EXPECT_FALSE(animation.SaveJpegFrames);
    page.RadioButton11Click();
    EXPECT_TRUE(animation.SaveJpegFrames);
    EXPECT_FALSE(animation.SaveGifFrames);

    const auto working = std::filesystem::temp_directory_path() / "burgeon-page-test";
    std::filesystem::remove_all(working);
    std::filesystem::create_directories(working);
    page.workingFolder = [&] { return working.string(); };
    int toolsBits = 0;
    page.createCaptureTools = [&](int bits) { toolsBits = bits; };

    // Cancel gives the pre-filled name.
    page.Gauge1.setPosition(60);
    page.SpinEdit7.setPosition(10);
    page.SpinEdit8.setPosition(12);
    page.SpinEdit13.setPosition(9); // clamped to 8
    animation.PaintBusy = true;
    animation.AnimationPaused = true;
    animation.GifCheckpointCounter = 4;
    page.BitBtn10Click();
    EXPECT_EQ(ui.inputPrompts, std::vector<std::string>{"Input Folder Name: Prompt"});
    EXPECT_EQ(animation.CaptureFolder, (working / "PlantCap1").string());
    EXPECT_TRUE(std::filesystem::is_directory(working / "PlantCap1"));
    EXPECT_EQ(page.Gauge1.position(), 0);
    EXPECT_EQ(animation.CaptureFirst, 10);
    EXPECT_EQ(animation.CaptureLast, 12);
    EXPECT_EQ(animation.CurrentTime, 8.0);
    EXPECT_TRUE(animation.CaptureActive);
    EXPECT_FALSE(animation.PaintBusy);
    EXPECT_FALSE(animation.AnimationPaused);
    EXPECT_EQ(animation.GifCheckpointCounter, 0);
    EXPECT_EQ(toolsBits, 8);

    // A folder that cannot be made is not reported here.
    ui.inputAnswers.push_back(std::string("a/b/c"));
    page.BitBtn10Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(animation.CaptureFolder, (working / "a/b/c").string());

    page.BitBtn11Click();
    EXPECT_FALSE(animation.CaptureActive);
    std::filesystem::remove_all(working);
}
