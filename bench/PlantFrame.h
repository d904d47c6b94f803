#pragma once

#include "imageio/RgbImage.h"

namespace burgeon::bench {

// An 800 x 600 capture-like picture: a shaded plant over a textured ground. Frame 0 is the
// still picture of the capture benchmarks; later frames let the leaves grow and sway over the
// same ground, as consecutive frames of a growing plant differ.
RgbImage plantFrame(int frame = 0);

} // namespace burgeon::bench
