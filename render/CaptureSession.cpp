#include "render/CaptureSession.h"

#include "base/RecordingUserInterface.h"
#include "controls/AnimationPage.h"
#include "render/CaptureRun.h"
#include "render/FrameRoutine.h"
#include "render/ViewWindowModel.h"

#include <filesystem>

namespace burgeon {

CaptureReport runCaptureSession(FrameCanvas& canvas, ViewState& view,
                                const PlantParameters& parameters, int lifeCycleTime,
                                const CaptureSettings& settings,
                                const std::function<void(int)>& progress) {
    AnimationState animation;
    RecordingUserInterface ui;
    AnimationPage page(view, animation, ui);
    CaptureRun capture(animation, page, ui);
    FrameRoutine frames(canvas, view, animation, parameters, capture);
    ViewWindowModel window(frames, view, animation, capture, ui);
    frames.lifeCycleTime = [lifeCycleTime] { return lifeCycleTime; };
    frames.setTimeBarMaximum = [&page](int maximum) { page.timeBar.setMaximum(maximum); };

    page.startFrameBox.setPosition(settings.first);
    page.endFrameBox.setPosition(settings.last);
    page.gifDelayBox.setPosition(settings.delay);
    page.jpegQualityBox.setPosition(settings.quality);
    page.reductionBitsBox.setPosition(settings.reductionBits);
    if (settings.jpegFrames) {
        page.onJpegFormatClicked();
    } else {
        page.onGifFormatClicked();
    }

    window.show();
    window.paint();

    const std::filesystem::path folder(settings.folder);
    page.workingFolder = [&folder] { return folder.parent_path().string(); };
    ui.inputAnswers.push_back(folder.filename().string());
    if (progress) {
        page.captureGauge.views.subscribe([&] { progress(page.captureGauge.position()); });
        progress(0);
    }
    page.onCaptureNowClicked();

    CaptureReport report;
    report.timeBarMax = animation.TimeBarMax;
    if (settings.last > animation.TimeBarMax && settings.first <= settings.last) {
        report.outcome = CaptureOutcome::Unreachable;
        return report;
    }
    // A step of at least a hundredth crosses the whole time axis in well under this.
    constexpr int frameLimit = 1'000'000;
    while (animation.CaptureActive && report.frames < frameLimit) {
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
