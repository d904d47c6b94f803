#include "imageio/BmpWriter.h"

#include "base/OutputFiles.h"

#include <cstdint>

namespace burgeon {

namespace {

void putLittleEndian(std::string& out, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

} // namespace

std::uint64_t bmpFileSize(int width, int height) {
    const std::uint64_t rowSize = (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
    return 14 + 40 + rowSize * static_cast<std::uint64_t>(height);
}

std::string encodeBmp(const RgbImage& image) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t rowSize = (width * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowSize * height;
    constexpr std::uint32_t headerSize = 14 + 40;

    std::string out;
    out.reserve(headerSize + pixelBytes);
    out += "BM";
    putLittleEndian(out, headerSize + pixelBytes, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, headerSize, 4);
    putLittleEndian(out, 40, 4);
    putLittleEndian(out, width, 4);
    putLittleEndian(out, height, 4);
    putLittleEndian(out, 1, 2);  // planes
    putLittleEndian(out, 24, 2); // bits a pixel
    putLittleEndian(out, 0, 4);  // no compression
    putLittleEndian(out, pixelBytes, 4);
    putLittleEndian(out, 2835, 4); // 72 dots an inch
    putLittleEndian(out, 2835, 4);
    putLittleEndian(out, 0, 4);
    putLittleEndian(out, 0, 4);

    const auto& bytes = image.bytes();
    for (std::uint32_t row = height; row-- > 0;) {
        const std::size_t start = static_cast<std::size_t>(row) * width * 3;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::size_t at = start + x * 3;
            out += static_cast<char>(bytes[at + 2]);
            out += static_cast<char>(bytes[at + 1]);
            out += static_cast<char>(bytes[at]);
        }
        out.append(rowSize - width * 3, '\0');
    }
    return out;
}

void writeBmpFile(const std::string& fileName, const RgbImage& image) {
    writeFileAtomically(fileName, encodeBmp(image));
}

} // namespace burgeon
