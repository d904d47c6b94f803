#include "engine/CaptureLoop.h"

#include "frame/AnimationState.h"
#include "frame/FrameRoutine.h"
#include "render/HeadlessView.h"

namespace burgeon {

namespace {

CaptureReport::Result resultOf(CaptureEnd::Kind kind) {
    switch (kind) {
    case CaptureEnd::Kind::Completed:
        return CaptureReport::Result::Completed;
    case CaptureEnd::Kind::Stopped:
        return CaptureReport::Result::Stopped;
    case CaptureEnd::Kind::Failed:
        return CaptureReport::Result::Failed;
    }
    return CaptureReport::Result::Failed;
}

} // namespace

CaptureReport runCaptureLoop(FrameCanvas& canvas, PlantProject& project,
                             const CaptureListener& listener, const StopCondition& stop,
                             const VideoOutput& video) {
    const CaptureSettings& settings = project.animation.capture;
    AnimationState animation;
    animation.saveJpegFrames = settings.format == CaptureFormat::Jpeg;
    animation.saveGifFrames = settings.format == CaptureFormat::Gif;
    animation.saveVideo = settings.format == CaptureFormat::Video;
    animation.paintBusy = false;
    CaptureRun capture(project.animation, animation);
    capture.videoOutput = video;
    capture.videoNote = listener.note;
    CaptureReport report;
    capture.runEnded = [&report](const CaptureEnd& end) {
        report.result = resultOf(end.kind);
        report.message = end.message;
    };
    FrameRoutine frames(canvas, project, animation, capture);
    frames.renderFrame();

    int gauge = -1;
    capture.progressChanged = [&](int percent) {
        if (percent != gauge && listener.progress) {
            listener.progress(percent);
        }
        gauge = percent;
    };
    capture.start(settings.folder);
    report.timeBarMax = animation.timeBarMax;
    if (settings.last > animation.timeBarMax && settings.first <= settings.last) {
        capture.stop();
        report.result = CaptureReport::Result::Unreachable;
        return report;
    }
    // A step of at least a hundredth crosses the whole time axis in well under this.
    constexpr int frameLimit = 1'000'000;
    while (animation.captureActive && report.frames < frameLimit) {
        if (stop.stopRequested()) {
            capture.stop();
            break;
        }
        frames.renderFrame();
        ++report.frames;
    }
    return report;
}

CaptureReport capturePlant(HeadlessPlant& plant, PictureSize size, const CaptureListener& listener,
                           const StopCondition& stop, const VideoOutput& video) {
    if (!viewCanBeCaptured(size)) {
        // Every frame would fail to be written or read back.
        CaptureReport report;
        report.result = CaptureReport::Result::Failed;
        report.message = "A view of " + std::to_string(size.width) + " x " +
                         std::to_string(size.height) +
                         " cannot be captured: its frames are 5 pixels smaller each way and must "
                         "be at most 64 MB as a bitmap";
        return report;
    }
    HeadlessView view(plant.project, plant.clock, size);
    return runCaptureLoop(view.canvas(), plant.project, listener, stop, video);
}

} // namespace burgeon
