#include "mesh/MeshLibrary.h"

#include "components/MaterialSet.h"
#include "imageio/BmpReader.h"
#include "mesh/QuadricMesh.h"
#include "mesh/TransformMath.h"

#include <cmath>

namespace burgeon {

namespace {

const char* materialName(MaterialRole role) {
    switch (role) {
    case MaterialRole::Internode:
        return "internode";
    case MaterialRole::Petiole:
        return "petiole";
    case MaterialRole::FrontLeaf:
        return "front leaf";
    case MaterialRole::BackLeaf:
        return "back leaf";
    case MaterialRole::FrontFlower:
        return "front flower";
    case MaterialRole::BackFlower:
        return "back flower";
    case MaterialRole::Land:
        return "land";
    }
    return "material";
}

bool isSurfaceRole(MaterialRole role) {
    return role != MaterialRole::Internode && role != MaterialRole::Petiole &&
           role != MaterialRole::Land;
}

// Texture pictures arrive as the loader keeps them (four bytes a pixel, the fourth unused).
RgbImage imageOf(const BitmapPixels& pixels) {
    RgbImage image(pixels.width, pixels.height);
    auto& bytes = image.bytes();
    const std::size_t count = static_cast<std::size_t>(pixels.width) * pixels.height;
    for (std::size_t i = 0; i < count && 4 * i + 2 < pixels.rgba.size(); ++i) {
        bytes[3 * i] = pixels.rgba[4 * i];
        bytes[3 * i + 1] = pixels.rgba[4 * i + 1];
        bytes[3 * i + 2] = pixels.rgba[4 * i + 2];
    }
    return image;
}

// Meshes are numbered across the scene ("leaf mesh 3"), apart from the organs' node numbers.
std::string meshName(const char* kind, std::size_t index) {
    return std::string(kind) + " mesh " + std::to_string(index + 1);
}

bool hasPicture(const BitmapPixels* pixels) {
    return pixels != nullptr && pixels->width > 0 && pixels->height > 0;
}

std::array<float, 3> asFloats(const Vector3& v) {
    return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)};
}

Vector3 turned(const Matrix4& m, const Vector3& v) {
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z, m[1] * v.x + m[5] * v.y + m[9] * v.z,
            m[2] * v.x + m[6] * v.y + m[10] * v.z};
}

// The land's two polygons as the renderer sends them: the lower one seen from below, the
// upper one from above, the grass repeated 8 times along each side.
struct LandCorner {
    float x, z, u, v;
};
constexpr float LandHeight = -2.5f;
constexpr LandCorner LandFromBelow[4] = {
    {3, 3, 0, 0}, {-3, 3, 0, 8}, {-3, -3, 8, 8}, {3, -3, 8, 0}};
constexpr LandCorner LandFromAbove[4] = {
    {3, 3, 0, 0}, {3, -3, 8, 0}, {-3, -3, 8, 8}, {-3, 3, 0, 8}};

void appendPolygon(MeshPrimitive& primitive, const LandCorner (&corners)[4], float normalY) {
    const auto first = static_cast<std::uint32_t>(primitive.vertices.size());
    for (const LandCorner& corner : corners) {
        MeshVertex& vertex = primitive.vertices.emplace_back();
        vertex.position = {corner.x, LandHeight, corner.z};
        vertex.normal = {0.0f, normalY, 0.0f};
        vertex.texCoord = {corner.u, corner.v};
    }
    // A convex polygon is drawn as a fan from its first corner.
    primitive.indices.insert(primitive.indices.end(),
                             {first, first + 1, first + 2, first, first + 2, first + 3});
}

} // namespace

MeshLibrary::MeshLibrary(const MeshShapes& shapes) : shapes_(shapes) {}

// Sizes are kept per kind of shape: a segment by its material role, a surface by the role of
// its upper side, so no two kinds share a key.
int MeshLibrary::sizeKind(Routine routine) {
    return static_cast<int>(routine == Routine::Leaf ? MaterialRole::FrontLeaf
                                                     : MaterialRole::FrontFlower);
}

