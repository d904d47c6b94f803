#pragma once

#include "base/Message.h"
#include "growth/GrowthCurves.h"
#include "growth/GrowthData.h"

#include <string>
#include <vector>

namespace burgeon {

// What fitting a curve to growth data shows: the messages in order and the fitted curve.
struct FitOutcome {
    bool completed = false;
    Messages messages;
    // The columns were counted: the Bottom and Top boxes show "0" from here until the fitted
    // values replace them.
    bool columnsCounted = false;
    GrowthFunction curve;
};

// "Fit Curve" on the lines of a growth data box: reads the data rows into data (the measured
// series every plot draws and lifeCycleTime, which the view reads), lines the columns up on
// their first growth, averages them and fits a logistic curve. What was read before a failure
// stays in data.
FitOutcome fitGrowthData(const std::vector<std::string>& lines, GrowthData& data);

// A curve as the Growth Function page's boxes show it, and so as it is committed: each
// coefficient through its text of at most 15 significant digits.
GrowthFunction curveAsShown(const GrowthFunction& curve);

} // namespace burgeon
