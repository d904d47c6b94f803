#pragma once

#include "project/PlantParameters.h"

#include <span>
#include <string_view>

namespace burgeon {

// How one parameter is held by its slider on the Parameter page and named in session files:
// the value is the slider's whole-number position divided by the divisor.
struct ParameterScale {
    std::string_view key; // "internodeLength"
    int minimum;
    int maximum;
    int defaultPosition;
    double divisor;
    // Shown with the value in the status bar when the slider moves; empty for none.
    std::string_view statusPrefix;
    // Stores a value into its field (narrowed to the field's width) and returns it as stored.
    double (*store)(PlantParameters&, double);
    double (*read)(const PlantParameters&);

    double minimumValue() const { return minimum / divisor; }
    double maximumValue() const { return maximum / divisor; }
};

// Every parameter, in the order of the Parameter page.
std::span<const ParameterScale> parameterScales();

// The scale of a key; nullptr when no parameter has that name.
const ParameterScale* findParameterScale(std::string_view key);

// The slider position that holds a value: value x divisor, rounded half to even, within the
// slider's range.
int sliderPosition(const ParameterScale& scale, double value);

// The value a position holds, as its field stores it.
double storeFromPosition(const ParameterScale& scale, PlantParameters& parameters, int position);

// Sets a parameter as its slider holds a value handed to it: on the slider's grid, within its
// range (the compiler's angle and diameter). Returns the value as stored.
double setParameterAsSlider(PlantParameters& parameters, std::string_view key, double value);

} // namespace burgeon
