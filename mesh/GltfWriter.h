#pragma once

#include "mesh/MeshScene.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tinygltf {
class Model;
}

namespace burgeon {

class ByteSink;
struct AnimationLayout;

// A scene on its way into glTF 2.0 files: the model is built once, then its JSON, its buffer or
// the whole binary file (.glb) are written from it, a growth animation's keyframes streamed
// into the buffer from where they wait, so that no file is held in memory whole.
class GltfEncoding {
public:
    // textureUris: the files a .gltf keeps its textures in, by index of MeshScene::textures;
    // none: the textures go into the buffer as PNG pictures.
    GltfEncoding(const MeshScene& scene, std::vector<std::string> textureUris);
    ~GltfEncoding();
    GltfEncoding(const GltfEncoding&) = delete;
    GltfEncoding& operator=(const GltfEncoding&) = delete;

    // The buffer's bytes; 0 for a scene with nothing to draw, which has no buffer.
    std::uint64_t bufferBytes() const;
    // The JSON text of a .gltf whose buffer is the file of that URI.
    void writeGltfJson(ByteSink& out, const std::string& bufferUri) const;
    void writeBuffer(ByteSink& out) const;
    // The whole .glb. Throws StandardError "Cannot write NAME: ..." when it would pass the
    // 4 GB a .glb can hold.
    void writeGlb(ByteSink& out, const std::string& fileName) const;

private:
    // Calls use with the model's JSON text in pieces (it is never one string).
    template <typename UsePieces>
    void withJson(const std::string& bufferUri, bool pretty, UsePieces&& use) const;

    const MeshScene& scene_;
    std::unique_ptr<tinygltf::Model> model_;
    std::unique_ptr<AnimationLayout> animation_; // where a growth animation's parts go
    std::uint64_t streamedBytes_ = 0;
};

// The scene as binary glTF 2.0 (.glb), in memory: geometry, animation and the textures as PNG
// pictures in its one buffer.
std::string encodeGlb(const MeshScene& scene);

// A file name as a relative URI reference: bytes outside the unreserved set percent-encoded.
std::string uriOfFileName(const std::string& fileName);

} // namespace burgeon
