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
            showValue(std::string("Rotation in ") + axis + " = " + text, Label44,
                      std::string(" ") + axis + " = " + text);
        };
    };
    rotation(TrackBar1, view_.RotationX, "X");
    rotation(TrackBar2, view_.RotationY, "Y");
    rotation(TrackBar3, view_.RotationZ, "Z");

    const auto translation = [this](RangeControl& slider, double& value, const char* axis) {
        slider.onChange = [this, &slider, &value, axis] {
            value = slider.position() / 10.0;
            const std::string text = formatGeneral(value);
            showValue(std::string("Translation in ") + axis + " = " + text, Label45,
                      std::string(" ") + axis + " = " + text);
        };
    };
    translation(TrackBar4, view_.TranslationX, "X");
    translation(TrackBar5, view_.TranslationY, "Y");
    translation(TrackBar6, view_.TranslationZ, "Z");

    TrackBar7.onChange = [this] {
        view_.ZoomAngle = TrackBar7.position();
        if (resizeView) {
            resizeView();
        }
        const std::string text = formatGeneral(view_.ZoomAngle);
        showValue("Zoom = " + text, Label46, " = " + text);
    };
    TrackBar8.onChange = [this] {
        animation_.FrameDelay = TrackBar8.position();
        const std::string text = formatGeneral(animation_.FrameDelay);
        showValue("Animation Velocity = " + text, Label47, " = " + text);
    };
    TrackBar9.onChange = [this] {
        view_.PlantScale = static_cast<float>(TrackBar9.position() / 10.0);
        const std::string text = formatGeneral(view_.PlantScale);
        showValue("Plant Scalation = " + text, Label48, " = " + text);
    };
    TrackBar24.onChange = [this] {
        animation_.CurrentTime = TrackBar24.position();
        animation_.AnimationPaused = true;
        const std::string text = formatGeneral(TrackBar24.position());
        showValue("Animation Time = " + text, Label52, " = " + text);
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

void AnimationPage::BitBtn10Click() {
    Gauge1.setPosition(0);
    animation_.CaptureFirst = SpinEdit7.position();
    animation_.CaptureLast = SpinEdit8.position();
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
        createCaptureTools(SpinEdit13.position());
    }
}

void AnimationPage::BitBtn11Click() {
    animation_.CaptureActive = false;
}

void AnimationPage::BitBtn12Click() {
    animation_.AnimationPaused = false;
}

void AnimationPage::BitBtn13Click() {
    animation_.AnimationPaused = true;
}

void AnimationPage::RadioButton11Click() {
    RadioButton11.setChecked(true);
    RadioButton12.setChecked(false);
    animation_.SaveJpegFrames = RadioButton11.checked();
    animation_.SaveGifFrames = false;
}

void AnimationPage::RadioButton12Click() {
    RadioButton12.setChecked(true);
    RadioButton11.setChecked(false);
    animation_.SaveGifFrames = RadioButton12.checked();
    animation_.SaveJpegFrames = false;
}

void AnimationPage::applyCaptureFormats() {
    animation_.SaveJpegFrames = RadioButton11.checked();
    animation_.SaveGifFrames = RadioButton12.checked();
}

} // namespace burgeon
