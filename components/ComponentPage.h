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

    ControlModel Button5{"Open 3D Surface"};
    ControlModel Button6{"New Surface"};
    // The two surface modes; checking one unchecks the other.
    CheckControl RadioButton9{"Leaf Surface", true};
    CheckControl RadioButton10{"Flower Surface", false};
    ControlModel Label16{"Select Leaf Type"};
    ChoiceControl ComboBox1{"", {}, -1, "No Library"};
    ControlModel Label22{"Leaf Size"};
    RangeControl SpinEdit5{1, 100, 15};
    ControlModel Label28{"Leaf Scale"};
    RangeControl TrackBar11{1, 200, 100};
    RangeControl TrackBar12{1, 200, 75};
    RangeControl TrackBar13{1, 200, 100};
    ControlModel Label32{"Leaf Angle"};
    RangeControl TrackBar14{-180, 180, -60};
    RangeControl TrackBar17{-180, 180, 0};
    RangeControl TrackBar18{-180, 180, 0};
    ControlModel Label33{"Number of Petals"};
    RangeControl SpinEdit6{1, 100, 8};
    ShapePreviewImage Image6;
    ShapePreviewImage Image7;
    // Hidden: the text of the last library file read.
    TextControl RichEdit6;

    // Button5: reads a library file picked in the open dialog; a cancelled dialog reads the
    // text held from the last file again.
    void openLibrary();
    // Button6: starts the external surface designer.
    void startSurfaceDesigner();
    // The radio buttons as the user clicks them.
    void chooseLeafSurface() { RadioButton9.setChecked(true); }
    void chooseFlowerSurface() { RadioButton10.setChecked(true); }
    // At the tool window's showing: checks the radio button of the placement's mode and
    // applies that mode.
    void applySurfaceMode();

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
