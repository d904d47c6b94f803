#include "mesh/GltfModelBuilder.h"

#include "imageio/PngWriter.h"
#include "mesh/GrowthKeyframes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace burgeon {

namespace {

constexpr int LinearFilter = 9729;
constexpr int NearestFilter = 9728;
constexpr int RepeatWrap = 10497;

std::vector<double> asDoubles(const std::array<double, 3>& v) {
    return {v[0], v[1], v[2]};
}

// glTF asks for unit normals; a shape point whose face normals cancel (the renderer sends
// it a zero normal) points along +Z instead.
std::array<float, 3> unitNormal(const std::array<float, 3>& n) {
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length == 0.0f) {
        return {0.0f, 0.0f, 1.0f};
    }
    return {n[0] / length, n[1] / length, n[2] / length};
}

tinygltf::Value organExtras(const OrganNode& organ) {
    tinygltf::Value::Object extras;
    extras["node"] = tinygltf::Value(organ.node);
    extras["kind"] = tinygltf::Value(std::string(nodeKindWord(organ.kind)));
    extras["level"] = tinygltf::Value(organ.level);
    extras["age"] = tinygltf::Value(organ.age);
    return tinygltf::Value(std::move(extras));
}

} // namespace

GltfModelBuilder::GltfModelBuilder(const MeshScene& scene, std::vector<std::string> textureUris)
    : scene_(scene), textureUris_(std::move(textureUris)) {}

tinygltf::Model GltfModelBuilder::build() {
    model_ = tinygltf::Model{};
    animationLayout_.reset();
    model_.asset.version = "2.0";
    model_.asset.generator = "Burgeon";
    model_.buffers.emplace_back();
    addTextures();
    addMaterials();
    addMeshes();
    addNodes();
    addAnimation();
    // A scene with nothing to draw has no data (glTF buffers may not be empty).
    if (model_.buffers[0].data.empty()) {
        model_.buffers.clear();
    }
    return std::move(model_);
}

// Views start on 4-byte boundaries, as every accessor's components need.
int GltfModelBuilder::addView(const void* data, std::size_t size, int target) {
    auto& bytes = model_.buffers[0].data;
    bytes.resize((bytes.size() + 3) / 4 * 4, 0);
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = bytes.size();
    view.byteLength = size;
    view.target = target;
    const auto* source = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), source, source + size);
    model_.bufferViews.push_back(view);
    return static_cast<int>(model_.bufferViews.size()) - 1;
}

int GltfModelBuilder::addAccessor(int view, std::size_t offset, int componentType,
                                  std::size_t count, int type) {
    tinygltf::Accessor accessor;
    accessor.bufferView = view;
    accessor.byteOffset = offset;
    accessor.componentType = componentType;
    accessor.count = count;
    accessor.type = type;
    accessor.normalized = false;
    model_.accessors.push_back(accessor);
    return static_cast<int>(model_.accessors.size()) - 1;
}

void GltfModelBuilder::addTextures() {
    for (std::size_t i = 0; i < scene_.textures.size(); ++i) {
        tinygltf::Image image;
        image.name = scene_.textures[i].name;
        if (i < textureUris_.size()) {
            image.uri = textureUris_[i];
        } else {
            const std::string png = encodePng(scene_.textures[i].image);
            image.mimeType = "image/png";
            image.bufferView = addView(png.data(), png.size(), 0);
        }
        model_.images.push_back(std::move(image));
        // As the renderer samples: repeated, linear when magnified, nearest when minified.
        tinygltf::Sampler sampler;
        sampler.magFilter = LinearFilter;
        sampler.minFilter = NearestFilter;
        sampler.wrapS = RepeatWrap;
        sampler.wrapT = RepeatWrap;
        model_.samplers.push_back(sampler);
        tinygltf::Texture texture;
        texture.name = scene_.textures[i].name;
        texture.sampler = static_cast<int>(i);
        texture.source = static_cast<int>(i);
        model_.textures.push_back(texture);
    }
}

