#include "MeshReaders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

namespace burgeon::testing {

namespace {

Matrix4 multiplied(const Matrix4& left, const Matrix4& right) {
    Matrix4 product{};
    for (std::size_t c = 0; c < 4; ++c) {
        for (std::size_t r = 0; r < 4; ++r) {
            for (std::size_t k = 0; k < 4; ++k) {
                product[c * 4 + r] += left[k * 4 + r] * right[c * 4 + k];
            }
        }
    }
    return product;
}

void collectOrgans(const tinygltf::Model& model, int index, const Matrix4& parent,
                   std::vector<ReadOrgan>& organs) {
    const tinygltf::Node& node = model.nodes[static_cast<std::size_t>(index)];
    const Matrix4 world = multiplied(parent, gltfNodeMatrix(node));
    if (node.mesh >= 0) {
        ReadOrgan& organ = organs.emplace_back();
        organ.name = node.name;
        for (const auto& primitive : model.meshes[static_cast<std::size_t>(node.mesh)].primitives) {
            const std::vector<float> positions =
                accessorFloats(model, primitive.attributes.at("POSITION"));
            for (std::size_t i = 0; i + 2 < positions.size(); i += 3) {
                organ.box.add(
                    transformPoint(world, {positions[i], positions[i + 1], positions[i + 2]}));
            }
            organ.vertices += positions.size() / 3;
            organ.triangles +=
                model.accessors[static_cast<std::size_t>(primitive.indices)].count / 3;
            const auto texCoords = primitive.attributes.find("TEXCOORD_0");
            if (texCoords != primitive.attributes.end()) {
                organ.textured = true;
                const std::vector<float> values = accessorFloats(model, texCoords->second);
                for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
                    organ.texCoords.push_back({values[i], values[i + 1]});
                }
            }
        }
    }
    for (const int child : node.children) {
        collectOrgans(model, child, world, organs);
    }
}

struct PlyProperty {
    std::string name;
    std::string type;
    bool list = false;
    std::string countType;
};

struct PlyElement {
    std::string name;
    std::size_t count = 0;
    std::vector<PlyProperty> properties;
};

std::size_t sizeOf(const std::string& type) {
    if (type == "uchar" || type == "char") {
        return 1;
    }
    if (type == "short" || type == "ushort") {
        return 2;
    }
    if (type == "double") {
        return 8;
    }
    return 4;
}

double readValue(const std::string& bytes, std::size_t& at, const std::string& type) {
    const std::size_t size = sizeOf(type);
    if (at + size > bytes.size()) {
        throw std::runtime_error("PLY data ends early");
    }
    double value = 0.0;
    if (type == "float") {
        float f = 0.0f;
        std::memcpy(&f, bytes.data() + at, 4);
        value = f;
    } else if (type == "uchar") {
        value = static_cast<unsigned char>(bytes[at]);
    } else if (type == "uint") {
        std::uint32_t u = 0;
        std::memcpy(&u, bytes.data() + at, 4);
        value = u;
    } else if (type == "int") {
        std::int32_t i = 0;
        std::memcpy(&i, bytes.data() + at, 4);
        value = i;
    } else {
        throw std::runtime_error("PLY type not expected: " + type);
    }
    at += size;
    return value;
}

// The element's rows: each property's value, a list's items after its count.
std::vector<std::vector<double>> readRows(const std::string& bytes, std::size_t& at,
                                          const PlyElement& element) {
    std::vector<std::vector<double>> rows(element.count);
    for (auto& row : rows) {
        for (const PlyProperty& property : element.properties) {
            if (property.list) {
                const auto items =
                    static_cast<std::size_t>(readValue(bytes, at, property.countType));
                row.push_back(static_cast<double>(items));
                for (std::size_t i = 0; i < items; ++i) {
                    row.push_back(readValue(bytes, at, property.type));
                }
            } else {
                row.push_back(readValue(bytes, at, property.type));
            }
        }
    }
    return rows;
}

std::vector<PlyElement> parseHeader(std::istringstream& header,
                                    std::vector<std::string>& comments) {
    std::vector<PlyElement> elements;
    std::string line;
    while (std::getline(header, line) && line != "end_header") {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "comment") {
            comments.push_back(line.substr(8));
        } else if (keyword == "element") {
            PlyElement& element = elements.emplace_back();
            words >> element.name >> element.count;
        } else if (keyword == "property") {
            PlyProperty property;
            words >> property.type;
            if (property.type == "list") {
                property.list = true;
                words >> property.countType >> property.type;
            }
            words >> property.name;
            elements.back().properties.push_back(property);
        }
    }
    return elements;
}

