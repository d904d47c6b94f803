#include "mesh/MeshExport.h"

#include "base/OutputFiles.h"
#include "base/StandardError.h"
#include "imageio/PngWriter.h"
#include "mesh/GltfWriter.h"
#include "mesh/ObjWriter.h"
#include "mesh/PlyWriter.h"

#include <algorithm>
#include <cctype>

namespace burgeon {

namespace {

// A file name split into its folder (with the separator), its stem and its extension.
struct NameParts {
    std::string folder;
    std::string stem;
    std::string extension;
};

NameParts partsOf(const std::string& fileName) {
    const auto slash = fileName.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = fileName.find_last_of('.');
    NameParts parts;
    parts.folder = fileName.substr(0, nameStart);
    if (dot == std::string::npos || dot < nameStart) {
        parts.stem = fileName.substr(nameStart);
    } else {
        parts.stem = fileName.substr(nameStart, dot - nameStart);
        parts.extension = fileName.substr(dot);
    }
    return parts;
}

// The names, relative to the model's folder, of the files kept beside it.
std::vector<std::string> textureFileNames(const NameParts& parts, const MeshScene& scene) {
    std::vector<std::string> names;
    for (const MeshTexture& texture : scene.textures) {
        names.push_back(parts.stem + "-" + texture.name + ".png");
    }
    return names;
}

bool hasBufferData(const MeshScene& scene) {
    const bool anyTriangles = std::any_of(scene.meshes.begin(), scene.meshes.end(), [](auto& m) {
        return std::any_of(m.primitives.begin(), m.primitives.end(),
                           [](auto& p) { return !p.indices.empty(); });
    });
    return anyTriangles || (scene.animation && !scene.animation->keyTimes.empty());
}

void addTextures(OutputFileSet& files, const NameParts& parts, const MeshScene& scene,
                 const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        files.add(parts.folder + names[i], encodePng(scene.textures[i].image));
    }
}

} // namespace

std::vector<std::string> meshFileNames(const std::string& fileName, const MeshScene& scene) {
    const MeshFormat format = requireMeshFormat(fileName);
    const NameParts parts = partsOf(fileName);
    std::vector<std::string> names{fileName};
    if (format == MeshFormat::Gltf && hasBufferData(scene)) {
        names.push_back(parts.folder + parts.stem + ".bin");
    }
    if (format == MeshFormat::Obj) {
        names.push_back(parts.folder + parts.stem + ".mtl");
    }
    if (format == MeshFormat::Gltf || format == MeshFormat::Obj) {
        for (const std::string& texture : textureFileNames(parts, scene)) {
            names.push_back(parts.folder + texture);
        }
    }
    return names;
}

void writeMeshFile(const std::string& fileName, const MeshScene& scene) {
    const MeshFormat format = requireMeshFormat(fileName);
    const NameParts parts = partsOf(fileName);
    const std::vector<std::string> textures = textureFileNames(parts, scene);
    OutputFileSet files;
    switch (format) {
    case MeshFormat::Glb:
        GltfEncoding(scene, {}).writeGlb(files.add(fileName), fileName);
        break;
    case MeshFormat::Gltf: {
        const std::string bufferName = parts.stem + ".bin";
        std::vector<std::string> textureUris;
        textureUris.reserve(textures.size());
        for (const std::string& texture : textures) {
            textureUris.push_back(uriOfFileName(texture));
        }
        const GltfEncoding gltf(scene, std::move(textureUris));
        gltf.writeGltfJson(files.add(fileName), uriOfFileName(bufferName));
        if (gltf.bufferBytes() > 0) {
            gltf.writeBuffer(files.add(parts.folder + bufferName));
        }
        addTextures(files, parts, scene, textures);
        break;
    }
    case MeshFormat::Obj: {
        const std::string materialName = parts.stem + ".mtl";
        writeObj(scene, materialName, files.add(fileName));
        files.add(parts.folder + materialName, mtlText(scene, textures));
        addTextures(files, parts, scene, textures);
        break;
    }
    case MeshFormat::Ply:
        writePly(scene, files.add(fileName));
        break;
    }
    files.commit();
}

} // namespace burgeon
