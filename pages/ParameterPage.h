#pragma once

#include "base/Controls.h"
#include "base/RandomSource.h"
#include "base/UserInterface.h"
#include "components/OrganPlacement.h"
#include "project/ParameterScales.h"
#include "project/PlantParameters.h"

#include <span>

namespace burgeon {

// The "Parameter" page: one slider per simulation parameter. Moving a slider converts its
// position into its parameter and shows the value in the status bar; "Leaf Arrangement" holds
// no value of its own but perturbs the leaf angles.
class ParameterPage {
public:
    ParameterPage(PlantParameters& parameters, UserInterface& ui);
    ParameterPage(const ParameterPage&) = delete;
    ParameterPage& operator=(const ParameterPage&) = delete;

    RangeControl petioleAngleSlider = sliderFor("turnStep"); // "Initial value of Petiole Angle"
    RangeControl stemLengthSlider = sliderFor("internodeLength");      // "Stem length"
    RangeControl nodeDiameterSlider = sliderFor("nodeDiameter");       // "Node Diamter"
    RangeControl nodeBirthRateSlider = sliderFor("nodeBirthRate");     // "Node Birth Rate"
    RangeControl petioleLengthSlider = sliderFor("petioleLength");     // "Petiole Length"
    RangeControl petioleBitAngleSlider = sliderFor("petioleBitAngle"); // "Petiole BitAngle"
    RangeControl internodeLengthReduceSlider = sliderFor("internodeLengthReduce");
    RangeControl petioleLengthReduceSlider = sliderFor("petioleLengthReduce");
    RangeControl internodeDiameterReduceSlider = sliderFor("internodeDiameterReduce");
    RangeControl petioleDiameterReduceSlider = sliderFor("petioleDiameterReduce");
    RangeControl leafReduceSlider = sliderFor("leafReduce");
    RangeControl flowerReduceSlider = sliderFor("flowerReduce");
    RangeControl shortInternodeRatioSlider =
        sliderFor("shortInternodeRatio"); // "Short Internod Ratio"
    RangeControl shortInternodeDiameterSlider = sliderFor("shortInternodeDiameter");
    RangeControl shortPetioleRatioSlider = sliderFor("shortPetioleRatio");
    RangeControl shortPetioleDiameterSlider = sliderFor("shortPetioleDiameter");
    RangeControl timeStepSlider = sliderFor("timeStep");
    RangeControl windSlider = sliderFor("wind");
    RangeControl leafArrangementSlider{1, 50, 1};

    // The slider that holds a parameter, by the parameter's key.
    RangeControl& slider(const ParameterScale& scale);

    // The leaf placement that "Leaf Arrangement" perturbs and the random source it draws
    // from; until both are attached the slider only moves.
    void attachLeafArrangement(OrganPlacement& placement, RandomSource& random);

    // Recomputes every parameter from its slider, without status text (the tool window's
    // showing does this).
    void deriveStoredParameters();
    // Moves every slider to the position that holds its parameter's value, without status
    // text (a project opened from a file).
    void showParameters();

    PlantParameters& parameters() { return parameters_; }
    const PlantParameters& parameters() const { return parameters_; }

private:
    static RangeControl sliderFor(std::string_view key);
    void arrangeLeaves();

    PlantParameters& parameters_;
    UserInterface& ui_;
    OrganPlacement* leafPlacement_ = nullptr;
    RandomSource* leafRandom_ = nullptr;
    bool quiet_ = false;
};

} // namespace burgeon
