#include "imageio/BmpReader.h"

#include <fstream>
#include <iterator>

namespace burgeon {

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t infoHeaderSize = 40;
constexpr std::size_t pixelOffset = fileHeaderSize + infoHeaderSize;

std::uint32_t readLittleEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

} // namespace

std::optional<BitmapPixels> decodeBitmap(const std::string& bytes) {
    if (bytes.size() < pixelOffset || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(readLittleEndian(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(readLittleEndian(bytes, 22, 4));
    const std::uint32_t bitCount = readLittleEndian(bytes, 28, 2);
    const std::uint32_t compression = readLittleEndian(bytes, 30, 4);
    if (compression != 0 || bitCount != 24 || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    // The rows follow the two headers; every row must be in the file before anything is
    // allocated for them.
    const std::uint64_t rowSize = (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
    const std::uint64_t available = bytes.size() - pixelOffset;
    if (rowSize * static_cast<std::uint64_t>(height) > available) {
        return std::nullopt;
    }

    BitmapPixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.rgba.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (std::int32_t fileRow = 0; fileRow < height; ++fileRow) {
        // The first row of the file is the bottom row of the picture.
        const std::size_t source = pixelOffset + static_cast<std::size_t>(fileRow) * rowSize;
        std::size_t target =
            static_cast<std::size_t>(height - 1 - fileRow) * static_cast<std::size_t>(width) * 4;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t at = source + static_cast<std::size_t>(x) * 3;
            pixels.rgba[target++] = static_cast<std::uint8_t>(bytes[at + 2]);
            pixels.rgba[target++] = static_cast<std::uint8_t>(bytes[at + 1]);
            pixels.rgba[target++] = static_cast<std::uint8_t>(bytes[at]);
            pixels.rgba[target++] = 0;
        }
    }
    return pixels;
}

std::optional<BitmapPixels> readBitmapFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    return decodeBitmap(bytes);
}

} // namespace burgeon
