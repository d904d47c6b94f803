#pragma once

namespace burgeon {

// The stored simulation parameters, derived from the Parameter page's sliders.
struct PlantParameters {
    float TurnStep = 45.0f;
    double NodeLength = 0.35;
    double NodeDiameter = 1.0;
    double NodeBirthRate = 5.0;
    double PetioleLength = 0.25;
    float PetioleBitAngle = 0.79f;
    double ShortInternodeRatio = 0.1;
    double ShortInternodeDiameter = 0.8;
    double ShortPetioleRatio = 0.1;
    double ShortPetioleDiameter = 0.8;
    double TimeStep = 0.25;
};

// The factors held by their sliders (position / 100; Wind is the position itself), as the
// drawing reads them at each use.
struct SliderHeldParameters {
    double InternodeLengthReduce = 1.0;
    double PetioleLengthReduce = 1.0;
    double InternodeDiameterReduce = 0.9;
    double PetioleDiameterReduce = 0.9;
    double LeafReduce = 0.95;
    double FlowerReduce = 0.95;
    int Wind = 5;
};

} // namespace burgeon
