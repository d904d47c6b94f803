#pragma once

#include "base/UserInterface.h"
#include "imageio/RgbImage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// One vertex as the renderer issues it: position, normal and (on textured passes) texture
// coordinate, in single precision as the pipeline keeps them.
struct MeshVertex {
    std::array<float, 3> position{};
    std::array<float, 3> normal{};
    std::array<float, 2> texCoord{};
};

// The triangles of one material: every vertex the renderer issues, three indices a triangle,
// counter-clockwise seen from the side that shows (one-sided, as the renderer culls).
struct MeshPrimitive {
    int material = 0;
    bool hasTexCoords = false;
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices;

    std::size_t triangleCount() const { return indices.size() / 3; }
};

// The geometry of one shape at growth factor 1; organs of equal size share it.
struct OrganMesh {
    std::string name;
    std::vector<MeshPrimitive> primitives;
};

// The roles a material plays; each has its colour slot and, for the front of the leaf and the
// land, its texture.
enum class MaterialRole { Internode, Petiole, FrontLeaf, BackLeaf, FrontFlower, BackFlower, Land };

struct MeshMaterial {
    MaterialRole role = MaterialRole::Internode;
    std::string name;
    RgbColor color;
    float alpha = 1.0f;
    bool shiny = false; // the surfaces' specular highlight
    int texture = -1;   // index into MeshScene::textures, -1 for none
};

// A texture picture; the renderer repeats it (land coordinates run to 8).
struct MeshTexture {
    std::string name; // "leaf" or "land": the suffix of a texture file kept beside the model
    RgbImage image;
};

// What a node of the scene shows: a segment of one of the node table's organ kinds, a node's
// leaf or flower, or the land. The numbers are the PLY file's kind codes.
enum class MeshNodeKind {
    Internode,
    ShortInternode,
    Petiole,
    ShortPetiole,
    Apex,
    Leaf,
    Flower,
    Land
};

// The word naming a node kind in node names and extras ("short internode", "leaf" ...).
const char* nodeKindWord(MeshNodeKind kind);

// Translation, rotation (unit quaternion x, y, z, w) and scale, applied as T * R * S.
struct Transform {
    std::array<double, 3> translation{0.0, 0.0, 0.0};
    std::array<double, 4> rotation{0.0, 0.0, 0.0, 1.0};
    std::array<double, 3> scale{1.0, 1.0, 1.0};
};

// One organ as a node: its mesh placed in the plant's frame (the land in the scene's), its
// scale the growth factor of that moment (leaves: width, length, width).
struct OrganNode {
    std::string name; // "leaf 12"
    MeshNodeKind kind = MeshNodeKind::Internode;
    int node = 0;
    int level = 0;
    double age = 0.0;
    int mesh = -1;
    Transform transform;
};

class GrowthKeyframes;

// The plant growing: frame k shows simulated time plantTimes[k] at keyTimes[k] seconds; the
// keyframes of every organ node (by index of MeshScene::organs) wait in a scratch file.
struct GrowthAnimation {
    std::vector<double> plantTimes;
    std::vector<float> keyTimes;
    std::shared_ptr<GrowthKeyframes> keyframes;
    double framesPerSecond = 25.0;
};

// A plant as meshes: shared shape meshes, one node per organ under a plant node that carries
// the plant's uniform scale, the land beside it, and optionally the growth as an animation.
struct MeshScene {
    std::vector<MeshMaterial> materials;
    std::vector<MeshTexture> textures;
    std::vector<OrganMesh> meshes;
    Transform plant;
    double time = 0.0; // simulated time shown (the last frame of an animation)
    std::vector<OrganNode> organs;
    std::optional<OrganNode> land;
    std::optional<GrowthAnimation> animation;
};

} // namespace burgeon