int MeshLibrary::texture(const char* name, const BitmapPixels& pixels) {
    for (std::size_t i = 0; i < textures_.size(); ++i) {
        if (textures_[i].name == name) {
            return static_cast<int>(i);
        }
    }
    textures_.push_back({name, imageOf(pixels)});
    return static_cast<int>(textures_.size()) - 1;
}

int MeshLibrary::material(MaterialRole role, RgbColor color, float alpha, bool textured) {
    for (std::size_t i = 0; i < materials_.size(); ++i) {
        if (materials_[i].role == role) {
            return static_cast<int>(i);
        }
    }
    MeshMaterial& added = materials_.emplace_back();
    added.role = role;
    added.name = materialName(role);
    added.color = color;
    added.alpha = alpha;
    added.shiny = isSurfaceRole(role);
    if (textured && role == MaterialRole::FrontLeaf) {
        added.texture = texture("leaf", *shapes_.leafTexture);
    } else if (textured && role == MaterialRole::Land) {
        added.texture = texture("land", *shapes_.landTexture);
    }
    return static_cast<int>(materials_.size()) - 1;
}

int MeshLibrary::segment(MaterialRole role, double length, double radius) {
    const SizeKey key{static_cast<int>(role), length, radius, 0.0};
    if (const auto found = meshBySize_.find(key); found != meshBySize_.end()) {
        return found->second;
    }
    // The quadrics are drawn after a turn of 90 degrees about X: their +Z axis runs down -Y.
    const Matrix4 upright = rotationMatrix(90.0, 1.0, 0.0, 0.0);
    const RgbColor color = role == MaterialRole::Petiole ? shapes_.materials->petioleColor
                                                         : shapes_.materials->internodeColor;
    OrganMesh mesh;
    mesh.name = meshName(materialName(role), meshes_.size());
    MeshPrimitive& primitive = mesh.primitives.emplace_back();
    primitive.material = material(role, color, 1.0f, false);
    appendQuadricCylinder(primitive, radius, length, CylinderSlices, CylinderStacks, upright);
    appendQuadricSphere(primitive, radius, CapSlices, CapStacks, upright);
    meshes_.push_back(std::move(mesh));
    meshBySize_.emplace(key, static_cast<int>(meshes_.size()) - 1);
    return static_cast<int>(meshes_.size()) - 1;
}

int MeshLibrary::land() {
    if (landMesh_ >= 0) {
        return landMesh_;
    }
    const bool textured = hasPicture(shapes_.landTexture);
    OrganMesh mesh;
    mesh.name = "land mesh";
    MeshPrimitive& primitive = mesh.primitives.emplace_back();
    primitive.material = material(MaterialRole::Land, shapes_.materials->landColor, 1.0f, textured);
    primitive.hasTexCoords = textured;
    appendPolygon(primitive, LandFromBelow, -1.0f);
    appendPolygon(primitive, LandFromAbove, 1.0f);
    meshes_.push_back(std::move(mesh));
    landMesh_ = static_cast<int>(meshes_.size()) - 1;
    return landMesh_;
}

PlacedMesh MeshLibrary::leaf(double depth, double length, double width, const WindTurn& wind) {
    const SizeKey key{sizeKind(Routine::Leaf), depth, length, width};
    const auto found = meshBySize_.find(key);
    const auto turn = leafTurns_.find({wind.x, wind.y, wind.z});
    if (found != meshBySize_.end() && turn != leafTurns_.end()) {
        return {found->second, turn->second};
    }
    // A known size in a new wind only needs the turn: the routine runs without keeping its
    // triangles.
    PlacedMesh placed =
        runSurface(Routine::Leaf, depth, length, width, wind, found == meshBySize_.end());
    if (found != meshBySize_.end()) {
        placed.mesh = found->second;
    }
    leafTurns_.emplace(std::tuple{wind.x, wind.y, wind.z}, placed.turn);
    return placed;
}

PlacedMesh MeshLibrary::flower(double depth, double length, double width) {
    const SizeKey key{sizeKind(Routine::Flower), depth, length, width};
    if (const auto found = meshBySize_.find(key); found != meshBySize_.end() && flowerTurn_) {
        return {found->second, *flowerTurn_};
    }
    PlacedMesh placed = runSurface(Routine::Flower, depth, length, width, {}, true);
    flowerTurn_ = placed.turn;
    return placed;
}

