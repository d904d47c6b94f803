#include "mesh/MeshFormats.h"

#include "base/StandardError.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace burgeon {

namespace {

constexpr std::array<MeshFormatInfo, 4> Formats{{
    {MeshFormat::Glb, "glb", "glTF binary", "one file with the textures inside", true},
    {MeshFormat::Gltf, "gltf", "glTF with its files beside it",
     "with its .bin and pictures beside it", true},
    {MeshFormat::Obj, "obj", "Wavefront OBJ", "with its .mtl and pictures", false},
    {MeshFormat::Ply, "ply", "Stanford PLY", "one file, colours per vertex", false},
}};

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "a, b, c or d".
std::string spokenList(const std::vector<std::string>& items, const std::string& last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? last : ", ";
        }
        text += items[i];
    }
    return text;
}

} // namespace

std::span<const MeshFormatInfo> meshFormats() {
    return Formats;
}

std::optional<MeshFormat> meshFormatOf(const std::string& fileName) {
    const auto slash = fileName.find_last_of('/');
    const auto dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return std::nullopt;
    }
    const std::string extension = lowerCase(fileName.substr(dot + 1));
    for (const MeshFormatInfo& info : Formats) {
        if (extension == info.extension) {
            return info.format;
        }
    }
    return std::nullopt;
}

const MeshFormatInfo& meshFormatInfo(MeshFormat format) {
    return Formats[static_cast<std::size_t>(format)];
}

MeshFormat requireMeshFormat(const std::string& fileName) {
    const auto format = meshFormatOf(fileName);
    if (!format) {
        throw StandardError("Cannot write " + fileName + ": a mesh file name ends in " +
                            meshExtensionList());
    }
    return *format;
}

std::string meshExtensionList(bool animatingOnly) {
    std::vector<std::string> extensions;
    for (const MeshFormatInfo& info : Formats) {
        if (info.animates || !animatingOnly) {
            extensions.push_back("." + std::string(info.extension));
        }
    }
    return spokenList(extensions, " or ");
}

std::string meshExtensionChoice() {
    std::string text;
    for (const MeshFormatInfo& info : Formats) {
        text += (text.empty() ? "." : "|.") + std::string(info.extension);
    }
    return text;
}

std::string stillOnlyFormatNames() {
    std::vector<std::string> names;
    for (const MeshFormatInfo& info : Formats) {
        if (!info.animates) {
            names.push_back(std::string(info.extension));
            std::transform(names.back().begin(), names.back().end(), names.back().begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        }
    }
    return spokenList(names, " and ");
}

std::string meshFormatDescriptions() {
    std::vector<std::string> items;
    items.reserve(Formats.size());
    for (const MeshFormatInfo& info : Formats) {
        items.push_back("." + std::string(info.extension) + " (" + std::string(info.holds) + ")");
    }
    return spokenList(items, " or ");
}

std::string meshFileFilter() {
    std::string filter;
    for (const MeshFormatInfo& info : Formats) {
        const std::string pattern = "*." + std::string(info.extension);
        filter += filter.empty() ? "" : "|";
        filter.append(info.name).append(" (").append(pattern).append(")|").append(pattern);
    }
    return filter;
}

} // namespace burgeon
