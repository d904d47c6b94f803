#include "render/CaptureSession.h"

#include "imageio/tests/GifDecoding.h"
#include "render/tests/FakeCanvas.h"

#include <gtest/gtest.h>

using namespace burgeon;
using namespace burgeon::testing;

TEST(CaptureSession, RunsTheRunToItsEndAndReportsHowItEnded) {
    ScratchFolder working("burgeon-capture-session");
    FakeCanvas canvas;
    PlantProject project;
    project.parameters.timeStep = 0.5;
    CaptureSettings& settings = project.animation.capture;
    settings.first = 10;
    settings.last = 12;
    settings.format = CaptureFormat::Gif;
    settings.delay = 7;
    settings.folder = working.file("Run");
    std::vector<int> progress;
    const auto report =
        runCaptureSession(canvas, project, [&](int percent) { progress.push_back(percent); });
    EXPECT_EQ(report.outcome, CaptureOutcome::Completed);
    EXPECT_EQ(report.messages, std::vector<std::string>{"Capture Completed."});
    EXPECT_EQ(report.frames, 8); // drawn at 8 ... 11.5, each capturing its advanced time
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_TRUE(std::filesystem::exists(working.path / "Run" / "Pict10.5.GIF"));
    const auto gif = decodeGifFile(working.file("Run/Plant.gif"));
    ASSERT_EQ(gif.frames.size(), 5u);
    EXPECT_EQ(gif.frames[0].delay, 7);

    // Past the end of the time axis the clock loops back before reaching the end.
    settings.last = 151;
    EXPECT_EQ(runCaptureSession(canvas, project, {}).outcome, CaptureOutcome::Unreachable);
    settings.last = 12;
    project.parameters.timeStep = 0.3;
    EXPECT_EQ(runCaptureSession(canvas, project, {}).outcome, CaptureOutcome::Abandoned);
    settings.folder = working.file("no/such/folder");
    const auto failed = runCaptureSession(canvas, project, {});
    EXPECT_EQ(failed.outcome, CaptureOutcome::Failed);
    EXPECT_EQ(failed.messages.size(), 1u);
}
