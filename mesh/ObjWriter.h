#pragma once

#include "base/OutputFiles.h"
#include "mesh/MeshScene.h"

#include <string>
#include <vector>

namespace burgeon {

// The scene as Wavefront OBJ in scene coordinates: one object per organ ("o leaf 12"), its
// triangles under their material, normals on every vertex and texture coordinates on
// textured passes (v counted from the picture's bottom, as OBJ does).
void writeObj(const MeshScene& scene, const std::string& materialFileName, ByteSink& out);

// The material library: each material's colour, transparency, highlight and texture file.
std::string mtlText(const MeshScene& scene, const std::vector<std::string>& textureFileNames);

// A material's name as OBJ and MTL files spell it (one word: "front_leaf").
std::string objMaterialName(const MeshMaterial& material);

} // namespace burgeon
