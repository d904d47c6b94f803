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

// The "Material" page: edits one colour slot at a time with three scroll bars (mirrored by
// three spin boxes) or the colour dialog, and chooses the leaf texture.
class MaterialPage {
public:
    MaterialPage(UserInterface& ui, MaterialSet& materials, LeafTextures& textures);
    MaterialPage(const MaterialPage&) = delete;
    MaterialPage& operator=(const MaterialPage&) = delete;

    ControlModel titleLabel{"Material Color setting"};
    ColorPanel colorPanel{"Color", {50, 200, 50}};
    RangeControl redBar{0, 255, 50};
    RangeControl greenBar{0, 255, 150};
    RangeControl blueBar{0, 255, 50};
    RangeControl redBox{0, 255, 0};
    RangeControl greenBox{0, 255, 0};
    RangeControl blueBox{0, 255, 0};

    // The slots in the order in which the first checked one is looked for.
    CheckControl internodeSlotButton{"Internode", true};
    CheckControl petioleSlotButton{"Petiole"};
    CheckControl frontLeafSlotButton{"Front Leaf"};
    CheckControl frontFlowerSlotButton{"Front Flower"};
    CheckControl backLeafSlotButton{"Back Leaf"};
    CheckControl backFlowerSlotButton{"Back Flower"};
    CheckControl backgroundSlotButton{"BackGround"};
    CheckControl landSlotButton{"Land"};
    ColorPanel internodeSwatch{"", {255, 155, 50}};
    ColorPanel petioleSwatch{"", {255, 155, 50}};
    ColorPanel frontLeafSwatch{"", {50, 255, 50}};
    ColorPanel frontFlowerSwatch{"", {255, 0, 128}};
    ColorPanel backLeafSwatch{"", {87, 155, 92}};
    ColorPanel backFlowerSwatch{"", {255, 200, 100}};
    ColorPanel backgroundSwatch{"", {0, 0, 0}};
    ColorPanel landSwatch{"", {40, 130, 40}};

    CheckControl leafTextureCheck{"Set Leaf Texture", true};
    ChoiceControl textureList;
    PictureButton textureButton;

    // colorPanel click: the colour dialog; confirmed or not, the scroll bars then take the
    // panel's colour.
    void chooseColor();
    // textureButton click: a texture from a bitmap file.
    void openTextureFile();
    // The swatches, the mixer and the texture switch show the project's colours and texture
    // (a project opened from a file).
    void showMaterials();

private:
    struct Slot {
        CheckControl* radio;
        ColorPanel* panel;
        RgbColor MaterialSet::*color;
    };

    void scrollBarChanged();
    void slotChosen(const Slot& slot);
    void setScrollBars(RgbColor color);
    // The texture list and button name the current leaf texture.
    void showTexture();
    void builtInTextureChosen();

    UserInterface& ui_;
    MaterialSet& materials_;
    LeafTextures& textures_;
    std::array<Slot, 8> slots_;
};

} // namespace burgeon
