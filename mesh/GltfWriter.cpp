#include "mesh/GltfWriter.h"

#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "base/StandardError.h"
#include "mesh/GltfAnimationJson.h"
#include "mesh/GltfModelBuilder.h"
#include "mesh/GrowthKeyframes.h"

#include <algorithm>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace burgeon {

namespace {

// Counts what passes into a sink, to hold the streamed bytes to what the model says of them.
class CountingSink : public ByteSink {
public:
    explicit CountingSink(ByteSink& out) : out_(out) {}
    void write(std::string_view bytes) override {
        count += bytes.size();
        out_.write(bytes);
    }
    std::uint64_t count = 0;

private:
    ByteSink& out_;
};

// The model's JSON as the library writes it, without its buffers (it would write their bytes
// into it).
std::string libraryJson(tinygltf::Model& model, bool pretty) {
    std::vector<tinygltf::Buffer> buffers = std::exchange(model.buffers, {});
    tinygltf::TinyGLTF gltf;
    // Pictures are PNG bytes already (in the buffer or beside the file): no image writer.
    gltf.SetImageWriter(nullptr, nullptr);
    std::ostringstream out;
    const bool written = gltf.WriteGltfSceneToStream(&model, out, pretty, false);
    model.buffers = std::move(buffers);
    if (!written) {
        throw std::runtime_error("the glTF model could not be serialised");
    }
    std::string json = std::move(out).str();
    // The library ends the text with a line break; the pieces end where the object does.
    while (!json.empty() && json.back() == '\n') {
        json.pop_back();
    }
    return json;
}

// The member that names the one buffer by its length and, for a .gltf, the URI of its file,
// laid out as the library lays out its members, compact or indented by two.
std::string buffersMember(std::uint64_t bufferBytes, const std::string& bufferUri, bool pretty) {
    if (bufferBytes == 0) {
        return {};
    }
    const std::string line = pretty ? "\n" : "";
    const auto indent = [pretty](std::size_t levels) {
        return std::string(pretty ? 2 * levels : 0, ' ');
    };
    const std::string colon = pretty ? ": " : ":";
    std::string member = "," + line + indent(1) + "\"buffers\"" + colon + "[" + line + indent(2) +
                         "{" + line + indent(3) + "\"byteLength\"" + colon +
                         std::to_string(bufferBytes);
    if (!bufferUri.empty()) {
        member += "," + line + indent(3) + "\"uri\"" + colon + "\"" + bufferUri + "\"";
    }
    return member + line + indent(2) + "}" + line + indent(1) + "]";
}

std::uint64_t totalSize(const std::vector<std::string_view>& pieces) {
    std::uint64_t size = 0;
    for (const std::string_view piece : pieces) {
        size += piece.size();
    }
    return size;
}

// In pieces of at most a megabyte, so that the sink never holds a copy of a long text.
void writePieces(ByteSink& out, const std::vector<std::string_view>& pieces) {
    constexpr std::size_t pieceSize = 1 << 20;
    for (std::string_view piece : pieces) {
        while (!piece.empty()) {
            out.write(piece.substr(0, pieceSize));
            piece.remove_prefix(std::min(piece.size(), pieceSize));
        }
    }
}

void putLittleEndian(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

GltfEncoding::GltfEncoding(const MeshScene& scene, std::vector<std::string> textureUris)
    : scene_(scene) {
    GltfModelBuilder builder(scene, std::move(textureUris));
    model_ = std::make_unique<tinygltf::Model>(builder.build());
    if (builder.animationLayout()) {
        animation_ = std::make_unique<AnimationLayout>(*builder.animationLayout());
        streamedBytes_ = animation_->outputBytes;
    }
}

GltfEncoding::~GltfEncoding() = default;

template <typename UsePieces>
void GltfEncoding::withJson(const std::string& bufferUri, bool pretty, UsePieces&& use) const {
    const std::string model = libraryJson(*model_, pretty);
    const std::string members = buffersMember(bufferBytes(), bufferUri, pretty);
    if (animation_) {
        const AnimationJson animation = animationJson(*scene_.animation, *animation_, pretty);
        use(jsonPieces(model, &animation, members));
    } else {
        use(jsonPieces(model, nullptr, members));
    }
}

std::uint64_t GltfEncoding::bufferBytes() const {
    return model_->buffers.empty() ? 0 : model_->buffers[0].data.size() + streamedBytes_;
}

void GltfEncoding::writeGltfJson(ByteSink& out, const std::string& bufferUri) const {
    withJson(bufferUri, true, [&out](const std::vector<std::string_view>& pieces) {
        writePieces(out, pieces);
        out.write("\n");
    });
}

void GltfEncoding::writeBuffer(ByteSink& out) const {
    if (model_->buffers.empty()) {
        return;
    }
    const auto& data = model_->buffers[0].data;
    out.write(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
    if (streamedBytes_ > 0) {
        CountingSink counted(out);
        scene_.animation->keyframes->writeChannels(counted);
        if (counted.count != streamedBytes_) {
            throw std::logic_error("the keyframes written differ from the model's account");
        }
    }
}

// A header, the JSON chunk padded with blanks and the binary chunk padded with zeros, each
// chunk's length a multiple of four.
void GltfEncoding::writeGlb(ByteSink& out, const std::string& fileName) const {
    const std::uint64_t buffer = bufferBytes();
    const std::uint64_t bufferPadding = (4 - buffer % 4) % 4;
    withJson("", false, [&](const std::vector<std::string_view>& pieces) {
        const std::uint64_t json = totalSize(pieces);
        const std::uint64_t jsonPadding = (4 - json % 4) % 4;
        const std::uint64_t total =
            12 + 8 + json + jsonPadding + (buffer > 0 ? 8 + buffer + bufferPadding : 0);
        if (total > std::numeric_limits<std::uint32_t>::max()) {
            throw StandardError("Cannot write " + fileName + ": it would take " +
                                formatByteSize(total) +
                                ", more than the 4 GB a .glb file holds (a .gltf holds more)");
        }
        std::string head = "glTF";
        putLittleEndian(head, 2);
        putLittleEndian(head, static_cast<std::uint32_t>(total));
        putLittleEndian(head, static_cast<std::uint32_t>(json + jsonPadding));
        head += "JSON";
        out.write(head);
        writePieces(out, pieces);
        out.write(std::string(jsonPadding, ' '));
    });
    if (buffer > 0) {
        std::string chunk;
        putLittleEndian(chunk, static_cast<std::uint32_t>(buffer + bufferPadding));
        chunk += std::string("BIN\0", 4);
        out.write(chunk);
        writeBuffer(out);
        out.write(std::string(bufferPadding, '\0'));
    }
}

std::string encodeGlb(const MeshScene& scene) {
    StringSink out;
    GltfEncoding(scene, {}).writeGlb(out, "the model");
    return std::move(out.text);
}

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

} // namespace burgeon
