#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "components/LeafTextures.h"
#include "components/MaterialSet.h"

#include <array>
#include <string>

namespace burgeon {

// A panel showing a colour.
struct ColorPanel : ControlModel {
    ColorPanel(std::string caption, RgbColor initial)
        : ControlModel(std::move(caption)), color(initial) {}
    void setColor(RgbColor newColor) {
        if (!(newColor == color)) {
            color = newColor;
            views.notify();
        }
    }
    RgbColor color;
};

// A picture button: the file of the picture it shows (empty for none).
struct PictureButton : ControlModel {
    std::string pictureFile;
};

// The built-in leaf textures: item n of the list loads file n (1-based).
constexpr std::array<const char*, 15> BuiltInLeafTextureFiles = {
    "grass1.bmp", "leaf.bmp",     "leaf3.bmp",   "leaf4.bmp",   "leaf5.bmp",
    "leaf6.bmp",  "leaf7.bmp",    "leaf8.bmp",   "leaf9.bmp",   "leaf10.bmp",
    "leaf11.bmp", "soybean1.bmp", "rubber1.bmp", "rubber2.bmp", "rubber3.bmp"};

// The "Material" page: edits one colour slot at a time with three scroll bars (mirrored by
// three spin boxes) or the colour dialog, and chooses the leaf texture.
class MaterialPage {
public:
    MaterialPage(UserInterface& ui, MaterialSet& materials, LeafTextures& textures);
    MaterialPage(const MaterialPage&) = delete;
    MaterialPage& operator=(const MaterialPage&) = delete;

    ControlModel Label23{"Material Color setting"};
    ColorPanel Panel15{"Color", {50, 200, 50}};
    RangeControl ScrollBar1{0, 255, 50};
    RangeControl ScrollBar2{0, 255, 150};
    RangeControl ScrollBar3{0, 255, 50};
    RangeControl SpinEdit2{0, 255, 0};
    RangeControl SpinEdit3{0, 255, 0};
    RangeControl SpinEdit4{0, 255, 0};

    // The slots in the order in which the first checked one is looked for.
    CheckControl RadioButton1{"Internode", true};
    CheckControl RadioButton2{"Petiole"};
    CheckControl RadioButton3{"Front Leaf"};
    CheckControl RadioButton4{"Front Flower"};
    CheckControl RadioButton5{"Back Leaf"};
    CheckControl RadioButton6{"Back Flower"};
    CheckControl RadioButton7{"BackGround"};
    CheckControl RadioButton8{"Land"};
    ColorPanel Panel16{"", {255, 155, 50}};
    ColorPanel Panel17{"", {255, 155, 50}};
    ColorPanel Panel18{"", {50, 255, 50}};
    ColorPanel Panel19{"", {255, 0, 128}};
    ColorPanel Panel20{"", {87, 155, 92}};
    ColorPanel Panel21{"", {255, 200, 100}};
    ColorPanel Panel22{"", {0, 0, 0}};
    ColorPanel Panel23{"", {40, 130, 40}};

    CheckControl CheckBox3{"Set Leaf Texture", true};
    ChoiceControl ComboBox3;
    PictureButton BitBtn14;

    // Panel15 click: the colour dialog; confirmed or not, the scroll bars then take the
    // panel's colour.
    void chooseColor();
    // BitBtn14 click: a texture from a bitmap file.
    void openTextureFile();

private:
    struct Slot {
        CheckControl* radio;
        ColorPanel* panel;
        RgbColor MaterialSet::*color;
    };

    void scrollBarChanged();
    void slotChosen(const Slot& slot);
    void setScrollBars(RgbColor color);
    void builtInTextureChosen();

    UserInterface& ui_;
    MaterialSet& materials_;
    LeafTextures& textures_;
    std::array<Slot, 8> slots_;
};

} // namespace burgeon
