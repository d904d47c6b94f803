#include "mesh/ObjWriter.h"

#include "mesh/WorldGeometry.h"

#include <charconv>
#include <cstdio>

namespace burgeon {

namespace {

constexpr std::size_t ChunkSize = 1 << 20;

void appendNumber(std::string& out, float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void appendNumber(std::string& out, std::size_t value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void appendLine(std::string& out, const char* keyword, std::initializer_list<float> values) {
    out += keyword;
    for (const float value : values) {
        out += ' ';
        appendNumber(out, value);
    }
    out += '\n';
}

struct Counters {
    std::size_t vertices = 0; // written so far (OBJ indices start at 1)
    std::size_t texCoords = 0;
};

void appendCorner(std::string& out, std::size_t vertex, std::size_t texCoord) {
    out += ' ';
    appendNumber(out, vertex);
    out += '/';
    if (texCoord != 0) {
        appendNumber(out, texCoord);
    }
    out += '/';
    appendNumber(out, vertex);
}

void appendOrgan(std::string& out, const MeshScene& scene, const PlacedNode& placed,
                 Counters& counters) {
    const OrganMesh& mesh = scene.meshes[static_cast<std::size_t>(placed.node->mesh)];
    out += "o " + placed.node->name + '\n';
    for (const MeshPrimitive& primitive : mesh.primitives) {
        for (const MeshVertex& local : primitive.vertices) {
            const MeshVertex vertex = placedVertex(placed, local);
            appendLine(out, "v", {vertex.position[0], vertex.position[1], vertex.position[2]});
            appendLine(out, "vn", {vertex.normal[0], vertex.normal[1], vertex.normal[2]});
            if (primitive.hasTexCoords) {
                appendLine(out, "vt", {vertex.texCoord[0], 1.0f - vertex.texCoord[1]});
            }
        }
        const std::size_t firstVertex = counters.vertices + 1;
        const std::size_t firstTexCoord = primitive.hasTexCoords ? counters.texCoords + 1 : 0;
        counters.vertices += primitive.vertices.size();
        if (primitive.hasTexCoords) {
            counters.texCoords += primitive.vertices.size();
        }
        out += "usemtl " +
               objMaterialName(scene.materials[static_cast<std::size_t>(primitive.material)]) +
               '\n';
        for (std::size_t i = 0; i + 2 < primitive.indices.size(); i += 3) {
            out += 'f';
            for (std::size_t corner = 0; corner < 3; ++corner) {
                const std::size_t index = primitive.indices[i + corner];
                appendCorner(out, firstVertex + index,
                             firstTexCoord == 0 ? 0 : firstTexCoord + index);
            }
            out += '\n';
        }
    }
}

std::string colourText(const RgbColor& color) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g %.6g %.6g", color.red / 255.0, color.green / 255.0,
                  color.blue / 255.0);
    return text;
}

} // namespace

std::string objMaterialName(const MeshMaterial& material) {
    std::string name = material.name;
    for (char& c : name) {
        if (c == ' ') {
            c = '_';
        }
    }
    return name;
}

void writeObj(const MeshScene& scene, const std::string& materialFileName, ByteSink& out) {
    std::string text = "# Burgeon plant at time ";
    char time[32];
    std::snprintf(time, sizeof time, "%.15g", scene.time);
    text += time;
    text += "\nmtllib " + materialFileName + '\n';
    Counters counters;
    for (const PlacedNode& placed : placedNodes(scene)) {
        if (placed.node->mesh < 0) {
            continue;
        }
        appendOrgan(text, scene, placed, counters);
        if (text.size() >= ChunkSize) {
            out.write(text);
            text.clear();
        }
    }
    out.write(text);
}

std::string mtlText(const MeshScene& scene, const std::vector<std::string>& textureFileNames) {
    std::string text = "# Burgeon materials\n";
    for (const MeshMaterial& material : scene.materials) {
        const std::string colour = colourText(material.color);
        text += "\nnewmtl ";
        text += objMaterialName(material);
        text += '\n';
        // The pipeline's material is ambient and diffuse in one.
        text += "Ka ";
        text += colour;
        text += "\nKd ";
        text += colour;
        text += '\n';
        text += material.shiny ? "Ks 0.7 0.7 0.7\nNs 128\n" : "Ks 0 0 0\nNs 0\n";
        char alpha[32];
        std::snprintf(alpha, sizeof alpha, "d %.6g\n", double{material.alpha});
        text += alpha;
        text += "illum 2\n";
        const auto texture = static_cast<std::size_t>(material.texture);
        if (material.texture >= 0 && texture < textureFileNames.size()) {
            text += "map_Kd " + textureFileNames[texture] + '\n';
        }
    }
    return text;
}

} // namespace burgeon