// Base colour = the colour slot (0..255 as 0..1) with the renderer's alpha; the texture, as
// the pipeline's modulation, multiplies it. Not metallic; the surfaces with their specular
// highlight are smoother than stems and land.
void GltfModelBuilder::addMaterials() {
    for (const MeshMaterial& source : scene_.materials) {
        tinygltf::Material material;
        material.name = source.name;
        auto& pbr = material.pbrMetallicRoughness;
        pbr.baseColorFactor = {source.color.red / 255.0, source.color.green / 255.0,
                               source.color.blue / 255.0, source.alpha};
        pbr.metallicFactor = 0.0;
        pbr.roughnessFactor = source.shiny ? 0.4 : 0.9;
        if (source.texture >= 0) {
            pbr.baseColorTexture.index = source.texture;
        }
        material.alphaMode = source.alpha < 1.0f ? "BLEND" : "OPAQUE";
        material.doubleSided = false;
        model_.materials.push_back(std::move(material));
    }
}

void GltfModelBuilder::addMeshes() {
    for (const OrganMesh& source : scene_.meshes) {
        tinygltf::Mesh mesh;
        mesh.name = source.name;
        for (const MeshPrimitive& primitive : source.primitives) {
            if (primitive.indices.empty()) {
                continue;
            }
            tinygltf::Primitive out;
            out.material = primitive.material;
            out.mode = TINYGLTF_MODE_TRIANGLES;
            out.indices = addPrimitiveGeometry(primitive, out);
            mesh.primitives.push_back(std::move(out));
        }
        if (mesh.primitives.empty()) {
            meshIndex_.push_back(-1);
            continue;
        }
        model_.meshes.push_back(std::move(mesh));
        meshIndex_.push_back(static_cast<int>(model_.meshes.size()) - 1);
    }
}

// Positions (with the bounds glTF asks for), normals, texture coordinates where the pass is
// textured, and the indices, 16-bit when the vertices allow.
int GltfModelBuilder::addPrimitiveGeometry(const MeshPrimitive& primitive,
                                           tinygltf::Primitive& out) {
    const std::size_t count = primitive.vertices.size();
    std::vector<float> positions, normals, texCoords;
    positions.reserve(3 * count);
    normals.reserve(3 * count);
    std::array<double, 3> low{}, high{};
    low.fill(std::numeric_limits<double>::max());
    high.fill(std::numeric_limits<double>::lowest());
    for (const MeshVertex& vertex : primitive.vertices) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            positions.push_back(vertex.position[axis]);
            low[axis] = std::min<double>(low[axis], vertex.position[axis]);
            high[axis] = std::max<double>(high[axis], vertex.position[axis]);
        }
        const auto normal = unitNormal(vertex.normal);
        normals.insert(normals.end(), normal.begin(), normal.end());
        texCoords.insert(texCoords.end(), vertex.texCoord.begin(), vertex.texCoord.end());
    }
    const int floatType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    const int arrayBuffer = TINYGLTF_TARGET_ARRAY_BUFFER;
    const int position = addAccessor(addView(positions.data(), 4 * positions.size(), arrayBuffer),
                                     0, floatType, count, TINYGLTF_TYPE_VEC3);
    model_.accessors[static_cast<std::size_t>(position)].minValues = asDoubles(low);
    model_.accessors[static_cast<std::size_t>(position)].maxValues = asDoubles(high);
    out.attributes["POSITION"] = position;
    out.attributes["NORMAL"] = addAccessor(addView(normals.data(), 4 * normals.size(), arrayBuffer),
                                           0, floatType, count, TINYGLTF_TYPE_VEC3);
    if (primitive.hasTexCoords) {
        out.attributes["TEXCOORD_0"] =
            addAccessor(addView(texCoords.data(), 4 * texCoords.size(), arrayBuffer), 0, floatType,
                        count, TINYGLTF_TYPE_VEC2);
    }
    const int elementBuffer = TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER;
    if (count <= std::numeric_limits<std::uint16_t>::max()) {
        std::vector<std::uint16_t> shortIndices(primitive.indices.begin(), primitive.indices.end());
        return addAccessor(addView(shortIndices.data(), 2 * shortIndices.size(), elementBuffer), 0,
                           TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT, shortIndices.size(),
                           TINYGLTF_TYPE_SCALAR);
    }
    return addAccessor(
        addView(primitive.indices.data(), 4 * primitive.indices.size(), elementBuffer), 0,
        TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, primitive.indices.size(), TINYGLTF_TYPE_SCALAR);
}

