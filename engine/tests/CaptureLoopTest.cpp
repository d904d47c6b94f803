#include "engine/CaptureLoop.h"

#include "frame/tests/FakeCanvas.h"
#include "imageio/tests/GifDecoding.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;
using namespace burgeon::testing;

TEST(CaptureLoop, RunsTheRunToItsEndAndReportsHowItEnded) {
    const TempFolder working;
    FakeCanvas canvas;
    PlantProject project;
    project.parameters.timeStep = 0.5;
    CaptureSettings& settings = project.animation.capture;
    settings.first = 10;
    settings.last = 12;
    settings.format = CaptureFormat::Gif;
    settings.delay = 7;
    settings.folder = working.file("Run");
    std::filesystem::create_directory(settings.folder);
    std::vector<int> progress;
    CaptureListener listener;
    listener.progress = [&](int percent) { progress.push_back(percent); };
    const auto report = runCaptureLoop(canvas, project, listener, StopCondition());
    EXPECT_EQ(report.result, CaptureReport::Result::Completed);
    EXPECT_EQ(report.message, "");
    EXPECT_EQ(report.frames, 8); // drawn at 8 ... 11.5, each capturing its advanced time
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_TRUE(std::filesystem::exists(working.file("Run/Pict10.5.GIF")));
    const auto gif = decodeGifFile(working.file("Run/Plant.gif"));
    ASSERT_EQ(gif.frames.size(), 5u);
    EXPECT_EQ(gif.frames[0].delay, 7);

    // Past the end of the time axis the clock loops back before reaching the end.
    settings.last = 151;
    EXPECT_EQ(runCaptureLoop(canvas, project, {}, StopCondition()).result,
              CaptureReport::Result::Unreachable);
    settings.last = 12;
    project.parameters.timeStep = 0.3;
    EXPECT_EQ(runCaptureLoop(canvas, project, {}, StopCondition()).result,
              CaptureReport::Result::Abandoned);
    settings.folder = working.file("no/such/folder");
    const auto failed = runCaptureLoop(canvas, project, {}, StopCondition());
    EXPECT_EQ(failed.result, CaptureReport::Result::Failed);
    EXPECT_NE(failed.message.find("Cannot create file"), std::string::npos) << failed.message;
}

TEST(CaptureLoop, AStopRequestEndsTheRunBeforeItsEnd) {
    const TempFolder working;
    FakeCanvas canvas;
    PlantProject project;
    project.parameters.timeStep = 0.5;
    CaptureSettings& settings = project.animation.capture;
    settings.first = 10;
    settings.last = 40;
    settings.format = CaptureFormat::Gif;
    settings.folder = working.path();
    int asked = 0;
    const StopCondition stop(std::nullopt, [&asked] { return ++asked > 30; });
    const auto report = runCaptureLoop(canvas, project, {}, stop);
    EXPECT_EQ(report.result, CaptureReport::Result::Stopped);
    EXPECT_EQ(report.frames, 30);
    EXPECT_EQ(stop.cause(), StopCause::Interrupted);
    EXPECT_TRUE(std::filesystem::exists(working.file("Pict10.GIF")));
    EXPECT_FALSE(std::filesystem::exists(working.file("Pict40.GIF")));
}
