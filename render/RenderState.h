#pragma once

#include "base/UserInterface.h"

namespace burgeon {

// The render state set once on a fresh context: depth test, back-face culling, smooth
// shading, lights 0 and 5 (fixed relative to the viewer), automatic normals and normal
// renormalisation.
void initRenderState();

// Whether the pipeline culls back faces with counter-clockwise fronts, as the render state
// has it: then a triangle known to turn away need not be sent.
bool cullsBackFaces();

// A colour slot as the front face's ambient-and-diffuse material: components / 255, alpha.
void setMaterial(RgbColor color, float alpha);

} // namespace burgeon
