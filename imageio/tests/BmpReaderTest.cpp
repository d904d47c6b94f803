#include "imageio/BmpReader.h"
#include "imageio/BmpWriter.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

using namespace burgeon;

namespace {

// A picture whose every pixel tells where it is: red = x, green = y, blue = x + 10 * y.
RgbImage patternImage(int width, int height) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, {x % 256, y % 256, (x + 10 * y) % 256});
        }
    }
    return image;
}

void putField(std::string& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

void expectPixelsOf(const RgbImage& image, const BitmapPixels& pixels) {
    ASSERT_EQ(pixels.width, image.width());
    ASSERT_EQ(pixels.height, image.height());
    ASSERT_EQ(pixels.rgba.size(), static_cast<std::size_t>(image.width() * image.height() * 4));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto at = static_cast<std::size_t>((y * image.width() + x) * 4);
            const RgbColor expected = image.pixel(x, y);
            ASSERT_EQ(pixels.rgba[at], expected.red) << x << "," << y;
            ASSERT_EQ(pixels.rgba[at + 1], expected.green) << x << "," << y;
            ASSERT_EQ(pixels.rgba[at + 2], expected.blue) << x << "," << y;
            ASSERT_EQ(pixels.rgba[at + 3], 0) << x << "," << y;
        }
    }
}

} // namespace

TEST(BmpReader, ReadsPaddedRowsTopRowFirstAsRgbZero) {
    // Widths 1, 2, 3 and 5 leave 1, 2, 3 and 1 padding bytes at the end of every row.
    for (const int width : {1, 2, 3, 4, 5, 7}) {
        const RgbImage image = patternImage(width, 3);
        const auto pixels = decodeBitmap(encodeBmp(image));
        ASSERT_TRUE(pixels) << width;
        expectPixelsOf(image, *pixels);
    }
}

TEST(BmpReader, AcceptsTopDownRowsWideRowsAndALongerInformationHeader) {
    const RgbImage image = patternImage(5, 4);
    const std::string bottomUp = encodeBmp(image);

    // A negative height stores the top row first.
    std::string topDown = bottomUp.substr(0, 54);
    putField(topDown, 22, static_cast<std::uint32_t>(-4), 4);
    const std::size_t rowSize = 16;
    for (int row = 3; row >= 0; --row) {
        topDown += bottomUp.substr(54 + static_cast<std::size_t>(row) * rowSize, rowSize);
    }
    const auto topDownPixels = decodeBitmap(topDown);
    ASSERT_TRUE(topDownPixels);
    expectPixelsOf(image, *topDownPixels);

    // A 124-byte information header moves the rows; the file header's offset finds them.
    std::string longHeader =
        bottomUp.substr(0, 54) + std::string(124 - 40, '\x55') + bottomUp.substr(54);
    putField(longHeader, 10, 14 + 124, 4);
    putField(longHeader, 14, 124, 4);
    const auto longHeaderPixels = decodeBitmap(longHeader);
    ASSERT_TRUE(longHeaderPixels);
    expectPixelsOf(image, *longHeaderPixels);

    // Rows longer than 8192 bytes are fine as long as they are in the file.
    const RgbImage wide = patternImage(3000, 2);
    const auto widePixels = decodeBitmap(encodeBmp(wide));
    ASSERT_TRUE(widePixels);
    expectPixelsOf(wide, *widePixels);
}

TEST(BmpReader, RejectsOtherFormatsAndCompression) {
    const std::string good = encodeBmp(patternImage(4, 4));
    ASSERT_TRUE(decodeBitmap(good));

    std::string notBm = good;
    notBm[0] = 'P';
    EXPECT_FALSE(decodeBitmap(notBm));

    // An 8-bit file with its 256-colour palette in front of the pixels.
    std::string eightBit = good.substr(0, 54) + std::string(1024, '\0') + std::string(16, '\1');
    putField(eightBit, 10, 54 + 1024, 4);
    putField(eightBit, 28, 8, 2);
    EXPECT_FALSE(decodeBitmap(eightBit));

    for (const std::uint32_t bits : {1u, 2u, 4u, 16u, 32u, 0u}) {
        std::string other = good;
        putField(other, 28, bits, 2);
        EXPECT_FALSE(decodeBitmap(other)) << bits;
    }
    for (const std::uint32_t compression : {1u, 2u, 3u}) { // RLE8, RLE4, bit fields
        std::string compressed = good;
        putField(compressed, 30, compression, 4);
        EXPECT_FALSE(decodeBitmap(compressed)) << compression;
    }
    // The 12-byte header of old files keeps 16-bit sizes where width and height would be read.
    std::string coreHeader = good;
    putField(coreHeader, 14, 12, 4);
    EXPECT_FALSE(decodeBitmap(coreHeader));
}