PlacedMesh MeshLibrary::runSurface(Routine routine, double depth, double length, double width,
                                   const WindTurn& wind, bool keepMesh) {
    capture_ = Capture{};
    capture_.routine = routine;
    texturing_ = false;
    if (keepMesh) {
        OrganMesh& mesh = meshes_.emplace_back();
        mesh.name = meshName(routine == Routine::Leaf ? "leaf" : "flower", meshes_.size() - 1);
        capture_.mesh = &mesh;
    }
    if (routine == Routine::Leaf) {
        drawLeafSurface(*this, *shapes_.leaf, *shapes_.placement, *shapes_.materials,
                        hasPicture(shapes_.leafTexture), depth, length, width, wind);
    } else {
        drawFlowerSurface(*this, *shapes_.flower, *shapes_.placement, *shapes_.materials, depth,
                          length, width);
    }
    PlacedMesh placed;
    placed.turn = capture_.turn.value_or(capture_.local);
    if (keepMesh) {
        placed.mesh = static_cast<int>(meshes_.size()) - 1;
        meshBySize_.emplace(SizeKey{sizeKind(routine), depth, length, width}, placed.mesh);
    }
    capture_ = Capture{};
    return placed;
}

void MeshLibrary::pushMatrix() {
    capture_.stack.push_back(capture_.local);
}

void MeshLibrary::popMatrix() {
    if (!capture_.stack.empty()) {
        capture_.local = capture_.stack.back();
        capture_.stack.pop_back();
    }
}

void MeshLibrary::rotate(float degrees, float x, float y, float z) {
    capture_.local = multiplyMatrices(capture_.local, rotationMatrix(degrees, x, y, z));
}

// The first material of a routine is its upper side's, every later one its lower side's.
void MeshLibrary::setFrontMaterial(RgbColor color, float alpha) {
    const bool front = capture_.materialCalls++ == 0;
    if (capture_.routine == Routine::Leaf) {
        capture_.role = front ? MaterialRole::FrontLeaf : MaterialRole::BackLeaf;
    } else {
        capture_.role = front ? MaterialRole::FrontFlower : MaterialRole::BackFlower;
    }
    capture_.color = color;
    capture_.alpha = alpha;
}

void MeshLibrary::beginTriangles() {
    if (!capture_.turn) {
        capture_.turn = capture_.local;
    }
    capture_.fromTurn = multiplyMatrices(inverseRotation(*capture_.turn), capture_.local);
    if (capture_.mesh == nullptr) {
        return;
    }
    const bool textured = texturing_ && hasPicture(shapes_.leafTexture);
    const int index = material(capture_.role, capture_.color, capture_.alpha, textured);
    auto& primitives = capture_.mesh->primitives;
    // Triangles of one material stay one primitive (the petals of a side).
    if (primitives.empty() || primitives.back().material != index) {
        primitives.emplace_back().material = index;
    }
    capture_.primitive = &primitives.back();
}

void MeshLibrary::vertex(const Vector3& normal, const double* texCoord, double x, double y,
                         double z) {
    if (capture_.primitive == nullptr) {
        return;
    }
    MeshPrimitive& primitive = *capture_.primitive;
    MeshVertex& added = primitive.vertices.emplace_back();
    added.position = asFloats(transformPoint(capture_.fromTurn, {x, y, z}));
    added.normal = asFloats(turned(capture_.fromTurn, normal));
    // Only the upper side sends coordinates; the lower one has none, though the renderer
    // leaves texturing on while it draws it.
    if (texCoord != nullptr) {
        added.texCoord = {static_cast<float>(texCoord[0]), static_cast<float>(texCoord[1])};
        primitive.hasTexCoords = true;
    }
    primitive.indices.push_back(static_cast<std::uint32_t>(primitive.vertices.size() - 1));
}

void MeshLibrary::moveInto(MeshScene& scene) {
    scene.materials = std::move(materials_);
    scene.textures = std::move(textures_);
    scene.meshes = std::move(meshes_);
    materials_.clear();
    textures_.clear();
    meshes_.clear();
    meshBySize_.clear();
    leafTurns_.clear();
    flowerTurn_.reset();
    landMesh_ = -1;
}

} // namespace burgeon
