#pragma once

#include "mesh/MeshFormats.h"
#include "mesh/MeshScene.h"

#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// Every file writeMeshFile writes for that name, the model first: a .gltf has its buffer
// NAME.bin and its textures NAME-leaf.png, NAME-land.png beside it; an .obj its material
// library NAME.mtl and the same textures; .glb and .ply are one file each.
std::vector<std::string> meshFileNames(const std::string& fileName, const MeshScene& scene);

// Writes the scene in the format of the file's extension: every file or none, existing files
// of those names replaced only when all are written. Throws StandardError with a clear text
// for an extension that names no format, a missing folder, a path through a file, a folder
// that cannot be written, a full disk or a file-size limit.
void writeMeshFile(const std::string& fileName, const MeshScene& scene);

} // namespace burgeon
