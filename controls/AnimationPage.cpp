#include "controls/AnimationPage.h"

#include "base/FileIo.h"
#include "base/NumberText.h"

#include <filesystem>
#include <system_error>

namespace burgeon {

AnimationPage::AnimationPage(ViewState& view, AnimationState& animation, UserInterface& ui)
    : view_(view), animation_(animation), ui_(ui) {
    const auto rotation = [this](RangeControl& slider, double& value, const char* axis) {
        slider.onChange = [this, &slider, &value, axis] {
            value = slider.position() / 10.0;
            const std::string text = formatGeneral(value);
            showValue(std::string("Rotation in ") + axis + " = " + text, rotationValue,
                      std::string(" ") + axis + " = " + text);
        };
    };
    rotation(rotationXSlider, view_.RotationX, "X");
    rotation(rotationYSlider, view_.RotationY, "Y");
    rotation(rotationZSlider, view_.RotationZ, "Z");

    const auto translation = [this](RangeControl& slider, double& value, const char* axis) {
        slider.onChange = [this, &slider, &value, axis] {
            value = slider.position() / 10.0;
            const std::string text = formatGeneral(value);
            showValue(std::string("Translation in ") + axis + " = " + text, translationValue,
                      std::string(" ") + axis + " = " + text);
        };
    };
    translation(translationXSlider, view_.TranslationX, "X");
    translation(translationYSlider, view_.TranslationY, "Y");
    translation(translationZSlider, view_.TranslationZ, "Z");

    zoomSlider.onChange = [this] {
        view_.ZoomAngle = zoomSlider.position();
        if (resizeView) {
            resizeView();
        }
        const std::string text = formatGeneral(view_.ZoomAngle);
        showValue("Zoom = " + text, zoomValue, " = " + text);
    };
    velocitySlider.onChange = [this] {
        animation_.FrameDelay = velocitySlider.position();
        const std::string text = formatGeneral(animation_.FrameDelay);
        showValue("Animation Velocity = " + text, velocityValue, " = " + text);
    };
    scaleSlider.onChange = [this] {
        view_.PlantScale = static_cast<float>(scaleSlider.position() / 10.0);
        const std::string text = formatGeneral(view_.PlantScale);
        showValue("Plant Scalation = " + text, scaleValue, " = " + text);
    };
    timeBar.onChange = [this] {
        animation_.CurrentTime = timeBar.position();
        animation_.AnimationPaused = true;
        const std::string text = formatGeneral(timeBar.position());
        showValue("Animation Time = " + text, timeValue, " = " + text);
    };

    workingFolder = [] {
        std::error_code error;
        const auto folder = std::filesystem::current_path(error);
        return error ? std::string(".") : folder.string();
    };
}

void AnimationPage::showValue(const std::string& status, TextControl& label,
                              const std::string& labelText) {
    ui_.setStatusText(status);
    label.setText(labelText);
}

void AnimationPage::onCaptureNowClicked() {
    captureGauge.setPosition(0);
    animation_.CaptureFirst = startFrameBox.position();
    animation_.CaptureLast = endFrameBox.position();
    const std::string working = workingFolder();
    // Cancelling the input box returns the pre-filled name.
    const std::string name = ui_.inputBox("Input Folder Name", "Prompt", "PlantCap1");
    const std::string folder = joinPath(working, name);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        // One level only; a folder that cannot be made shows up when the first file is
        // written.
        std::filesystem::create_directory(folder, error);
    }
    animation_.CaptureFolder = folder;
    animation_.CurrentTime = animation_.CaptureFirst - 2;
    animation_.CaptureActive = true;
    animation_.PaintBusy = false;
    animation_.AnimationPaused = false;
    animation_.GifCheckpointCounter = 0;
    if (createCaptureTools) {
        createCaptureTools(reductionBitsBox.position());
    }
}

void AnimationPage::onStopCaptureClicked() {
    animation_.CaptureActive = false;
}

void AnimationPage::onPlayClicked() {
    animation_.AnimationPaused = false;
}

void AnimationPage::onPauseClicked() {
    animation_.AnimationPaused = true;
}

void AnimationPage::onJpegFormatClicked() {
    jpegFormatButton.setChecked(true);
    gifFormatButton.setChecked(false);
    animation_.SaveJpegFrames = jpegFormatButton.checked();
    animation_.SaveGifFrames = false;
}

void AnimationPage::onGifFormatClicked() {
    gifFormatButton.setChecked(true);
    jpegFormatButton.setChecked(false);
    animation_.SaveGifFrames = gifFormatButton.checked();
    animation_.SaveJpegFrames = false;
}

void AnimationPage::applyCaptureFormats() {
    animation_.SaveJpegFrames = jpegFormatButton.checked();
    animation_.SaveGifFrames = gifFormatButton.checked();
}

} // namespace burgeon
