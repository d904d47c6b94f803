#include "project/ParameterScales.h"

#include "base/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace burgeon {

namespace {

template <auto Field> double storeField(PlantParameters& parameters, double value) {
    using Value = std::remove_reference_t<decltype(parameters.*Field)>;
    parameters.*Field = static_cast<Value>(value);
    return static_cast<double>(parameters.*Field);
}

template <auto Field> double readField(const PlantParameters& parameters) {
    return static_cast<double>(parameters.*Field);
}

template <auto Field>
constexpr ParameterScale scale(std::string_view key, int minimum, int maximum, int position,
                               double divisor, std::string_view prefix) {
    return {key, minimum, maximum, position, divisor, prefix, storeField<Field>, readField<Field>};
}

using P = PlantParameters;

// clang-format off
constexpr std::array<ParameterScale, 18> Scales = {{
    scale<&P::turnStep>("turnStep", -720, 720, 450, 10.0, "Petiole Angle = "),
    scale<&P::internodeLength>("internodeLength", 1, 300, 35, 100.0, "Node Length = "),
    scale<&P::nodeDiameter>("nodeDiameter", 1, 100, 10, 10.0, "Node Diamter = "),
    scale<&P::nodeBirthRate>("nodeBirthRate", 1, 100, 50, 10.0, "Node Birth Rate = "),
    scale<&P::petioleLength>("petioleLength", 1, 300, 25, 100.0, "Petiole Length = "),
    scale<&P::petioleBitAngle>("petioleBitAngle", -10000, 10000, 79, 100.0, "Petiole BitAngle = "),
    scale<&P::internodeLengthReduce>("internodeLengthReduce", 50, 500, 100, 100.0,
                                     "InterNode Length Reduce = "),
    scale<&P::petioleLengthReduce>("petioleLengthReduce", 50, 500, 100, 100.0,
                                   "Petiole Length Reduce = "),
    scale<&P::internodeDiameterReduce>("internodeDiameterReduce", 50, 100, 90, 100.0,
                                       "InterNode Reduce = "),
    scale<&P::petioleDiameterReduce>("petioleDiameterReduce", 50, 100, 90, 100.0,
                                     "Petiole Reduce = "),
    scale<&P::leafReduce>("leafReduce", 50, 105, 95, 100.0, "Leaf Reduce = "),
    scale<&P::flowerReduce>("flowerReduce", 50, 105, 95, 100.0, "Flower Reduce = "),
    scale<&P::shortInternodeRatio>("shortInternodeRatio", 1, 100, 10, 100.0,
                                   "Short Internode Ratio = "),
    scale<&P::shortInternodeDiameter>("shortInternodeDiameter", 1, 100, 80, 100.0,
                                      "Short Internode Diameter = "),
    scale<&P::shortPetioleRatio>("shortPetioleRatio", 1, 100, 10, 100.0,
                                 "Short Petiole Ratio = "),
    scale<&P::shortPetioleDiameter>("shortPetioleDiameter", 1, 100, 80, 100.0,
                                    "Short Petiole Diameter = "),
    scale<&P::timeStep>("timeStep", 1, 100, 25, 100.0, "Time Step Zize = "),
    scale<&P::wind>("wind", 1, 30, 5, 1.0, ""),
}};
// clang-format on

} // namespace

std::span<const ParameterScale> parameterScales() {
    return Scales;
}

const ParameterScale* findParameterScale(std::string_view key) {
    const auto found = std::find_if(Scales.begin(), Scales.end(),
                                    [key](const ParameterScale& s) { return s.key == key; });
    return found == Scales.end() ? nullptr : &*found;
}

int sliderPosition(const ParameterScale& scale, double value) {
    const double scaled = value * scale.divisor;
    if (std::isnan(scaled)) {
        return scale.defaultPosition;
    }
    const double clamped = std::clamp(scaled, static_cast<double>(scale.minimum) - 1.0,
                                      static_cast<double>(scale.maximum) + 1.0);
    return static_cast<int>(
        std::clamp<std::int64_t>(roundHalfEven(clamped), scale.minimum, scale.maximum));
}

double storeFromPosition(const ParameterScale& scale, PlantParameters& parameters, int position) {
    return scale.store(parameters, position / scale.divisor);
}

double setParameterAsSlider(PlantParameters& parameters, std::string_view key, double value) {
    const ParameterScale* scale = findParameterScale(key);
    return scale == nullptr ? 0.0
                            : storeFromPosition(*scale, parameters, sliderPosition(*scale, value));
}

} // namespace burgeon
