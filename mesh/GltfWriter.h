#pragma once

#include "mesh/MeshScene.h"

#include <string>
#include <vector>

namespace burgeon {

// The scene as binary glTF 2.0 (.glb): geometry, animation and the textures as PNG pictures
// in its one buffer.
std::string encodeGlb(const MeshScene& scene);

// The scene as glTF 2.0 JSON text that refers to its buffer and texture pictures as files
// beside it (the names as given, relative to the JSON file), with their contents.
struct GltfTextFiles {
    std::string json;
    std::string buffer;
    std::vector<std::string> texturePngs; // by index of MeshScene::textures
};
GltfTextFiles encodeGltfText(const MeshScene& scene, const std::string& bufferFileName,
                             const std::vector<std::string>& textureFileNames);

// A file name as a relative URI reference: bytes outside the unreserved set percent-encoded.
std::string uriOfFileName(const std::string& fileName);

} // namespace burgeon