// "organ kinds: 0 internode, 1 short internode, ..." as kind number -> word.
std::map<int, std::string> kindWords(const std::vector<std::string>& comments) {
    std::map<int, std::string> words;
    for (const std::string& comment : comments) {
        if (comment.rfind("organ kinds:", 0) != 0) {
            continue;
        }
        std::istringstream entries(comment.substr(12));
        std::string entry;
        while (std::getline(entries, entry, ',')) {
            std::istringstream parts(entry);
            int number = 0;
            parts >> number;
            std::string word;
            std::getline(parts, word);
            words[number] = word.substr(1);
        }
    }
    return words;
}

} // namespace

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

tinygltf::Model loadGltf(const std::filesystem::path& file) {
    tinygltf::TinyGLTF loader;
    tinygltf::Model model;
    std::string error, warning;
    const bool loaded = file.extension() == ".glb"
                            ? loader.LoadBinaryFromFile(&model, &error, &warning, file.string())
                            : loader.LoadASCIIFromFile(&model, &error, &warning, file.string());
    EXPECT_TRUE(loaded) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(warning, "");
    return model;
}

Matrix4 gltfNodeMatrix(const tinygltf::Node& node) {
    if (node.matrix.size() == 16) {
        Matrix4 m{};
        std::copy(node.matrix.begin(), node.matrix.end(), m.begin());
        return m;
    }
    const auto t = node.translation.empty() ? std::vector<double>{0, 0, 0} : node.translation;
    const auto q = node.rotation.empty() ? std::vector<double>{0, 0, 0, 1} : node.rotation;
    const auto s = node.scale.empty() ? std::vector<double>{1, 1, 1} : node.scale;
    const double x = q[0], y = q[1], z = q[2], w = q[3];
    // Columns of the rotation matrix of a unit quaternion, each scaled by its axis' scale.
    return {(1 - 2 * (y * y + z * z)) * s[0],
            2 * (x * y + z * w) * s[0],
            2 * (x * z - y * w) * s[0],
            0,
            2 * (x * y - z * w) * s[1],
            (1 - 2 * (x * x + z * z)) * s[1],
            2 * (y * z + x * w) * s[1],
            0,
            2 * (x * z + y * w) * s[2],
            2 * (y * z - x * w) * s[2],
            (1 - 2 * (x * x + y * y)) * s[2],
            0,
            t[0],
            t[1],
            t[2],
            1};
}

std::vector<float> accessorFloats(const tinygltf::Model& model, int index) {
    const auto& accessor = model.accessors[static_cast<std::size_t>(index)];
    const auto& view = model.bufferViews[static_cast<std::size_t>(accessor.bufferView)];
    const auto& buffer = model.buffers[static_cast<std::size_t>(view.buffer)];
    const int components =
        tinygltf::GetNumComponentsInType(static_cast<std::uint32_t>(accessor.type));
    const int componentSize =
        tinygltf::GetComponentSizeInBytes(static_cast<std::uint32_t>(accessor.componentType));
    const int stride = accessor.ByteStride(view);
    std::vector<float> values;
    for (std::size_t k = 0; k < accessor.count; ++k) {
        const unsigned char* row = buffer.data.data() + view.byteOffset + accessor.byteOffset +
                                   k * static_cast<std::size_t>(stride);
        for (int c = 0; c < components; ++c) {
            const unsigned char* p = row + c * componentSize;
            if (accessor.componentType == TINYGLTF_COMPONENT_TYPE_FLOAT) {
                float f = 0.0f;
                std::memcpy(&f, p, 4);
                values.push_back(f);
            } else if (accessor.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT) {
                std::uint16_t u = 0;
                std::memcpy(&u, p, 2);
                values.push_back(u);
            } else {
                std::uint32_t u = 0;
                std::memcpy(&u, p, 4);
                values.push_back(static_cast<float>(u));
            }
        }
    }
    return values;
}

