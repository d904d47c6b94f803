#pragma once

#include "base/UserInterface.h"

namespace burgeon {

// The eight colour slots the renderer reads at every frame (components 0..255).
struct MaterialSet {
    RgbColor InternodeColor{255, 150, 50};
    RgbColor PetioleColor{255, 150, 50};
    RgbColor FrontLeafColor{50, 255, 50};
    RgbColor BackLeafColor{87, 155, 92};
    RgbColor FrontFlowerColor{255, 0, 128};
    RgbColor BackFlowerColor{255, 200, 100};
    RgbColor BackgroundColor{0, 0, 0};
    RgbColor LandColor{40, 130, 40};
};

} // namespace burgeon
