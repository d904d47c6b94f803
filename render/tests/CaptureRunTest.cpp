#include "render/tests/FrameRig.h"

#include "imageio/BmpReader.h"
#include "imageio/tests/GifDecoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace burgeon;
using burgeon::testing::decodeGifFile;
using burgeon::testing::FakeCanvas;
using burgeon::testing::FrameRig;
using burgeon::testing::ScratchFolder;

namespace {

// Starts the view (its first frame settles the time bar), then prepares a run from the page.
void startRun(FrameRig& rig, const ScratchFolder& working, int first, int last,
              const std::string& folderName = "") {
    rig.window.show();
    rig.window.paint();
    rig.page.workingFolder = [&working] { return working.path.string(); };
    rig.page.SpinEdit7.setPosition(first);
    rig.page.SpinEdit8.setPosition(last);
    if (!folderName.empty()) {
        rig.ui.inputAnswers.push_back(folderName);
    }
    rig.page.BitBtn10Click();
}

// Frames until the run ends; the times the captured frames were taken at.
std::vector<double> runToEnd(FrameRig& rig, int frameLimit = 200) {
    std::vector<double> captured;
    for (int i = 0; i < frameLimit && rig.animation.CaptureActive; ++i) {
        const int before = rig.capture.animation() ? rig.capture.animation()->frameCount() : 0;
        const bool wasActive = rig.animation.CaptureActive;
        rig.window.paint();
        const int after = rig.capture.animation() ? rig.capture.animation()->frameCount() : 0;
        if (wasActive && (after > before || (!rig.capture.hasTools() && !rig.ui.messages.empty() &&
                                             rig.ui.messages.back() == "Capture Completed."))) {
            captured.push_back(rig.canvas.plantTimes.back() + rig.parameters.TimeStep);
        }
    }
    return captured;
}

bool exists(const ScratchFolder& folder, const std::string& name) {
    return std::filesystem::exists(folder.path / "PlantCap1" / name);
}

} // namespace

