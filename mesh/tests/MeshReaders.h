#pragma once

#include "TestPlant.h"

#include <tiny_gltf.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace burgeon::testing {

// One organ as a written file shows it: where its vertices end up in the scene, how many
// vertices and triangles it has and whether a pass carries texture coordinates.
struct ReadOrgan {
    std::string name;
    Box box;
    std::size_t vertices = 0;
    std::size_t triangles = 0;
    bool textured = false;
    std::vector<std::array<float, 2>> texCoords; // of its textured vertices
};

// Loads a .glb or .gltf with tinygltf (failing the test on any error or warning).
tinygltf::Model loadGltf(const std::filesystem::path& file);
// The organ nodes of the default scene (every node with a mesh), placed by their parents.
std::vector<ReadOrgan> gltfOrgans(const tinygltf::Model& model);
// A node's 4 x 4 matrix from its translation, rotation and scale (or its matrix).
Matrix4 gltfNodeMatrix(const tinygltf::Node& node);
// An accessor's values as floats (any component type), row after row.
std::vector<float> accessorFloats(const tinygltf::Model& model, int index);

// A small Wavefront OBJ reader: objects ("o"), vertices, texture coordinates and triangles.
std::vector<ReadOrgan> objOrgans(const std::filesystem::path& file);

// A small reader of the binary PLY files the exporter writes (header parsed, so its
// elements and properties are checked too).
struct PlyFile {
    std::map<std::string, std::size_t> counts; // elements
    std::vector<std::string> comments;
    std::vector<ReadOrgan> organs;
    std::vector<std::array<std::uint8_t, 4>> colours; // per vertex
};
PlyFile readPly(const std::filesystem::path& file);

std::string fileText(const std::filesystem::path& file);

} // namespace burgeon::testing
