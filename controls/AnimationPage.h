#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "controls/ViewState.h"
#include "imageio/RgbImage.h"

#include <functional>
#include <string>

namespace burgeon {

// The "Animation" page: camera sliders with their nudge buttons, scale, velocity and time,
// "Play"/"Pause", and the capture controls. Each control writes one value of the view or
// animation state; the view picks it up at its next frame.
class AnimationPage {
public:
    AnimationPage(ViewState& view, AnimationState& animation, UserInterface& ui);
    AnimationPage(const AnimationPage&) = delete;
    AnimationPage& operator=(const AnimationPage&) = delete;

    // "Rotation": X, Y, Z in tenths of a degree.
    RangeControl TrackBar1{-1800, 1800, 0};
    RangeControl TrackBar2{-1800, 1800, 0};
    RangeControl TrackBar3{-1800, 1800, 0};
    // "Translation": X, Y, Z in tenths of a unit.
    RangeControl TrackBar4{-150, 150, 0};
    RangeControl TrackBar5{-150, 150, -27};
    RangeControl TrackBar6{-150, 2, -128};
    RangeControl TrackBar7{2, 175, 51};     // "Zoom"
    RangeControl TrackBar8{0, 10, 0};       // "Velocity Animation"
    RangeControl TrackBar9{1, 100, 5};      // "Scale"
    RangeControl TrackBar24{1, 1000, 1000}; // "Animation Time Bar"

    // Value labels, empty until their slider first moves.
    TextControl Label44; // rotation
    TextControl Label45; // translation
    TextControl Label46; // zoom
    TextControl Label47; // velocity
    TextControl Label48; // scale
    TextControl Label52; // time

    CheckControl RadioButton11{"Jpeg Format", true};
    CheckControl RadioButton12{"Gif Format (256 Colors)", false};

    RangeControl SpinEdit7{0, 500, 1};   // "Start Frame"
    RangeControl SpinEdit8{0, 1000, 1};  // "End Frame"
    RangeControl SpinEdit11{1, 100, 3};  // "Animation Delay(x10 mS)"
    RangeControl SpinEdit12{0, 100, 80}; // "Jpeg Compression (%)"
    RangeControl SpinEdit13{3, 8, 6};    // "Bits"

    RangeControl Gauge1{0, 100, 0}; // "Capture Progress"
    RgbImage Image8;                // the last captured frame
    Observers Image8Views;          // told when Image8 changes

    // Nudge buttons around the rotation and translation crosses.
    void BitBtn1Click() { TrackBar2.step(1); }
    void BitBtn3Click() { TrackBar2.step(-1); }
    void BitBtn2Click() { TrackBar3.step(1); }
    void BitBtn4Click() { TrackBar3.step(-1); }
    void BitBtn5Click() { TrackBar5.step(1); }
    void BitBtn7Click() { TrackBar5.step(-1); }
    void BitBtn6Click() { TrackBar4.step(-1); }
    void BitBtn8Click() { TrackBar4.step(1); }

    void BitBtn10Click(); // "Capture Now"
    void BitBtn11Click(); // "Stop Capture"
    void BitBtn12Click(); // "Play"
    void BitBtn13Click(); // "Pause"

    void RadioButton11Click(); // "Jpeg Format"
    void RadioButton12Click(); // "Gif Format (256 Colors)"
    // The capture formats as the radio buttons show them (each showing of the tool window).
    void applyCaptureFormats();

    // The view window's resize operation, run after a zoom change (it rebuilds the
    // projection).
    std::function<void()> resizeView;
    // Creates the capture tools of a new run with the given colour-reduction bits.
    std::function<void(int reductionBits)> createCaptureTools;
    // The process's working folder, under which the capture folder is made.
    std::function<std::string()> workingFolder;

private:
    void showValue(const std::string& status, TextControl& label, const std::string& labelText);

    ViewState& view_;
    AnimationState& animation_;
    UserInterface& ui_;
};

} // namespace burgeon