TEST(CaptureRun, RunFromTenToTwelveCapturesEveryHalfAndCompletes) {
    ScratchFolder working("burgeon-capture-half");
    FrameRig rig;
    rig.parameters.TimeStep = 0.5;
    std::vector<int> gauge;
    rig.page.Gauge1.views.subscribe([&] { gauge.push_back(rig.page.Gauge1.position()); });
    startRun(rig, working, 10, 12);
    EXPECT_EQ(rig.animation.CurrentTime, 8.0);

    const std::vector<double> captured = runToEnd(rig);
    EXPECT_EQ(captured, (std::vector<double>{10.0, 10.5, 11.0, 11.5, 12.0}));
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Capture Completed."});
    EXPECT_FALSE(rig.animation.CaptureActive);
    EXPECT_FALSE(rig.capture.hasTools());
    // Capture Now set the gauge to 0, which the first frame keeps.
    EXPECT_EQ(gauge, (std::vector<int>{25, 50, 75, 100}));

    // The picture is the frame shown before the captured one, minus five pixels each way.
    const auto picture = readBitmapFile(working.file("PlantCap1/Picture.bmp"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 40);
    EXPECT_EQ(picture->height, 32);
    EXPECT_EQ(rig.page.Image8.width(), 40);
    const RgbColor shown = rig.page.Image8.pixel(5, 5);
    EXPECT_EQ(shown, FakeCanvas::shownColor(rig.canvas.shownFrame - 1));

    for (const char* name : {"Picture10.jpg", "Picture10.5.jpg", "Picture11.jpg", "Picture11.5.jpg",
                             "Picture12.jpg"}) {
        EXPECT_TRUE(exists(working, name)) << name;
    }
    EXPECT_FALSE(exists(working, "Pict10.GIF"));
    EXPECT_FALSE(exists(working, "PlantTmp.gif"));
    const auto gif = decodeGifFile(working.file("PlantCap1/Plant.gif"));
    ASSERT_TRUE(gif.valid);
    ASSERT_EQ(gif.frames.size(), 5u);
    EXPECT_TRUE(gif.frames[0].loopExtension);
    EXPECT_EQ(gif.frames[0].loopCount, 0);
    for (const auto& frame : gif.frames) {
        EXPECT_EQ(frame.delay, 3);
        ASSERT_EQ(frame.palette.size(), 256u);
        EXPECT_EQ(frame.palette[9], (RgbColor{166, 202, 240}));
        EXPECT_EQ(frame.palette[246], (RgbColor{255, 251, 240}));
    }
    // Each animation frame holds the picture shown when it was taken.
    EXPECT_EQ(gif.frames[4].pixel(3, 3), shown);
    EXPECT_NE(gif.frames[3].pixel(3, 3), shown);

    // No temporary file is left in the folder.
    for (const auto& entry : std::filesystem::directory_iterator(working.path / "PlantCap1")) {
        EXPECT_EQ(entry.path().string().find(".gif."), std::string::npos) << entry.path();
    }
}

TEST(CaptureRun, RunThatMissesItsEndExactlyIsAbandonedQuietly) {
    ScratchFolder working("burgeon-capture-miss");
    FrameRig rig;
    rig.parameters.TimeStep = 0.3;
    startRun(rig, working, 10, 12);
    const std::vector<double> captured = runToEnd(rig);
    EXPECT_FALSE(rig.animation.CaptureActive);
    EXPECT_TRUE(rig.ui.messages.empty());
    EXPECT_FALSE(exists(working, "Plant.gif"));
    EXPECT_EQ(captured.size(), 7u); // 10.1 ... 11.9
    EXPECT_TRUE(exists(working, "Picture10.1.jpg"));
    EXPECT_TRUE(exists(working, "Picture11.9.jpg"));
    EXPECT_GT(rig.animation.CurrentTime, 12.0);

    // "End Frame" below "Start Frame": nothing is captured, the run ends past its end.
    FrameRig reversed;
    ScratchFolder other("burgeon-capture-reversed");
    startRun(reversed, other, 12, 10);
    EXPECT_TRUE(runToEnd(reversed).empty());
    EXPECT_FALSE(reversed.animation.CaptureActive);
    EXPECT_FALSE(std::filesystem::exists(other.path / "PlantCap1" / "Picture.bmp"));
}

TEST(CaptureRun, IntermediateSavesComeWithTheTenthAndNineteenthFrames) {
    ScratchFolder working("burgeon-capture-checkpoint");
    FrameRig rig;
    rig.parameters.TimeStep = 1.0;
    startRun(rig, working, 1, 25);
    std::vector<int> savedWith;
    int lastCount = 0;
    for (int i = 0; i < 40 && rig.animation.CaptureActive; ++i) {
        rig.window.paint();
        if (exists(working, "PlantTmp.gif")) {
            const int count = static_cast<int>(
                decodeGifFile(working.file("PlantCap1/PlantTmp.gif")).frames.size());
            if (count != lastCount) {
                savedWith.push_back(count);
                lastCount = count;
            }
        }
    }
    EXPECT_EQ(savedWith, (std::vector<int>{10, 19}));
    EXPECT_EQ(decodeGifFile(working.file("PlantCap1/Plant.gif")).frames.size(), 25u);
}

TEST(CaptureRun, GifFormatWritesNumberedGifsAndAFirstPlantGif) {
    ScratchFolder working("burgeon-capture-gif");
    FrameRig rig;
    rig.parameters.TimeStep = 0.5;
    rig.page.RadioButton12Click();
    rig.page.SpinEdit11.setPosition(12);
    startRun(rig, working, 4, 5, "Gifs");
    for (int i = 0; i < 5; ++i) { // times 2 .. 4: the first capture
        rig.window.paint();
    }
    const auto first = decodeGifFile(working.file("Gifs/Plant.gif"));
    ASSERT_TRUE(first.valid);
    EXPECT_EQ(first.frames.size(), 1u);
    EXPECT_FALSE(first.frames[0].loopExtension);
    runToEnd(rig);
    for (const char* name : {"Pict4.GIF", "Pict4.5.GIF", "Pict5.GIF", "Picture.bmp"}) {
        EXPECT_TRUE(std::filesystem::exists(working.path / "Gifs" / name)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(working.path / "Gifs" / "Picture4.jpg"));
    EXPECT_EQ(decodeGifFile(working.file("Gifs/Pict4.5.GIF")).frames.size(), 1u);
    const auto animation = decodeGifFile(working.file("Gifs/Plant.gif"));
    ASSERT_EQ(animation.frames.size(), 3u);
    EXPECT_EQ(animation.frames[2].delay, 12);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Capture Completed."});
}

TEST(CaptureRun, SingleTimeRunFillsTheGaugeAndStopAndRestartWork) {
    ScratchFolder working("burgeon-capture-single");
    FrameRig rig;
    rig.parameters.TimeStep = 0.25;
    startRun(rig, working, 1, 1);
    runToEnd(rig);
    EXPECT_EQ(rig.page.Gauge1.position(), 100);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Capture Completed."});
    EXPECT_EQ(decodeGifFile(working.file("PlantCap1/Plant.gif")).frames.size(), 1u);

    // "Stop Capture" ends a run without writing its animation; "Capture" on the popup menu
    // restarts the prepared run one time unit before its start.
    FrameRig stopped;
    ScratchFolder other("burgeon-capture-stop");
    stopped.parameters.TimeStep = 0.5;
    startRun(stopped, other, 10, 12);
    while (stopped.animation.CurrentTime < 10.5) {
        stopped.window.paint();
    }
    stopped.page.BitBtn11Click();
    for (int i = 0; i < 10; ++i) {
        stopped.window.paint();
    }
    EXPECT_TRUE(std::filesystem::exists(other.path / "PlantCap1" / "Picture10.5.jpg"));
    EXPECT_FALSE(std::filesystem::exists(other.path / "PlantCap1" / "Picture11.jpg"));
    EXPECT_FALSE(std::filesystem::exists(other.path / "PlantCap1" / "Plant.gif"));
    stopped.window.Capture1Click();
    EXPECT_TRUE(stopped.animation.CaptureActive);
    EXPECT_EQ(stopped.animation.CurrentTime, 9.0);
    runToEnd(stopped);
    EXPECT_TRUE(std::filesystem::exists(other.path / "PlantCap1" / "Plant.gif"));
    EXPECT_EQ(stopped.ui.messages, std::vector<std::string>{"Capture Completed."});
}

TEST(CaptureRun, FileThatCannotBeWrittenEndsTheRunOnceAndDrawingGoesOn) {
    // The capture folder could not be made: the first picture fails.
    ScratchFolder working("burgeon-capture-nofolder");
    FrameRig rig;
    rig.parameters.TimeStep = 0.5;
    startRun(rig, working, 10, 12, "no/such/folder");
    const int shownBefore = rig.canvas.shownFrame;
    for (int i = 0; i < 10; ++i) {
        rig.window.paint();
    }
    EXPECT_EQ(rig.ui.messages,
              std::vector<std::string>{"Cannot create file " +
                                       working.file("no/such/folder/Picture.bmp")});
    EXPECT_FALSE(rig.animation.CaptureActive);
    EXPECT_FALSE(rig.animation.PaintBusy);
    EXPECT_EQ(rig.canvas.shownFrame, shownBefore + 10); // every frame was drawn and shown

    // The final animation cannot be saved: the intermediate one stays as it was.
    ScratchFolder second("burgeon-capture-blocked");
    FrameRig blocked;
    blocked.parameters.TimeStep = 1.0;
    startRun(blocked, second, 1, 11);
    std::filesystem::create_directories(second.path / "PlantCap1" / "Plant.gif" / "in-the-way");
    runToEnd(blocked);
    EXPECT_EQ(blocked.ui.messages,
              std::vector<std::string>{"Cannot create file " + second.file("PlantCap1/Plant.gif")});
    EXPECT_FALSE(blocked.animation.CaptureActive);
    EXPECT_FALSE(blocked.animation.PaintBusy);
    EXPECT_EQ(decodeGifFile(second.file("PlantCap1/PlantTmp.gif")).frames.size(), 10u);
    EXPECT_TRUE(std::filesystem::exists(second.path / "PlantCap1" / "Picture11.jpg"));
    blocked.window.paint();
    EXPECT_EQ(blocked.ui.messages.size(), 1u);
}