std::vector<ReadOrgan> gltfOrgans(const tinygltf::Model& model) {
    std::vector<ReadOrgan> organs;
    const auto& scene = model.scenes.at(static_cast<std::size_t>(std::max(model.defaultScene, 0)));
    Matrix4 identity{};
    identity[0] = identity[5] = identity[10] = identity[15] = 1.0;
    for (const int node : scene.nodes) {
        collectOrgans(model, node, identity, organs);
    }
    return organs;
}

std::vector<ReadOrgan> objOrgans(const std::filesystem::path& file) {
    std::istringstream text(fileText(file));
    std::vector<ReadOrgan> organs;
    std::vector<Vector3> positions;
    std::size_t texCoords = 0;
    std::string line;
    while (std::getline(text, line)) {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "o") {
            organs.emplace_back().name = line.substr(2);
        } else if (keyword == "v") {
            Vector3 p;
            words >> p.x >> p.y >> p.z;
            positions.push_back(p);
            organs.back().box.add(p);
            ++organs.back().vertices;
        } else if (keyword == "vt") {
            std::array<float, 2> uv{};
            words >> uv[0] >> uv[1];
            organs.back().texCoords.push_back(uv);
            ++texCoords;
        } else if (keyword == "f") {
            std::string corner;
            int corners = 0;
            while (words >> corner) {
                const auto slash = corner.find('/');
                const std::size_t vertex = std::stoul(corner.substr(0, slash));
                const std::string texCoord =
                    corner.substr(slash + 1, corner.find('/', slash + 1) - slash - 1);
                EXPECT_LE(vertex, positions.size()) << line;
                if (!texCoord.empty()) {
                    EXPECT_LE(std::stoul(texCoord), texCoords) << line;
                    organs.back().textured = true;
                }
                ++corners;
            }
            EXPECT_EQ(corners, 3) << line;
            ++organs.back().triangles;
        }
    }
    return organs;
}

PlyFile readPly(const std::filesystem::path& file) {
    const std::string bytes = fileText(file);
    const std::string end = "end_header\n";
    const auto headerEnd = bytes.find(end);
    if (bytes.rfind("ply\nformat binary_little_endian 1.0\n", 0) != 0 ||
        headerEnd == std::string::npos) {
        throw std::runtime_error("not a binary little-endian PLY file");
    }
    std::istringstream header(bytes.substr(0, headerEnd + end.size()));
    PlyFile ply;
    const std::vector<PlyElement> elements = parseHeader(header, ply.comments);
    std::size_t at = headerEnd + end.size();
    std::map<std::string, std::vector<std::vector<double>>> rows;
    for (const PlyElement& element : elements) {
        ply.counts[element.name] = element.count;
        rows[element.name] = readRows(bytes, at, element);
    }
    EXPECT_EQ(at, bytes.size()) << "data after the last element";
    const auto words = kindWords(ply.comments);
    for (const auto& organ : rows["organ"]) {
        ply.organs.emplace_back().name =
            words.at(static_cast<int>(organ[1])) +
            (organ[1] == 7 ? "" : " " + std::to_string(static_cast<int>(organ[0])));
    }
    const auto& vertices = rows["vertex"];
    for (const auto& vertex : vertices) {
        ply.colours.push_back(
            {static_cast<std::uint8_t>(vertex[6]), static_cast<std::uint8_t>(vertex[7]),
             static_cast<std::uint8_t>(vertex[8]), static_cast<std::uint8_t>(vertex[9])});
    }
    std::vector<std::set<std::size_t>> used(ply.organs.size());
    for (const auto& face : rows["face"]) {
        const auto organ = static_cast<std::size_t>(face[4]);
        ++ply.organs.at(organ).triangles;
        for (std::size_t corner = 1; corner <= 3; ++corner) {
            used[organ].insert(static_cast<std::size_t>(face[corner]));
        }
    }
    for (std::size_t k = 0; k < ply.organs.size(); ++k) {
        ply.organs[k].vertices = used[k].size();
        for (const std::size_t index : used[k]) {
            const auto& v = vertices.at(index);
            ply.organs[k].box.add({v[0], v[1], v[2]});
            ply.organs[k].texCoords.push_back(
                {static_cast<float>(v[10]), static_cast<float>(v[11])});
        }
    }
    return ply;
}

} // namespace burgeon::testing
