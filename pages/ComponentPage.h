#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "components/OrganShape.h"
#include "components/OrganSurface.h"
#include "imageio/RgbImage.h"

#include <string>

namespace burgeon {

// A picture box holding a shape preview.
struct ShapePreviewImage : ControlModel {
    RgbImage picture;
};

// The "Component" page: reads shape libraries, chooses the current leaf and flower surfaces
// and sets their size, angles, divisor and the number of petals.
class ComponentPage {
public:
    ComponentPage(UserInterface& ui, ShapeLibrary& library, OrganPlacement& placement,
                  OrganSurface& leafSurface, OrganSurface& flowerSurface);
    ComponentPage(const ComponentPage&) = delete;
    ComponentPage& operator=(const ComponentPage&) = delete;

    ControlModel openSurfaceButton{"Open 3D Surface"};
    ControlModel newSurfaceButton{"New Surface"};
    // The two surface modes; checking one unchecks the other.
    CheckControl leafSurfaceButton{"Leaf Surface", true};
    CheckControl flowerSurfaceButton{"Flower Surface", false};
    ControlModel shapeTypeLabel{"Select Leaf Type"};
    ChoiceControl shapeList{"", {}, -1, "No Library"};
    ControlModel sizeLabel{"Leaf Size"};
    RangeControl sizeDivisorBox{1, 100, 15};
    ControlModel scaleLabel{"Leaf Scale"};
    RangeControl scaleXSlider{1, 200, 100};
    RangeControl scaleYSlider{1, 200, 75};
    RangeControl scaleZSlider{1, 200, 100};
    ControlModel angleLabel{"Leaf Angle"};
    RangeControl angleXSlider{-180, 180, -60};
    RangeControl angleYSlider{-180, 180, 0};
    RangeControl angleZSlider{-180, 180, 0};
    ControlModel petalCountLabel{"Number of Petals"};
    RangeControl petalCountBox{1, 100, 8};
    ShapePreviewImage leafPreview;
    ShapePreviewImage flowerPreview;
    // Hidden: the text of the last library file read.
    TextControl libraryText;

    // openSurfaceButton: reads a library file picked in the open dialog; a cancelled dialog reads
    // the text held from the last file again.
    void openLibrary();
    // newSurfaceButton: starts the external surface designer.
    void startSurfaceDesigner();
    // The radio buttons as the user clicks them.
    void chooseLeafSurface() { leafSurfaceButton.setChecked(true); }
    void chooseFlowerSurface() { flowerSurfaceButton.setChecked(true); }
    // At the tool window's showing: checks the radio button of the placement's mode and
    // applies that mode.
    void applySurfaceMode();
    // The sliders, boxes and previews show the project's surfaces and placement (a project
    // opened from a file).
    void showSurfaces();
    // The shapes a plant brought with it (an opened session) become the library, named
    // `libraryName`: its leaf shape and its flower shape, the list showing the library's name.
    void showShapesOf(const std::string& libraryName);

private:
    void switchToLeafMode();
    void switchToFlowerMode();
    void selectEntry();
    void sliderChanged(RangeControl& slider, float OrganPlacement::*leafField,
                       float OrganPlacement::*flowerField, double divisor, const char* leafPrefix,
                       const char* flowerPrefix);
    void divisorChanged();

    UserInterface& ui_;
    ShapeLibrary& library_;
    OrganPlacement& placement_;
    OrganSurface& leafSurface_;
    OrganSurface& flowerSurface_;
};

} // namespace burgeon
