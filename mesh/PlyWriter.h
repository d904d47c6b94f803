#pragma once

#include "base/OutputFiles.h"
#include "mesh/MeshScene.h"

namespace burgeon {

// The scene as binary little-endian PLY in scene coordinates: every vertex with its normal,
// its material's colour and alpha and its texture coordinates (s, t with t counted from the
// picture's bottom; 0, 0 on untextured passes); every triangle with the index of its organ;
// and an "organ" element naming each organ's node, kind (the numbers listed in the header's
// comments), level and age.
void writePly(const MeshScene& scene, ByteSink& out);

} // namespace burgeon
