#pragma once

#include "components/OrganSurface.h"

namespace burgeon {

// A simple leaf and petal for a first picture without a shape library: flat-ish meshes with
// their per-point normals of both sides and, for the leaf, texture coordinates over its
// bounding box.
OrganSurface builtInLeaf();
OrganSurface builtInPetal();

} // namespace burgeon
