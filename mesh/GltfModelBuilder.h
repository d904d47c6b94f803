#pragma once

#include "mesh/GltfAnimationJson.h"
#include "mesh/MeshScene.h"

#include <tiny_gltf.h>

#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// Turns a mesh scene into a glTF model with one buffer: the plant node (scene node 0) with
// the organs as its children, the land beside it, shared meshes, materials, textures and the
// growth animation. Textures are embedded as PNG in the buffer, or named by URI when the
// caller keeps them as files. Of a growth animation the model holds the key times; the rest,
// laid out as animationLayout() says, is added to its text (animationJson) and its keyframes
// follow the buffer's data as GrowthKeyframes::writeChannels writes them.
class GltfModelBuilder {
public:
    GltfModelBuilder(const MeshScene& scene, std::vector<std::string> textureUris);
    tinygltf::Model build();
    const std::optional<AnimationLayout>& animationLayout() const { return animationLayout_; }

private:
    int addView(const void* data, std::size_t size, int target);
    int addAccessor(int view, std::size_t offset, int componentType, std::size_t count, int type);
    void addMaterials();
    void addTextures();
    void addMeshes();
    int addPrimitiveGeometry(const MeshPrimitive& primitive, tinygltf::Primitive& out);
    void addNodes();
    void addAnimation();

    const MeshScene& scene_;
    std::vector<std::string> textureUris_;
    tinygltf::Model model_;
    std::vector<int> meshIndex_; // scene mesh -> glTF mesh (-1: nothing to draw)
    std::optional<AnimationLayout> animationLayout_;
};

} // namespace burgeon
