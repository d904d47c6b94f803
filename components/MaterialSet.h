#pragma once

#include "base/UserInterface.h"

namespace burgeon {

// The eight colour slots the renderer reads at every frame (components 0..255).
struct MaterialSet {
    RgbColor internodeColor{255, 150, 50};
    RgbColor petioleColor{255, 150, 50};
    RgbColor frontLeafColor{50, 255, 50};
    RgbColor backLeafColor{87, 155, 92};
    RgbColor frontFlowerColor{255, 0, 128};
    RgbColor backFlowerColor{255, 200, 100};
    RgbColor backgroundColor{0, 0, 0};
    RgbColor landColor{40, 130, 40};
};

} // namespace burgeon
