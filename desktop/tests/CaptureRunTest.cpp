#include "desktop/tests/FrameRig.h"

#include "imageio/BmpReader.h"
#include "imageio/tests/GifDecoding.h"
#include "testing/TempFolder.h"
#include "video/tests/VideoDecoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace burgeon;
using namespace burgeon::testing;

namespace {

// The view starts (its first frame settles the time bar), then the page prepares a run into
// working/name; frames follow until the run ends.
struct CaptureRig : FrameRig {
    explicit CaptureRig(double timeStep) {
        parameters.timeStep = timeStep;
        page.workingFolder = [this] { return working.path(); };
        window.showEvent();
        window.paint();
    }
    void start(int first, int last, const std::string& name = "PlantCap1") {
        page.startFrameBox.setPosition(first);
        page.endFrameBox.setPosition(last);
        ui.inputAnswers.push_back(name);
        page.onCaptureNowClicked();
    }
    void runToEnd() {
        for (int i = 0; i < 200 && animation.captureActive; ++i) {
            window.paint();
        }
    }
    std::string file(const std::string& name) const {
        return working.file(std::filesystem::path(animation.captureFolder).filename().string() +
                            "/" + name);
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(animation.captureFolder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    TempFolder working;
};

} // namespace

TEST(CaptureRun, RunFromTenToTwelveCapturesEveryHalfAndCompletes) {
    CaptureRig rig(0.5);
    std::vector<int> gauge;
    rig.page.captureGauge.views.subscribe(
        [&] { gauge.push_back(rig.page.captureGauge.position()); });
    rig.start(10, 12);
    EXPECT_EQ(rig.currentTime, 8.0);
    rig.runToEnd();
    EXPECT_EQ(rig.files(), (std::set<std::string>{"Picture.bmp", "Picture10.jpg", "Picture10.5.jpg",
                                                  "Picture11.jpg", "Picture11.5.jpg",
                                                  "Picture12.jpg", "Plant.gif"}));
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Capture Completed."});
    EXPECT_FALSE(rig.animation.captureActive);
    EXPECT_FALSE(rig.capture.hasTools());
    EXPECT_EQ(gauge, (std::vector<int>{25, 50, 75, 100})); // 0 since "Capture Now"

    // The picture is the frame shown before the captured one, five pixels smaller each way.
    const auto picture = readBitmapFile(rig.file("Picture.bmp"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 40);
    EXPECT_EQ(picture->height, 32);
    const RgbColor shown = FakeCanvas::shownColor(rig.canvas.shownFrame - 1);
    EXPECT_EQ(rig.page.capturedFrame.pixel(5, 5), shown);

    const auto gif = decodeGifFile(rig.file("Plant.gif"));
    ASSERT_EQ(gif.frames.size(), 5u);
    EXPECT_EQ(gif.frames[0].loopCount, 0);
    for (const auto& frame : gif.frames) {
        EXPECT_EQ(frame.delay, 3);
        ASSERT_EQ(frame.palette.size(), 256u);
        EXPECT_EQ(frame.palette[9], (RgbColor{166, 202, 240}));
        EXPECT_EQ(frame.palette[246], (RgbColor{255, 251, 240}));
    }
    EXPECT_EQ(gif.frames[4].pixel(3, 3), shown);
    EXPECT_NE(gif.frames[3].pixel(3, 3), shown);
}

TEST(CaptureRun, RunThatMissesItsEndExactlyIsAbandonedQuietly) {
    CaptureRig rig(0.3);
    rig.start(10, 12);
    rig.runToEnd();
    EXPECT_FALSE(rig.animation.captureActive);
    EXPECT_TRUE(rig.ui.messages.empty());
    EXPECT_FALSE(rig.exists("Plant.gif"));
    EXPECT_EQ(rig.files().size(), 8u); // Picture.bmp and 10.1, 10.4, ... 11.9
    EXPECT_TRUE(rig.exists("Picture10.1.jpg"));
    EXPECT_TRUE(rig.exists("Picture11.9.jpg"));

    // "End Frame" below "Start Frame": nothing is captured, the run ends past its end.
    CaptureRig reversed(0.5);
    reversed.start(12, 10);
    reversed.runToEnd();
    EXPECT_FALSE(reversed.animation.captureActive);
    EXPECT_TRUE(reversed.files().empty());
}

TEST(CaptureRun, IntermediateSavesComeWithTheTenthAndNineteenthFrames) {
    CaptureRig rig(1.0);
    rig.start(1, 25);
    std::vector<std::size_t> savedWith;
    for (int i = 0; i < 40 && rig.animation.captureActive; ++i) {
        rig.window.paint();
        const std::size_t count = decodeGifFile(rig.file("PlantTmp.gif")).frames.size();
        if (count > 0 && (savedWith.empty() || savedWith.back() != count)) {
            savedWith.push_back(count);
        }
    }
    EXPECT_EQ(savedWith, (std::vector<std::size_t>{10, 19}));
    EXPECT_EQ(decodeGifFile(rig.file("Plant.gif")).frames.size(), 25u);
}

TEST(CaptureRun, GifFormatWritesNumberedGifsAndAFirstPlantGif) {
    CaptureRig rig(0.5);
    rig.page.onGifFormatClicked();
    rig.page.gifDelayBox.setPosition(12);
    rig.start(4, 5, "Gifs");
    for (int i = 0; i < 5; ++i) { // times 2 .. 4: the first capture
        rig.window.paint();
    }
    const auto first = decodeGifFile(rig.file("Plant.gif"));
    ASSERT_EQ(first.frames.size(), 1u);
    EXPECT_EQ(first.frames[0].loopCount, -1); // a single frame, not yet the animation
    rig.runToEnd();
    EXPECT_EQ(rig.files(), (std::set<std::string>{"Picture.bmp", "Pict4.GIF", "Pict4.5.GIF",
                                                  "Pict5.GIF", "Plant.gif"}));
    EXPECT_EQ(decodeGifFile(rig.file("Pict4.5.GIF")).frames.size(), 1u);
    const auto animation = decodeGifFile(rig.file("Plant.gif"));
    ASSERT_EQ(animation.frames.size(), 3u);
    EXPECT_EQ(animation.frames[2].delay, 12);
}

TEST(CaptureRun, SingleTimeRunFillsTheGaugeAndStopAndRestartWork) {
    CaptureRig rig(0.25);
    rig.start(1, 1);
    rig.runToEnd();
    EXPECT_EQ(rig.page.captureGauge.position(), 100);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Capture Completed."});
    EXPECT_EQ(decodeGifFile(rig.file("Plant.gif")).frames.size(), 1u);

    // "Stop Capture" ends a run without writing its animation; "Capture" on the popup menu
    // restarts the prepared run one time unit before its start.
    CaptureRig stopped(0.5);
    stopped.start(10, 12);
    while (stopped.currentTime < 10.5) {
        stopped.window.paint();
    }
    stopped.page.onStopCaptureClicked();
    for (int i = 0; i < 10; ++i) {
        stopped.window.paint();
    }
    EXPECT_EQ(stopped.files(),
              (std::set<std::string>{"Picture.bmp", "Picture10.jpg", "Picture10.5.jpg"}));
    stopped.window.capture();
    EXPECT_TRUE(stopped.animation.captureActive);
    EXPECT_EQ(stopped.currentTime, 9.0);
    stopped.runToEnd();
    EXPECT_TRUE(stopped.exists("Plant.gif"));
    EXPECT_EQ(stopped.ui.messages, std::vector<std::string>{"Capture Completed."});
}

TEST(CaptureRun, FileThatCannotBeWrittenEndsTheRunOnceAndDrawingGoesOn) {
    // The capture folder could not be made: the first picture fails.
    CaptureRig rig(0.5);
    rig.start(10, 12, "no/such/folder");
    const int shownBefore = rig.canvas.shownFrame;
    for (int i = 0; i < 10; ++i) {
        rig.window.paint();
    }
    EXPECT_EQ(rig.ui.messages,
              std::vector<std::string>{"Cannot create file " +
                                       rig.working.file("no/such/folder/Picture.bmp") +
                                       " (no such folder)"});
    EXPECT_FALSE(rig.animation.captureActive);
    EXPECT_EQ(rig.canvas.shownFrame, shownBefore + 10); // every frame was drawn and shown

    // The final animation cannot be saved: the intermediate one stays.
    CaptureRig blocked(1.0);
    blocked.start(1, 11);
    std::filesystem::create_directories(blocked.file("Plant.gif") + "/in-the-way");
    blocked.runToEnd();
    EXPECT_EQ(blocked.ui.messages,
              std::vector<std::string>{"Cannot create file " + blocked.file("Plant.gif") +
                                       " (a folder has that name)"});
    EXPECT_FALSE(blocked.animation.captureActive);
    EXPECT_FALSE(blocked.animation.paintBusy);
    EXPECT_EQ(decodeGifFile(blocked.file("PlantTmp.gif")).frames.size(), 10u);
    EXPECT_TRUE(blocked.exists("Picture11.jpg"));
}

TEST(CaptureRun, VideoFormatWritesOneVideoNamedWhenTheRunEndsOrStops) {
    CaptureRig rig(0.5);
    rig.page.onVideoFormatClicked();
    EXPECT_TRUE(rig.page.videoFormatButton.checked());
    EXPECT_FALSE(rig.page.jpegFormatButton.checked());
    EXPECT_EQ(rig.project.animation.capture.format, CaptureFormat::Video);
    rig.start(10, 12);
    rig.runToEnd();
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Capture Completed."});
    EXPECT_EQ(rig.files(), (std::set<std::string>{"Picture.bmp", "Plant.mp4"}));
    const auto video = decodeVideo(rig.file("Plant.mp4"));
    ASSERT_TRUE(video.valid);
    EXPECT_EQ(video.frames.size(), 5u);
    // The panel is 45 x 37, the picture five pixels less: 40 x 32.
    EXPECT_EQ(video.width, 40);
    EXPECT_EQ(video.height, 32);
    // The shown frame before each capture, as the files of the other formats hold it.
    const RgbColor first = meanColour(video.frames.front(), 2, 2, 30, 20);
    const RgbColor painted = FakeCanvas::shownColor(rig.canvas.shownFrame - 5);
    EXPECT_NEAR(first.red, painted.red, 6);
    EXPECT_NEAR(first.blue, painted.blue, 6);

    // "Stop Capture" halfway keeps a playable video of the frames so far, under its name.
    CaptureRig stopped(0.5);
    stopped.page.onVideoFormatClicked();
    stopped.start(10, 14);
    while (stopped.currentTime < 11.5) {
        stopped.window.paint();
    }
    EXPECT_FALSE(stopped.exists("Plant.mp4")) << "named only when the run ends";
    stopped.page.onStopCaptureClicked();
    const auto kept = decodeVideo(stopped.file("Plant.mp4"));
    ASSERT_TRUE(kept.valid);
    EXPECT_EQ(kept.frames.size(), 4u); // 10 to 11.5
    EXPECT_TRUE(stopped.ui.messages.empty());

    // An encoder that cannot write ends the run with its message and leaves no video.
    CaptureRig blocked(0.5);
    blocked.page.onVideoFormatClicked();
    blocked.capture.videoOutput.fileName = blocked.working.file("no/such/folder/Plant.mp4");
    blocked.start(10, 12);
    blocked.runToEnd();
    EXPECT_EQ(blocked.ui.messages,
              std::vector<std::string>{"Cannot create file " +
                                       blocked.working.file("no/such/folder/Plant.mp4") +
                                       " (no such folder)"});
    EXPECT_FALSE(blocked.animation.captureActive);
    EXPECT_FALSE(blocked.exists("Plant.mp4"));
}
