#pragma once

#include "growth/GrowthCurves.h"
#include "growth/GrowthData.h"

#include <array>
#include <optional>
#include <string>

namespace burgeon {

// The growth of every organ class: the six curves, the growth data each curve was fitted to
// (empty for a curve that was typed in), and the measured series of the last fit, whose
// lifeCycleTime also sets the length of the view's time axis.
struct PlantGrowth {
    GrowthCurves curves;
    std::array<std::string, GrowthOrganCount> data;
    GrowthData fittedData;
    // The organ whose data the measured series came from (All: every organ's); nothing before
    // the first fit.
    std::optional<GrowthOrgan> fittedOrgan;
};

// Commits a fitted curve, as the Growth Function page shows it, to one organ class or, with
// GrowthOrgan::All, to all six, together with the data it was fitted to.
void commitFittedCurve(PlantGrowth& growth, GrowthOrgan organ, const GrowthFunction& fitted,
                       const std::string& dataText);

} // namespace burgeon
