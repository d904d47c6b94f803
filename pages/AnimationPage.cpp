#include "pages/AnimationPage.h"

#include "base/FileIo.h"
#include "base/NumberText.h"

#include <filesystem>
#include <system_error>

namespace burgeon {

AnimationPage::AnimationPage(PlantProject& project, AnimationState& animation, CaptureRun& capture,
                             UserInterface& ui)
    : view_(project.view), settings_(project.animation), animation_(animation), capture_(capture),
      ui_(ui) {
    wireViewSliders();
    wireCaptureFields();
    capture_.progressChanged = [this](int percent) { captureGauge.setPosition(percent); };
    capture_.runEnded = [this](const CaptureEnd& end) {
        if (end.kind == CaptureEnd::Kind::Completed) {
            ui_.showMessage("Capture Completed.");
        } else if (end.kind == CaptureEnd::Kind::Failed) {
            ui_.showMessage(end.message);
        }
    };
    capture_.frameCaptured = [this](const RgbImage& picture) {
        capturedFrame = picture;
        capturedFrameViews.notify();
    };
    workingFolder = [] {
        std::error_code error;
        const auto folder = std::filesystem::current_path(error);
        return error ? std::string(".") : folder.string();
    };
}

void AnimationPage::wireViewSliders() {
    const auto rotation = [this](RangeControl& slider, double& value, const char* axis) {
        slider.onChange = [this, &slider, &value, axis] {
            value = slider.position() / 10.0;
            const std::string text = formatGeneral(value);
            showValue(std::string("Rotation in ") + axis + " = " + text, rotationValue,
                      std::string(" ") + axis + " = " + text);
        };
    };
    rotation(rotationXSlider, view_.rotationX, "X");
    rotation(rotationYSlider, view_.rotationY, "Y");
    rotation(rotationZSlider, view_.rotationZ, "Z");

    const auto translation = [this](RangeControl& slider, double& value, const char* axis) {
        slider.onChange = [this, &slider, &value, axis] {
            value = slider.position() / 10.0;
            const std::string text = formatGeneral(value);
            showValue(std::string("Translation in ") + axis + " = " + text, translationValue,
                      std::string(" ") + axis + " = " + text);
        };
    };
    translation(translationXSlider, view_.translationX, "X");
    translation(translationYSlider, view_.translationY, "Y");
    translation(translationZSlider, view_.translationZ, "Z");

    zoomSlider.onChange = [this] {
        view_.zoomAngle = zoomSlider.position();
        if (resizeView) {
            resizeView();
        }
        const std::string text = formatGeneral(view_.zoomAngle);
        showValue("Zoom = " + text, zoomValue, " = " + text);
    };
    velocitySlider.onChange = [this] {
        settings_.frameDelay = velocitySlider.position();
        const std::string text = formatGeneral(settings_.frameDelay);
        showValue("Animation Velocity = " + text, velocityValue, " = " + text);
    };
    scaleSlider.onChange = [this] {
        view_.plantScale = static_cast<float>(scaleSlider.position() / 10.0);
        const std::string text = formatGeneral(view_.plantScale);
        showValue("Plant Scalation = " + text, scaleValue, " = " + text);
    };
    timeBar.onChange = [this] {
        settings_.currentTime = timeBar.position();
        animation_.animationPaused = true;
        const std::string text = formatGeneral(timeBar.position());
        showValue("Animation Time = " + text, timeValue, " = " + text);
    };
}

void AnimationPage::wireCaptureFields() {
    CaptureSettings& capture = settings_.capture;
    const auto field = [](RangeControl& box, int& value) {
        box.onChange = [&box, &value] { value = box.position(); };
    };
    field(startFrameBox, capture.first);
    field(endFrameBox, capture.last);
    field(gifDelayBox, capture.delay);
    field(jpegQualityBox, capture.quality);
    field(reductionBitsBox, capture.reductionBits);
}

void AnimationPage::showValue(const std::string& status, TextControl& label,
                              const std::string& labelText) {
    ui_.setStatusText(status);
    label.setText(labelText);
}

void AnimationPage::onCaptureNowClicked() {
    const auto name = ui_.inputBox("Input Folder Name", "Prompt", "PlantCap1");
    if (!name) {
        return; // cancelled: no run, and no folder or file is made
    }
    captureGauge.setPosition(0);
    // A folder typed as an absolute path is that folder; another lies in the working folder.
    const std::string folder =
        std::filesystem::path(*name).is_absolute() ? *name : joinPath(workingFolder(), *name);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        // One level only; a folder that cannot be made shows up when the first file is
        // written.
        std::filesystem::create_directory(folder, error);
    }
    capture_.start(folder);
}

void AnimationPage::onStopCaptureClicked() {
    capture_.stop();
}

void AnimationPage::onPlayClicked() {
    animation_.animationPaused = false;
}

void AnimationPage::onPauseClicked() {
    animation_.animationPaused = true;
}

void AnimationPage::onJpegFormatClicked() {
    chooseFormat(CaptureFormat::Jpeg);
}

void AnimationPage::onGifFormatClicked() {
    chooseFormat(CaptureFormat::Gif);
}

void AnimationPage::onVideoFormatClicked() {
    chooseFormat(CaptureFormat::Video);
}

void AnimationPage::chooseFormat(CaptureFormat format) {
    jpegFormatButton.setChecked(format == CaptureFormat::Jpeg);
    gifFormatButton.setChecked(format == CaptureFormat::Gif);
    videoFormatButton.setChecked(format == CaptureFormat::Video);
    settings_.capture.format = format;
    applyCaptureFormats();
}

namespace {

// A slider position in tenths of a value.
int tenths(double value) {
    return static_cast<int>(roundHalfEven(value * 10.0));
}

} // namespace

void AnimationPage::followCamera() {
    rotationXSlider.setPosition(tenths(view_.rotationX));
    rotationYSlider.setPosition(tenths(view_.rotationY));
    rotationZSlider.setPosition(tenths(view_.rotationZ));
    translationXSlider.setPosition(tenths(view_.translationX));
    translationYSlider.setPosition(tenths(view_.translationY));
    translationZSlider.setPosition(tenths(view_.translationZ));
}

void AnimationPage::showSettings() {
    rotationXSlider.showPosition(tenths(view_.rotationX));
    rotationYSlider.showPosition(tenths(view_.rotationY));
    rotationZSlider.showPosition(tenths(view_.rotationZ));
    translationXSlider.showPosition(tenths(view_.translationX));
    translationYSlider.showPosition(tenths(view_.translationY));
    translationZSlider.showPosition(tenths(view_.translationZ));
    zoomSlider.showPosition(static_cast<int>(roundHalfEven(view_.zoomAngle)));
    scaleSlider.showPosition(tenths(view_.plantScale));
    velocitySlider.showPosition(settings_.frameDelay);
    timeBar.showPosition(static_cast<int>(settings_.currentTime));
    const CaptureSettings& capture = settings_.capture;
    startFrameBox.showPosition(capture.first);
    endFrameBox.showPosition(capture.last);
    gifDelayBox.showPosition(capture.delay);
    jpegQualityBox.showPosition(capture.quality);
    reductionBitsBox.showPosition(capture.reductionBits);
    chooseFormat(capture.format);
    if (resizeView) {
        resizeView();
    }
}

void AnimationPage::applyCaptureFormats() {
    animation_.saveJpegFrames = jpegFormatButton.checked();
    animation_.saveGifFrames = gifFormatButton.checked();
    animation_.saveVideo = videoFormatButton.checked();
}

} // namespace burgeon
