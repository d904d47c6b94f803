#pragma once

#include "base/Controls.h"
#include "base/RandomSource.h"
#include "base/UserInterface.h"
#include "controls/OrganPlacement.h"
#include "controls/PlantParameters.h"

#include <span>

namespace burgeon {

// The "Parameter" page: one slider per simulation parameter. A storing slider converts its
// position into its field of PlantParameters and shows the stored value in the status bar; the
// reduction sliders and "Wind" are themselves the store of their factors.
class ParameterPage {
public:
    ParameterPage(PlantParameters& parameters, UserInterface& ui);
    ParameterPage(const ParameterPage&) = delete;
    ParameterPage& operator=(const ParameterPage&) = delete;

    RangeControl petioleAngleSlider{-720, 720, 450};         // "Initial value of Petiole Angle"
    RangeControl stemLengthSlider{1, 300, 35};               // "Stem length"
    RangeControl nodeDiameterSlider{1, 100, 10};             // "Node Diamter"
    RangeControl nodeBirthRateSlider{1, 100, 50};            // "Node Birth Rate"
    RangeControl petioleLengthSlider{1, 300, 25};            // "Petiole Length"
    RangeControl petioleBitAngleSlider{-10000, 10000, 79};   // "Petiole BitAngle"
    RangeControl internodeLengthReduceSlider{50, 500, 100};  // "Internode Reduce" (length)
    RangeControl petioleLengthReduceSlider{50, 500, 100};    // "Petiole Reduce" (length)
    RangeControl internodeDiameterReduceSlider{50, 100, 90}; // "Internode Reduce" (diameter)
    RangeControl petioleDiameterReduceSlider{50, 100, 90};   // "Petiole Reduce" (diameter)
    RangeControl leafReduceSlider{50, 105, 95};              // "Leaf Reduce"
    RangeControl flowerReduceSlider{50, 105, 95};            // "Flower Reduce"
    RangeControl shortInternodeRatioSlider{1, 100, 10};      // "Short Internod Ratio"
    RangeControl shortInternodeDiameterSlider{1, 100, 80};   // "Short Internode Diameter"
    RangeControl shortPetioleRatioSlider{1, 100, 10};        // "Short Petiole Ratio"
    RangeControl shortPetioleDiameterSlider{1, 100, 80};     // "Short Petiole Diameter"
    RangeControl timeStepSlider{1, 100, 25};                 // "Time Step"
    RangeControl windSlider{1, 30, 5};                       // "Wind"
    RangeControl leafArrangementSlider{1, 50, 1};            // "Leaf Arrangement"

    // The leaf placement that "Leaf Arrangement" perturbs and the random source it draws
    // from; until both are attached the slider only moves.
    void attachLeafArrangement(OrganPlacement& placement, RandomSource& random);

    // Recomputes every stored field from its slider, without status text (the tool window's
    // showing does this).
    void deriveStoredParameters();

    PlantParameters& parameters() { return parameters_; }
    const PlantParameters& parameters() const { return parameters_; }

    // The slider-held factors, read at each use.
    double InternodeLengthReduce() const { return internodeLengthReduceSlider.position() / 100.0; }
    double PetioleLengthReduce() const { return petioleLengthReduceSlider.position() / 100.0; }
    double InternodeDiameterReduce() const {
        return internodeDiameterReduceSlider.position() / 100.0;
    }
    double PetioleDiameterReduce() const { return petioleDiameterReduceSlider.position() / 100.0; }
    double LeafReduce() const { return leafReduceSlider.position() / 100.0; }
    double FlowerReduce() const { return flowerReduceSlider.position() / 100.0; }
    int Wind() const { return windSlider.position(); }
    SliderHeldParameters sliderHeld() const;

private:
    struct StoredSlider;
    static std::span<const StoredSlider> storedSliders();
    void wireStoredSliders();
    void wireReductionSliders();
    void arrangeLeaves();

    PlantParameters& parameters_;
    UserInterface& ui_;
    OrganPlacement* leafPlacement_ = nullptr;
    RandomSource* leafRandom_ = nullptr;
};

} // namespace burgeon
