#include "mesh/GltfWriter.h"

#include "imageio/PngWriter.h"
#include "mesh/GltfModelBuilder.h"

#include <sstream>
#include <stdexcept>

namespace burgeon {

namespace {

std::string serialised(const tinygltf::Model& model, bool binary) {
    tinygltf::TinyGLTF gltf;
    // Pictures are PNG bytes already (in the buffer or beside the file): no image writer.
    gltf.SetImageWriter(nullptr, nullptr);
    std::ostringstream out;
    if (!gltf.WriteGltfSceneToStream(&model, out, !binary, binary)) {
        throw std::runtime_error("the glTF model could not be serialised");
    }
    return out.str();
}

// The stream writer embeds the buffer as a data URI; a .gltf keeps it as a file beside it,
// so that URI (the only one with this media type) gives way to the file's name.
std::string withBufferFile(std::string json, const std::string& bufferUri) {
    const std::string prefix = "\"data:application/octet-stream;base64,";
    const auto start = json.find(prefix);
    if (start == std::string::npos) {
        return json;
    }
    const auto end = json.find('"', start + prefix.size());
    json.replace(start, end + 1 - start, "\"" + bufferUri + "\"");
    return json;
}

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

std::string uriOfFileName(const std::string& fileName) {
    static const char hex[] = "0123456789ABCDEF";
    std::string uri;
    for (const char c : fileName) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte)) {
            uri += c;
        } else {
            uri += '%';
            uri += hex[byte >> 4];
            uri += hex[byte & 15];
        }
    }
    return uri;
}

std::string encodeGlb(const MeshScene& scene) {
    return serialised(GltfModelBuilder(scene, {}).build(), true);
}

GltfTextFiles encodeGltfText(const MeshScene& scene, const std::string& bufferFileName,
                             const std::vector<std::string>& textureFileNames) {
    std::vector<std::string> textureUris;
    textureUris.reserve(textureFileNames.size());
    for (const std::string& name : textureFileNames) {
        textureUris.push_back(uriOfFileName(name));
    }
    tinygltf::Model model = GltfModelBuilder(scene, textureUris).build();
    GltfTextFiles files;
    if (!model.buffers.empty()) {
        files.buffer.assign(model.buffers[0].data.begin(), model.buffers[0].data.end());
    }
    files.json = withBufferFile(serialised(model, false), uriOfFileName(bufferFileName));
    for (const MeshTexture& texture : scene.textures) {
        files.texturePngs.push_back(encodePng(texture.image));
    }
    return files;
}

} // namespace burgeon
