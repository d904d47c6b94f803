#include "render/CaptureSession.h"

#include "base/RecordingUserInterface.h"
#include "render/CaptureRun.h"
#include "render/FrameRoutine.h"
#include "render/ViewWindowModel.h"

#include <filesystem>

namespace burgeon {

CaptureReport runCaptureSession(FrameCanvas& canvas, PlantProject& project,
                                const std::function<void(int)>& progress, const VideoOutput& video,
                                const std::function<void(const std::string&)>& note) {
    const CaptureSettings& settings = project.animation.capture;
    AnimationState animation;
    animation.saveJpegFrames = settings.format == CaptureFormat::Jpeg;
    animation.saveGifFrames = settings.format == CaptureFormat::Gif;
    animation.saveVideo = settings.format == CaptureFormat::Video;
    RecordingUserInterface ui;
    CaptureRun capture(project.animation, animation, ui);
    capture.videoOutput = video;
    capture.videoNote = note;
    FrameRoutine frames(canvas, project, animation, capture);
    ViewWindowModel window(frames, project, animation, capture, ui);

    window.show();
    window.paint();

    int gauge = -1;
    capture.progressChanged = [&](int percent) {
        if (percent != gauge && progress) {
            progress(percent);
        }
        gauge = percent;
    };
    std::error_code error;
    std::filesystem::create_directory(settings.folder, error);
    capture.start(settings.folder);

    CaptureReport report;
    report.timeBarMax = animation.timeBarMax;
    if (settings.last > animation.timeBarMax && settings.first <= settings.last) {
        report.outcome = CaptureOutcome::Unreachable;
        return report;
    }
    // A step of at least a hundredth crosses the whole time axis in well under this.
    constexpr int frameLimit = 1'000'000;
    while (animation.captureActive && report.frames < frameLimit) {
        window.paint();
        ++report.frames;
    }
    report.messages = ui.messages;
    if (!ui.messages.empty() && ui.messages.back() == "Capture Completed.") {
        report.outcome = CaptureOutcome::Completed;
    } else if (!ui.messages.empty()) {
        report.outcome = CaptureOutcome::Failed;
    }
    return report;
}

} // namespace burgeon