TEST(BmpReader, RejectsTruncatedAndLyingHeadersWithoutReadingPastTheFile) {
    const std::string good = encodeBmp(patternImage(5, 3));
    EXPECT_FALSE(decodeBitmap(""));
    EXPECT_FALSE(decodeBitmap("BM"));
    EXPECT_FALSE(decodeBitmap(good.substr(0, 53)));
    EXPECT_FALSE(decodeBitmap(good.substr(0, good.size() - 1))); // the last row cut short

    const auto withField = [&](std::size_t at, std::uint32_t value) {
        std::string bytes = good;
        putField(bytes, at, value, 4);
        return bytes;
    };
    EXPECT_FALSE(decodeBitmap(withField(18, 0)));           // no width
    EXPECT_FALSE(decodeBitmap(withField(22, 0)));           // no height
    EXPECT_FALSE(decodeBitmap(withField(18, 0xffffffffu))); // width -1
    EXPECT_FALSE(decodeBitmap(withField(18, 0x7fffffffu)));
    EXPECT_FALSE(decodeBitmap(withField(22, 0x7fffffffu)));
    EXPECT_FALSE(decodeBitmap(withField(22, 0x80000000u))); // the most negative height
    EXPECT_FALSE(decodeBitmap(withField(18, 0x55555556u))); // width x 3 wraps 32 bits
    EXPECT_FALSE(decodeBitmap(withField(10, static_cast<std::uint32_t>(good.size()) + 1)));
    EXPECT_FALSE(decodeBitmap(withField(10, 0xffffffffu)));
    EXPECT_FALSE(decodeBitmap(withField(10, 20))); // rows inside the headers
    EXPECT_FALSE(decodeBitmap(withField(10, 58))); // the last row would run past the end
    EXPECT_FALSE(decodeBitmap(withField(14, 0xffffffffu)));
}

TEST(BmpReader, ReadsFilesAndReturnsNothingForAMissingOne) {
    const burgeon::testing::TempFolder temp;
    const std::filesystem::path folder = temp.path();
    const RgbImage image = patternImage(6, 2);
    const std::string fileName = (folder / "pattern.bmp").string();
    writeBmpFile(fileName, image);
    const auto pixels = readBitmapFile(fileName);
    ASSERT_TRUE(pixels);
    expectPixelsOf(image, *pixels);
    EXPECT_FALSE(readBitmapFile((folder / "missing.bmp").string()));
    EXPECT_FALSE(readBitmapFile(folder.string())); // a folder is no bitmap
    EXPECT_FALSE(readBitmapFile("/dev/zero"));     // nor an endless device
    // A file past the limit is not read at all, however good its headers.
    std::filesystem::resize_file(fileName, BitmapFileLimit.bytes + 1);
    EXPECT_FALSE(readBitmapFile(fileName));
}

TEST(BmpReader, SurvivesMutatedHeaders) {
    // Random header bytes over a small valid file: whatever comes back must fit its sizes.
    // Run under the sanitizers this also shows that nothing reads past the file.
    const std::string good = encodeBmp(patternImage(7, 5));
    std::uint32_t state = 2024;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int round = 0; round < 5000; ++round) {
        std::string bytes = good.substr(0, good.size() - next() % 3);
        for (int change = 0; change < 3; ++change) {
            bytes[next() % 54] = static_cast<char>(next() & 0xff);
        }
        if (const auto pixels = decodeBitmap(bytes)) {
            ASSERT_GT(pixels->width, 0);
            ASSERT_GT(pixels->height, 0);
            ASSERT_EQ(pixels->rgba.size(),
                      static_cast<std::size_t>(pixels->width) * pixels->height * 4);
            ASSERT_LE(pixels->rgba.size(), bytes.size() * 2);
        }
    }
}
