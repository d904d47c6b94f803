#include "imageio/BmpReader.h"

namespace burgeon {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::size_t PixelOffset = FileHeaderSize + InfoHeaderSize;

std::uint32_t readLittleEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

} // namespace

std::optional<BitmapPixels> decodeBitmap(const std::string& bytes) {
    if (bytes.size() < PixelOffset || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const std::uint64_t dataOffset = readLittleEndian(bytes, 10, 4);
    const std::uint64_t infoSize = readLittleEndian(bytes, 14, 4);
    const auto width = static_cast<std::int32_t>(readLittleEndian(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(readLittleEndian(bytes, 22, 4));
    const std::uint32_t bitCount = readLittleEndian(bytes, 28, 2);
    const std::uint32_t compression = readLittleEndian(bytes, 30, 4);
    // An older, shorter information header puts other fields where width and height are read.
    if (infoSize < InfoHeaderSize || compression != 0 || bitCount != 24 || width <= 0 ||
        height == 0) {
        return std::nullopt;
    }
    // The rows start where the file header says: right after the two headers as a rule, later
    // behind a longer information header. An offset into the headers or past the end lies.
    if (dataOffset < FileHeaderSize + infoSize || dataOffset > bytes.size()) {
        return std::nullopt;
    }
    // Every row must be in the file before anything is allocated for them.
    const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    const std::uint64_t rowSize = (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
    if (rowSize * rows > bytes.size() - dataOffset) {
        return std::nullopt;
    }
    // A positive height stores the bottom row first, a negative one the top row first.
    const bool bottomUp = height > 0;

    BitmapPixels pixels;
    pixels.width = width;
    pixels.height = static_cast<int>(rows);
    pixels.rgba.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows) * 4);
    for (std::uint64_t fileRow = 0; fileRow < rows; ++fileRow) {
        const auto source = static_cast<std::size_t>(dataOffset + fileRow * rowSize);
        const std::uint64_t pictureRow = bottomUp ? rows - 1 - fileRow : fileRow;
        std::size_t target =
            static_cast<std::size_t>(pictureRow) * static_cast<std::size_t>(width) * 4;
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
    const FileContent content = readRegularFile(fileName, BitmapFileLimit.bytes);
    if (content.status != FileReadStatus::Read) {
        return std::nullopt; // missing, a folder or device, too large, or failing to read
    }
    return decodeBitmap(content.bytes);
}

} // namespace burgeon
