#pragma once

#include "growth/GrowthCurves.h"
#include "growth/GrowthData.h"
#include "imageio/RgbImage.h"

#include <array>
#include <utility>

namespace burgeon {

// The size of every plot on the Growth Function page.
constexpr int PlotWidth = 179;
constexpr int PlotHeight = 123;

struct PlotOrigin {
    int x = 0;
    int y = 0;
};

// Where the axes cross: an eighth of the width from the left, an eighth of the height from
// the bottom (22, 108 for 179 x 123).
PlotOrigin plotOrigin(int width, int height);

// White background, black axes through the origin, and the measured means in red: one time
// unit is plotScale pixels across, one data unit 10 x plotScale pixels up.
void drawPlotFrame(RgbImage& image, const GrowthData& data, int plotScale, PlotOrigin origin);

// The curve in blue from the origin through its value at every whole time 0..lifeCycleTime.
// Throws "Invalid floating point operation" when the curve has no value (NaN) at a time.
void drawPlotCurve(RgbImage& image, const GrowthFunction& curve, int lifeCycleTime, int plotScale,
                   PlotOrigin origin);

// The plot of one curve over the measured series: frame, axes, means and curve.
RgbImage plotCurve(const GrowthData& data, const GrowthFunction& curve, int plotScale);

// The five plots "Save Image" writes, in its order, with their file names (the Leaf Width plot
// is not saved).
const std::array<std::pair<GrowthOrgan, const char*>, 5>& savedPlotFiles();

} // namespace burgeon
