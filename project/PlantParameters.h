#pragma once

namespace burgeon {

// The parameters of the Parameter page in the units the generation and the drawing use. Each
// is held by a slider as a whole-number position (see ParameterScales.h).
struct PlantParameters {
    float turnStep = 45.0f;             // degrees of one turn symbol ("Petiole Angle")
    double internodeLength = 0.35;      // base length of an internode ("Stem length")
    double nodeDiameter = 1.0;          // base diameter of internodes and petioles
    double nodeBirthRate = 5.0;         // time between the births of successive levels
    double petioleLength = 0.25;        // base length of a petiole
    float petioleBitAngle = 0.79f;      // small extra turn of a petiole about Z, degrees
    double internodeLengthReduce = 1.0; // per-level factors of lengths and diameters
    double petioleLengthReduce = 1.0;
    double internodeDiameterReduce = 0.9;
    double petioleDiameterReduce = 0.9;
    double leafReduce = 0.95;
    double flowerReduce = 0.95;
    double shortInternodeRatio = 0.1; // a short internode "i" as a fraction of a long one
    double shortInternodeDiameter = 0.8;
    double shortPetioleRatio = 0.1; // a short petiole "p" as a fraction of a long one
    double shortPetioleDiameter = 0.8;
    double timeStep = 0.25; // simulated time per animation frame
    int wind = 5;           // the leaves' random flutter, 1 for none
};

} // namespace burgeon
