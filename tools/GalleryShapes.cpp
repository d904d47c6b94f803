#include "tools/GalleryShapes.h"

#include "tools/ShapeMesh.h"

#include <algorithm>
#include <cmath>

namespace burgeon::tools {

namespace {

double smoothStep(double from, double to, double t) {
    const double x = std::clamp((t - from) / (to - from), 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

// A serrate margin: `teeth` teeth from base to tip, each rising slowly and falling steeply.
double serration(double t, int teeth, double depth) {
    const double phase = std::fmod(t * teeth, 1.0);
    return 1.0 - depth * phase;
}

const auto NoCut = [](double, double) { return 0.0; };

void appendLeaves(std::string& library) {
    // Soybean leaflet: ovate with a rounded base and an acute tip, widest below the middle.
    appendShape(library, "Soybean leaflet", 21,
                sweep(13, 7, false,
                      leafPlacer(100, 31, normalised([](double t) { return bump(t, 0.5, 0.8); }),
                                 4.0, 6.0)));
    // Primula: a spatulate rosette leaf, a narrow stalk-like base widening into a rounded
    // blade.
    appendShape(library, "Spatulate rosette leaf", 22,
                sweep(13, 7, false,
                      leafPlacer(100, 24, normalised([](double t) {
                                     return (0.14 + 0.86 * smoothStep(0.2, 0.8, t)) *
                                            std::sqrt(1.0 - std::pow(t, 6.0));
                                 }),
                                 3.0, 4.0)));
    // Azalea: narrowly elliptic, leathery and almost flat, pointed at both ends.
    appendShape(library, "Elliptic shrub leaf", 23,
                sweep(13, 7, false,
                      leafPlacer(100, 19, normalised([](double t) { return bump(t, 0.8, 0.9); }),
                                 2.0, 3.0)));
    // Basil: ovate with a toothed margin, its edges bent down (a convex blade).
    appendShape(library, "Toothed herb leaf", 24,
                sweep(13, 7, false,
                      leafPlacer(100, 30, normalised([](double t) {
                                     return bump(t, 0.5, 0.9) * serration(t, 6, 0.12);
                                 }),
                                 -6.0, 5.0)));
}

void appendPetals(std::string& library) {
    // Soybean: a small rounded petal of a pea flower, standing half open.
    appendShape(library, "Pea petal", 31,
                sweep(10, 5, false,
                      petalPlacer(90, 34, 55, normalised([](double t) {
                                      return std::pow(t, 0.5) * std::sqrt(1.0 - std::pow(t, 4.0));
                                  }),
                                  NoCut)));
    // Primula: a primrose petal, a narrow claw widening into a heart-shaped limb with a
    // notch at its tip, spread almost flat.
    appendShape(library, "Notched primrose petal", 32,
                sweep(10, 5, true,
                      petalPlacer(90, 34, 72, normalised([](double t) {
                                      return (0.2 + 0.8 * smoothStep(0.1, 0.75, t)) *
                                             (1.0 - 0.25 * std::pow(t, 4.0));
                                  }),
                                  [](double t, double s) {
                                      return 18.0 * (1.0 - s * s) * std::pow(t, 8.0);
                                  })));
    // Azalea: a broad petal of a funnel-shaped flower with a blunt point.
    appendShape(library, "Funnel petal", 33,
                sweep(10, 5, false,
                      petalPlacer(100, 36, 50,
                                  normalised([](double t) { return bump(t, 0.6, 0.6); }), NoCut)));
    // Basil: a narrow lobe of a small lipped flower, close to the flower's axis.
    appendShape(library, "Lipped petal", 34,
                sweep(10, 5, false,
                      petalPlacer(100, 20, 35,
                                  normalised([](double t) { return bump(t, 0.7, 0.5); }), NoCut)));
}

} // namespace

std::string galleryShapeLibrary() {
    std::string library;
    appendLeaves(library);
    appendPetals(library);
    return library;
}

} // namespace burgeon::tools
