#pragma once

#include "engine/ReportedMessages.h"
#include "growth/GrowthCurves.h"
#include "project/PlantGrowth.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace burgeon {

// A fit of growth data as the fit command reports it: the messages in order with their places,
// the Bottom, Top, Slope and Tmid boxes and the curve they show, and the plant's growth after
// the curve was committed to the organ (or all six): its curves, the data text each curve was
// fitted to and the measured series of the fit.
struct GrowthFitReport {
    bool completed = false;
    ReportedMessages messages;
    std::array<std::string, 4> boxes{"0", "0", "0", "0"};
    GrowthFunction curve;
    PlantGrowth growth;
};

// Reads a growth data file as "Read Data" does and fits it for the organ. A file that cannot
// be read gives its standard text as the one message.
GrowthFitReport fitGrowthFile(const std::string& fileName, GrowthOrgan organ);

// Fits growth data given as the text of a file; messages are placed in `name` when it is not
// empty.
GrowthFitReport fitGrowthText(const std::string& text, GrowthOrgan organ,
                              const std::string& name = {});

// The text of a growth data file holding the rows of arrays: a time and its sizes a row
// (sizes holds rows of `columns` values each), every number in plain decimals as a file would
// hold it. A negative or non-finite number is written as it is and refused by the fit.
std::string growthDataFromArrays(std::span<const double> times, std::span<const double> sizes,
                                 std::size_t columns);

} // namespace burgeon
