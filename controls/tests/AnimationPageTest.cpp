#include "controls/AnimationPage.h"

#include "base/RecordingUserInterface.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;

namespace {

struct PageFixture : ::testing::Test {
    ViewState view;
    AnimationState animation;
    RecordingUserInterface ui;
    AnimationPage page{view, animation, ui};
};

} // namespace

TEST_F(PageFixture, SlidersWriteTheirValuesWithStatusAndLabelTexts) {
    EXPECT_EQ(page.Label44.text(), ""); // empty until a slider moves
    page.TrackBar1.setPosition(1800);
    EXPECT_EQ(view.RotationX, 180.0);
    EXPECT_EQ(ui.statusText, "Rotation in X = 180");
    EXPECT_EQ(page.Label44.text(), " X = 180");
    page.TrackBar2.setPosition(-455);
    EXPECT_EQ(view.RotationY, -45.5);
    EXPECT_EQ(page.Label44.text(), " Y = -45.5"); // the group's label shows the last axis
    page.TrackBar3.setPosition(5000);             // clamped to the range
    EXPECT_EQ(view.RotationZ, 180.0);
    EXPECT_EQ(ui.statusText, "Rotation in Z = 180");

    page.TrackBar4.setPosition(15);
    EXPECT_EQ(view.TranslationX, 1.5);
    EXPECT_EQ(page.Label45.text(), " X = 1.5");
    page.TrackBar5.setPosition(-30);
    EXPECT_EQ(view.TranslationY, -3.0);
    EXPECT_EQ(ui.statusText, "Translation in Y = -3");
    page.TrackBar6.setPosition(10);
    EXPECT_EQ(view.TranslationZ, 0.2);
    EXPECT_EQ(page.Label45.text(), " Z = 0.2");

    int resized = 0;
    page.resizeView = [&] {
        ++resized;
        EXPECT_EQ(view.ZoomAngle, 175.0); // stored before the projection is rebuilt
    };
    page.TrackBar7.setPosition(175);
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(ui.statusText, "Zoom = 175");
    EXPECT_EQ(page.Label46.text(), " = 175");

    page.TrackBar8.setPosition(10);
    EXPECT_EQ(animation.FrameDelay, 10);
    EXPECT_EQ(ui.statusText, "Animation Velocity = 10");
    EXPECT_EQ(page.Label47.text(), " = 10");

    page.TrackBar9.setPosition(3); // a 32-bit value shows its binary digits
    EXPECT_EQ(view.PlantScale, 0.3f);
    EXPECT_EQ(ui.statusText, "Plant Scalation = 0.300000011920929");
    EXPECT_EQ(page.Label48.text(), " = 0.300000011920929");

    page.TrackBar24.setPosition(42);
    EXPECT_EQ(animation.CurrentTime, 42.0);
    EXPECT_TRUE(animation.AnimationPaused); // dragging the time bar pauses
    EXPECT_EQ(ui.statusText, "Animation Time = 42");
    EXPECT_EQ(page.Label52.text(), " = 42");
    page.BitBtn12Click();
    EXPECT_FALSE(animation.AnimationPaused);
    page.BitBtn13Click();
    EXPECT_TRUE(animation.AnimationPaused);
}

TEST_F(PageFixture, TimeBarFollowsTheViewsMaximumAndPausesWhenClamped) {
    // The first frame after start lowers the maximum to 150: the bar moves to 150, the time
    // jumps there and the animation pauses.
    animation.AnimationPaused = false;
    page.TrackBar24.setMaximum(150);
    EXPECT_EQ(page.TrackBar24.position(), 150);
    EXPECT_EQ(animation.CurrentTime, 150.0);
    EXPECT_TRUE(animation.AnimationPaused);
    EXPECT_EQ(page.Label52.text(), " = 150");

    // The same maximum again, or a higher one, changes nothing.
    animation.AnimationPaused = false;
    animation.CurrentTime = 7.5;
    page.TrackBar24.setMaximum(150);
    page.TrackBar24.setMaximum(400);
    EXPECT_EQ(animation.CurrentTime, 7.5);
    EXPECT_FALSE(animation.AnimationPaused);
}

TEST_F(PageFixture, NudgeButtonsStepTheirSliderAndStopAtTheEnds) {
    page.BitBtn1Click();
    EXPECT_EQ(page.TrackBar2.position(), 1);
    EXPECT_EQ(view.RotationY, 0.1);
    page.BitBtn3Click();
    page.BitBtn3Click();
    EXPECT_EQ(view.RotationY, -0.1);
    page.BitBtn2Click();
    EXPECT_EQ(view.RotationZ, 0.1);
    page.BitBtn4Click();
    EXPECT_EQ(page.TrackBar3.position(), 0);
    page.BitBtn5Click();
    EXPECT_EQ(page.TrackBar5.position(), -26);
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
    page.TrackBar2.setPosition(-1800);
    page.BitBtn3Click();
    EXPECT_EQ(view.RotationY, -180.0);
}

TEST_F(PageFixture, FormatRadioButtonsChooseOneFormat) {
    page.applyCaptureFormats();
    EXPECT_TRUE(animation.SaveJpegFrames);
    EXPECT_FALSE(animation.SaveGifFrames);
    page.RadioButton12Click();
    EXPECT_TRUE(page.RadioButton12.checked());
    EXPECT_FALSE(page.RadioButton11.checked());
    EXPECT_TRUE(animation.SaveGifFrames);
    EXPECT_FALSE(animation.SaveJpegFrames);
    page.RadioButton11Click();
    EXPECT_TRUE(animation.SaveJpegFrames);
    EXPECT_FALSE(animation.SaveGifFrames);
    EXPECT_EQ(page.RadioButton12.caption(), "Gif Format (256 Colors)");
}

TEST_F(PageFixture, CaptureNowPreparesARunInTheNamedFolder) {
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

    // A typed name; an existing folder is used as it is.
    ui.inputAnswers.push_back(std::string("Run2"));
    std::filesystem::create_directories(working / "Run2");
    page.BitBtn10Click();
    EXPECT_EQ(animation.CaptureFolder, (working / "Run2").string());

    // A folder that cannot be made is not reported here.
    ui.inputAnswers.push_back(std::string("a/b/c"));
    page.BitBtn10Click();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(working / "a"));
    EXPECT_TRUE(animation.CaptureActive);

    page.BitBtn11Click();
    EXPECT_FALSE(animation.CaptureActive);
    std::filesystem::remove_all(working);
}
