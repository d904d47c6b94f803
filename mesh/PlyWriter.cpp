#include "mesh/PlyWriter.h"

#include "mesh/WorldGeometry.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace burgeon {

namespace {

constexpr std::size_t ChunkSize = 1 << 20;

template <typename Value> void appendLittleEndian(std::string& out, Value value) {
    char bytes[sizeof(Value)];
    std::memcpy(bytes, &value, sizeof(Value));
    if constexpr (std::endian::native == std::endian::big) {
        for (std::size_t i = 0; i < sizeof(Value) / 2; ++i) {
            std::swap(bytes[i], bytes[sizeof(Value) - 1 - i]);
        }
    }
    out.append(bytes, sizeof(Value));
}

std::uint8_t colourByte(int component) {
    return static_cast<std::uint8_t>(component < 0 ? 0 : (component > 255 ? 255 : component));
}

std::string header(const MeshScene& scene, std::size_t vertices, std::size_t faces,
                   std::size_t organs) {
    char time[64];
    std::snprintf(time, sizeof time, "%.15g", scene.time);
    std::string text = "ply\nformat binary_little_endian 1.0\n";
    text += "comment Burgeon plant at time " + std::string(time) + '\n';
    text += "comment organ kinds:";
    for (int kind = 0; kind <= static_cast<int>(MeshNodeKind::Land); ++kind) {
        text += ' ' + std::to_string(kind) + ' ' + nodeKindWord(static_cast<MeshNodeKind>(kind));
        text += kind < static_cast<int>(MeshNodeKind::Land) ? "," : "\n";
    }
    text += "element vertex " + std::to_string(vertices) + '\n';
    for (const char* name : {"x", "y", "z", "nx", "ny", "nz"}) {
        text += "property float " + std::string(name) + '\n';
    }
    for (const char* name : {"red", "green", "blue", "alpha"}) {
        text += "property uchar " + std::string(name) + '\n';
    }
    text += "property float s\nproperty float t\n";
    text += "element face " + std::to_string(faces) + '\n';
    text += "property list uchar uint vertex_indices\nproperty uint organ\n";
    text += "element organ " + std::to_string(organs) + '\n';
    text += "property int node\nproperty uchar kind\nproperty int level\nproperty float age\n";
    text += "end_header\n";
    return text;
}

void appendVertex(std::string& out, const MeshVertex& vertex, const MeshMaterial& material,
                  bool textured) {
    for (const float value : vertex.position) {
        appendLittleEndian(out, value);
    }
    for (const float value : vertex.normal) {
        appendLittleEndian(out, value);
    }
    out += static_cast<char>(colourByte(material.color.red));
    out += static_cast<char>(colourByte(material.color.green));
    out += static_cast<char>(colourByte(material.color.blue));
    out += static_cast<char>(colourByte(static_cast<int>(std::lround(material.alpha * 255.0f))));
    appendLittleEndian(out, textured ? vertex.texCoord[0] : 0.0f);
    appendLittleEndian(out, textured ? 1.0f - vertex.texCoord[1] : 0.0f);
}

void flushWhenFull(std::string& text, ByteSink& out) {
    if (text.size() >= ChunkSize) {
        out.write(text);
        text.clear();
    }
}

const OrganMesh* meshOf(const MeshScene& scene, const PlacedNode& organ) {
    if (organ.node->mesh < 0) {
        return nullptr;
    }
    return &scene.meshes[static_cast<std::size_t>(organ.node->mesh)];
}

void appendFaces(std::string& out, const MeshPrimitive& primitive, std::uint32_t firstVertex,
                 std::uint32_t organ) {
    for (std::size_t i = 0; i + 2 < primitive.indices.size(); i += 3) {
        out += static_cast<char>(3);
        for (std::size_t corner = 0; corner < 3; ++corner) {
            appendLittleEndian(out, firstVertex + primitive.indices[i + corner]);
        }
        appendLittleEndian(out, organ);
    }
}

} // namespace

void writePly(const MeshScene& scene, ByteSink& out) {
    const std::vector<PlacedNode> placed = placedNodes(scene);
    std::size_t vertices = 0;
    std::size_t faces = 0;
    for (const PlacedNode& organ : placed) {
        if (const OrganMesh* mesh = meshOf(scene, organ)) {
            for (const MeshPrimitive& primitive : mesh->primitives) {
                vertices += primitive.vertices.size();
                faces += primitive.triangleCount();
            }
        }
    }
    std::string text = header(scene, vertices, faces, placed.size());
    for (const PlacedNode& organ : placed) {
        if (const OrganMesh* mesh = meshOf(scene, organ)) {
            for (const MeshPrimitive& primitive : mesh->primitives) {
                const auto& material =
                    scene.materials[static_cast<std::size_t>(primitive.material)];
                for (const MeshVertex& vertex : primitive.vertices) {
                    appendVertex(text, placedVertex(organ, vertex), material,
                                 primitive.hasTexCoords);
                }
                flushWhenFull(text, out);
            }
        }
    }
    std::uint32_t firstVertex = 0;
    for (std::size_t index = 0; index < placed.size(); ++index) {
        if (const OrganMesh* mesh = meshOf(scene, placed[index])) {
            for (const MeshPrimitive& primitive : mesh->primitives) {
                appendFaces(text, primitive, firstVertex, static_cast<std::uint32_t>(index));
                firstVertex += static_cast<std::uint32_t>(primitive.vertices.size());
                flushWhenFull(text, out);
            }
        }
    }
    for (const PlacedNode& organ : placed) {
        appendLittleEndian(text, static_cast<std::int32_t>(organ.node->node));
        text += static_cast<char>(organ.node->kind);
        appendLittleEndian(text, static_cast<std::int32_t>(organ.node->level));
        appendLittleEndian(text, static_cast<float>(organ.node->age));
    }
    out.write(text);
}

} // namespace burgeon
