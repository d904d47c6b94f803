#pragma once

#include "engine/GrowthFits.h"
#include "growth/GrowthCurves.h"

#include <pybind11/pybind11.h>

#include <string>

namespace burgeon::python {

namespace py = pybind11;

// A curve fitted to growth data, with everything the fit told: burgeon.GrowthFit, which is a
// burgeon.GrowthCurve.
struct FittedCurve : GrowthFunction {
    GrowthOrgan organ = GrowthOrgan::All;
    GrowthFitReport report;
    std::string dataText;
};

// The organ a name gives (internode, petiole, leaf-length, leaf-width, apex, flower, and "all"
// when allowed); another name raises InputError, or UnknownKeyError for a key of a mapping.
GrowthOrgan organFromName(const std::string& name, bool allowAll, bool asKey = false);

} // namespace burgeon::python
