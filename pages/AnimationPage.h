#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "frame/AnimationState.h"
#include "frame/CaptureRun.h"
#include "imageio/RgbImage.h"
#include "project/CaptureFormats.h"
#include "project/PlantProject.h"

#include <functional>
#include <string>

namespace burgeon {

// The "Animation" page: camera sliders with their nudge buttons, scale, velocity and time,
// "Play"/"Pause", and the capture controls. Each control writes one value of the project's
// view or animation settings, or of the running view's state; the view picks it up at its
// next frame.
class AnimationPage {
public:
    AnimationPage(PlantProject& project, AnimationState& animation, CaptureRun& capture,
                  UserInterface& ui);
    AnimationPage(const AnimationPage&) = delete;
    AnimationPage& operator=(const AnimationPage&) = delete;

    // "Rotation": X, Y, Z in tenths of a degree.
    RangeControl rotationXSlider{-1800, 1800, 0};
    RangeControl rotationYSlider{-1800, 1800, 0};
    RangeControl rotationZSlider{-1800, 1800, 0};
    // "Translation": X, Y, Z in tenths of a unit.
    RangeControl translationXSlider{-150, 150, 0};
    RangeControl translationYSlider{-150, 150, -27};
    RangeControl translationZSlider{-150, 2, -128};
    RangeControl zoomSlider{2, 175, 51};   // "Zoom"
    RangeControl velocitySlider{0, 10, 0}; // "Velocity Animation"
    RangeControl scaleSlider{1, 100, 5};   // "Scale"
    RangeControl timeBar{1, 1000, 1000};   // "Animation Time Bar"

    // Value labels, empty until their slider first moves.
    TextControl rotationValue;
    TextControl translationValue;
    TextControl zoomValue;
    TextControl velocityValue;
    TextControl scaleValue;
    TextControl timeValue;

    CheckControl jpegFormatButton{captureFormatCaption(CaptureFormat::Jpeg), true};
    CheckControl gifFormatButton{captureFormatCaption(CaptureFormat::Gif), false};
    CheckControl videoFormatButton{captureFormatCaption(CaptureFormat::Video), false};

    RangeControl startFrameBox{0, 500, 1};   // "Start Frame"
    RangeControl endFrameBox{0, 1000, 1};    // "End Frame"
    RangeControl gifDelayBox{1, 100, 3};     // "Animation Delay(x10 mS)"
    RangeControl jpegQualityBox{0, 100, 80}; // "Jpeg Compression (%)"
    RangeControl reductionBitsBox{3, 8, 6};  // "Bits"

    RangeControl captureGauge{0, 100, 0}; // "Capture Progress"
    RgbImage capturedFrame;               // the last captured frame
    Observers capturedFrameViews;         // told when capturedFrame changes

    // Nudge buttons around the rotation and translation crosses.
    void nudgeRotationUp() { rotationYSlider.step(1); }
    void nudgeRotationDown() { rotationYSlider.step(-1); }
    void nudgeRotationLeft() { rotationZSlider.step(1); }
    void nudgeRotationRight() { rotationZSlider.step(-1); }
    void nudgeTranslationUp() { translationYSlider.step(1); }
    void nudgeTranslationDown() { translationYSlider.step(-1); }
    void nudgeTranslationLeft() { translationXSlider.step(-1); }
    void nudgeTranslationRight() { translationXSlider.step(1); }

    void onCaptureNowClicked();  // "Capture Now"
    void onStopCaptureClicked(); // "Stop Capture"
    void onPlayClicked();        // "Play"
    void onPauseClicked();       // "Pause"

    void onJpegFormatClicked();  // "Jpeg Format"
    void onGifFormatClicked();   // "Gif Format (256 Colors)"
    void onVideoFormatClicked(); // "Video (MP4)"
    // The capture formats as the radio buttons show them (each showing of the tool window).
    void applyCaptureFormats();
    // Every control shows the project's value, without running its handler (a project opened
    // from a file).
    void showSettings();
    // The view's rotation and translation were set elsewhere (the view's "Reset"): their
    // sliders move there, as a person would move them.
    void followCamera();

    // The view window's resize operation, run after a zoom change (it rebuilds the
    // projection).
    std::function<void()> resizeView;
    // The process's working folder, under which the capture folder is made.
    std::function<std::string()> workingFolder;

private:
    void wireViewSliders();
    void wireCaptureFields();
    void chooseFormat(CaptureFormat format);
    void showValue(const std::string& status, TextControl& label, const std::string& labelText);

    ViewState& view_;
    AnimationSettings& settings_;
    AnimationState& animation_;
    CaptureRun& capture_;
    UserInterface& ui_;
};

} // namespace burgeon
