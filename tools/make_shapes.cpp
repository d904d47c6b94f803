// Writes the example shape library: leaves and petals built as triangle meshes from outline
// functions. Every shape keeps within 121 points and 150 triangles, and no point is used by
// more than 20 triangles. Usage: burgeon_make_shapes OUTPUT_FILE [PREVIEW_FOLDER]; with a
// preview folder it also writes each shape's wire-frame preview as the Component page draws it.

#include "tools/ShapeMesh.h"

#include <cmath>
#include <iostream>
#include <numbers>
#include <string>

namespace {

using burgeon::Vector3;
using namespace burgeon::tools;

std::string makeLibrary() {
    std::string library;
    const auto noCut = [](double, double) { return 0.0; };

    appendShape(library, "Ovate leaf", 1,
                sweep(13, 7, false, leafPlacer(110, 40, normalised([](double t) {
                                                   return bump(t, 0.55, 0.9);
                                               }))));
    appendShape(library, "Lanceolate leaf", 2,
                sweep(14, 5, false, leafPlacer(125, 17, normalised([](double t) {
                                                   return bump(t, 0.45, 1.3);
                                               }))));
    // Heart-shaped: wide at the base, with the outer points near the base pulled below it
    // into two rounded lobes.
    appendShape(library, "Heart-shaped leaf", 3, sweep(13, 7, false, [](double t, double s) {
                    const double w =
                        42.0 * std::pow(std::sin(std::numbers::pi * (t + 0.3) / 1.3), 0.8);
                    const double lobe = 28.0 * s * s * std::pow(1.0 - t, 4.0);
                    return Vector3{w * s, 100.0 * t - lobe, 4.0 * s * s - 6.0 * t * t};
                }));
    appendShape(library, "Lobed leaf", 4,
                sweep(13, 7, false,
                      leafPlacer(110, 44, normalised([](double t) {
                                     return bump(t, 0.5, 0.8) *
                                            (0.78 +
                                             0.22 * std::cos(6.0 * std::numbers::pi * (t - 0.2)));
                                 }))));
    appendShape(library, "Needle leaf", 5,
                sweep(12, 3, false,
                      leafPlacer(
                          100, 4.0, [](double t) { return 1.0 - std::pow(t, 4.0); }, 1.0, 4.0)));
    appendShape(library, "Round leaf", 6,
                sweep(12, 7, false,
                      leafPlacer(85, 40, normalised([](double t) { return bump(t, 0.5, 0.5); }),
                                 6.0, 2.0)));

    appendShape(library, "Round petal", 11,
                sweep(10, 5, false,
                      petalPlacer(90, 30, 40, normalised([](double t) {
                                      return std::pow(t, 0.6) * std::sqrt(1.0 - t * t * t * t);
                                  }),
                                  noCut)));
    appendShape(library, "Pointed petal", 12,
                sweep(10, 5, false,
                      petalPlacer(95, 22, 40,
                                  normalised([](double t) { return bump(t, 0.7, 0.8); }), noCut)));
    // Notched: the tip row stays open and its middle is pulled back into a notch.
    const auto notchedProfile =
        normalised([](double t) { return std::pow(t, 0.6) * (1.0 - 0.45 * t * t * t); });
    appendShape(library, "Notched petal", 13,
                sweep(10, 5, true, petalPlacer(90, 32, 45, notchedProfile, [](double t, double s) {
                          return 16.0 * (1.0 - s * s) * std::pow(t, 8.0);
                      })));
    return library;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: burgeon_make_shapes OUTPUT_FILE [PREVIEW_FOLDER]\n";
        return 2;
    }
    try {
        writeShapeLibrary(makeLibrary(), argv[1], argc == 3 ? argv[2] : "");
        std::cout << "wrote the shape library to " << argv[1] << "\n";
    } catch (const std::exception& error) {
        std::cerr << "burgeon_make_shapes: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