void GltfModelBuilder::addNodes() {
    auto nodeOf = [this](const OrganNode& organ) {
        tinygltf::Node node;
        node.name = organ.name;
        if (organ.mesh >= 0) {
            node.mesh = meshIndex_[static_cast<std::size_t>(organ.mesh)];
        }
        node.translation = asDoubles(organ.transform.translation);
        const auto& r = organ.transform.rotation;
        node.rotation = {r[0], r[1], r[2], r[3]};
        node.scale = asDoubles(organ.transform.scale);
        return node;
    };
    tinygltf::Node plant;
    plant.name = "plant";
    plant.translation = asDoubles(scene_.plant.translation);
    const auto& r = scene_.plant.rotation;
    plant.rotation = {r[0], r[1], r[2], r[3]};
    plant.scale = asDoubles(scene_.plant.scale);
    tinygltf::Value::Object plantExtras;
    plantExtras["time"] = tinygltf::Value(scene_.time);
    plant.extras = tinygltf::Value(std::move(plantExtras));
    model_.nodes.push_back(std::move(plant));
    for (const OrganNode& organ : scene_.organs) {
        model_.nodes[0].children.push_back(static_cast<int>(model_.nodes.size()));
        tinygltf::Node node = nodeOf(organ);
        node.extras = organExtras(organ);
        model_.nodes.push_back(std::move(node));
    }
    tinygltf::Scene scene;
    scene.name = "Burgeon plant";
    scene.nodes.push_back(0);
    if (scene_.land) {
        scene.nodes.push_back(static_cast<int>(model_.nodes.size()));
        model_.nodes.push_back(nodeOf(*scene_.land));
    }
    model_.scenes.push_back(std::move(scene));
    model_.defaultScene = 0;
}

} // namespace burgeon

namespace burgeon {

// The key times in the buffer; the keyframes follow the buffer's data, written into it as the
// file is written, and the accessors, samplers and channels that read them are added to the
// model's text (animationJson): the model itself stays the size of a still plant's.
void GltfModelBuilder::addAnimation() {
    if (!scene_.animation || scene_.animation->keyTimes.empty()) {
        return;
    }
    const std::vector<float>& keyTimes = scene_.animation->keyTimes;
    const int input =
        addAccessor(addView(keyTimes.data(), 4 * keyTimes.size(), 0), 0,
                    TINYGLTF_COMPONENT_TYPE_FLOAT, keyTimes.size(), TINYGLTF_TYPE_SCALAR);
    model_.accessors[static_cast<std::size_t>(input)].minValues = {keyTimes.front()};
    model_.accessors[static_cast<std::size_t>(input)].maxValues = {keyTimes.back()};

    auto& bytes = model_.buffers[0].data;
    bytes.resize((bytes.size() + 3) / 4 * 4, 0);
    AnimationLayout layout;
    layout.keyTimesAccessor = static_cast<std::size_t>(input);
    layout.firstAccessor = model_.accessors.size();
    layout.outputView = model_.bufferViews.size();
    layout.outputOffset = bytes.size();
    layout.outputBytes = scene_.animation->keyframes->channelBytes();
    animationLayout_ = layout;
}

} // namespace burgeon
