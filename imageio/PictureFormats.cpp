#include "imageio/PictureFormats.h"

#include "base/FileIo.h"
#include "base/StandardError.h"
#include "imageio/BmpWriter.h"
#include "imageio/JpegWriter.h"
#include "imageio/PngWriter.h"

#include <array>
#include <optional>
#include <vector>

namespace burgeon {

namespace {

constexpr std::array<PictureFormatInfo, 4> Formats{{
    {"png", "PNG", true},
    {"bmp", "BMP", true},
    {"jpg", "JPEG", true},
    {"jpeg", "JPEG", false},
}};

// The quality "Jpeg Compression (%)" starts with.
constexpr int StartUpJpegQuality = 80;

const PictureFormatInfo* formatOf(const std::string& fileName) {
    const std::string extension = fileExtension(fileName);
    for (const PictureFormatInfo& format : Formats) {
        if (extension == format.extension) {
            return &format;
        }
    }
    return nullptr;
}

} // namespace

std::span<const PictureFormatInfo> pictureFormats() {
    return Formats;
}

bool isPictureFileName(const std::string& fileName) {
    return formatOf(fileName) != nullptr;
}

std::string pictureExtensionList() {
    std::vector<std::string> listed;
    for (const PictureFormatInfo& format : Formats) {
        if (format.listed) {
            listed.push_back("." + std::string(format.extension));
        }
    }
    std::string text;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        text += (i == 0 ? "" : (i + 1 == listed.size() ? " or " : ", ")) + listed[i];
    }
    return text;
}

std::string encodePicture(const std::string& fileName, const RgbImage& image) {
    const PictureFormatInfo* format = formatOf(fileName);
    if (format == nullptr) {
        throw StandardError::cannotCreateFile(fileName);
    }
    if (format->name == "PNG") {
        return encodePng(image);
    }
    if (format->name == "JPEG") {
        const std::optional<std::string> bytes = encodeJpeg(image, StartUpJpegQuality);
        if (!bytes) {
            throw StandardError::cannotCreateFile(fileName);
        }
        return *bytes;
    }
    return encodeBmp(image);
}

} // namespace burgeon
