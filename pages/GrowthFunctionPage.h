#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "imageio/RgbImage.h"
#include "project/PlantGrowth.h"

#include <array>
#include <cstdint>
#include <string>

namespace burgeon {

enum class ArrowClick { Up, Down };

// The Growth Function page: measured data in, a fitted or typed curve committed to the
// plant's growth curves, six plots out. Every public handler runs under the handler guard, so a
// standard error ends it with its message box and leaves the state as it was at that moment.
class GrowthFunctionPage {
public:
    GrowthFunctionPage(UserInterface& ui, PlantGrowth& growth);
    GrowthFunctionPage(const GrowthFunctionPage&) = delete;
    GrowthFunctionPage& operator=(const GrowthFunctionPage&) = delete;

    // "Select Function": the GrowthOrgan the next approximate commits; "All" at start.
    ChoiceControl functionChoice;
    ControlModel imageScalingLabel{"Image Scaling"};
    RangeControl imageScalingBox{1, 10, 2};
    ControlModel actualDataLabel{"Actual Data"};
    TextControl dataBox;

    TextControl bottomBox{"0"};
    TextControl topBox{"0"};
    TextControl slopeBox{"0"};
    TextControl tmidBox{"0"};
    RangeControl bottomArrows{0, 100, 0};
    RangeControl topArrows{0, 100, 0};
    RangeControl slopeArrows{-100, 100, 0};
    RangeControl tmidArrows{0, 100, 0};

    ControlModel readDataButton{"Read Data"};
    ControlModel fitCurveButton{"Fit Curve"};
    ControlModel approximateButton{"Approximate"}; // never visible
    ControlModel saveImageButton{"Save Image"};

    // The plots, white until approximate draws them.
    RgbImage internodePlot;
    RgbImage petiolePlot;
    RgbImage leafLengthPlot;
    RgbImage leafWidthPlot;
    RgbImage apexPlot;
    RgbImage flowerPlot;

    // Told when showGrowth() has drawn the plots anew; the page's own handlers are followed
    // by the view itself.
    Observers plotViews;

    std::int32_t plotScale = 2;
    std::int32_t plotOriginX = 0;
    std::int32_t plotOriginY = 0;

    // The plot of a curve (organ 0..5) and its caption on the page.
    RgbImage& plot(GrowthOrgan organ);
    const RgbImage& plot(GrowthOrgan organ) const;
    static const char* plotCaption(GrowthOrgan organ);

    // "Read Data": the chosen file's text replaces the box; nothing is parsed.
    bool readData();
    // "Fit Curve" and every change of "Image Scaling". True when the fit ran to its end.
    bool fitCurve();
    // "Save Image": the five plot files into the folder ("" is the current folder).
    bool saveImages(const std::string& folder = {});
    // The hidden "Approximate": commits the four boxes to the chosen curve(s) and plots.
    bool approximate();

    // The arrows beside the Bottom, Top, Slope and Tmid boxes.
    void onBottomArrowClicked(ArrowClick click);
    void onTopArrowClicked(ArrowClick click);
    void onSlopeArrowClicked(ArrowClick click);
    void onTmidArrowClicked(ArrowClick click);

    // The boxes, the data box and the six plots show the plant's curves and measured series,
    // without committing anything (a project opened from a file). The boxes show the chosen
    // function's curve, the internode's while "All" is chosen.
    void showGrowth();

private:
    bool runFit();
    void commitAndPlot();
    void drawFrame(RgbImage& image);
    void stepArrow(RangeControl& arrow, TextControl& box, ArrowClick click);

    UserInterface& ui_;
    PlantGrowth& growth_;
    GrowthCurves& curves_;
    GrowthData& data_;
};

} // namespace burgeon
