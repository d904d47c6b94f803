#include "imageio/JpegWriter.h"

#include "base/StandardError.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <jpeglib.h>

using namespace burgeon;

namespace {

struct DecodedJpeg {
    int width = 0, height = 0, components = 0;
    J_COLOR_SPACE colorSpace = JCS_UNKNOWN;
    bool progressive = false;
    std::vector<unsigned char> rgb;
};

DecodedJpeg decodeJpeg(const std::string& bytes) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    DecodedJpeg decoded{static_cast<int>(info.output_width),
                        static_cast<int>(info.output_height),
                        info.output_components,
                        info.jpeg_color_space,
                        info.progressive_mode != 0,
                        {}};
    decoded.rgb.resize(info.output_width * info.output_height * 3);
    while (info.output_scanline < info.output_height) {
        unsigned char* row = decoded.rgb.data() + info.output_scanline * info.output_width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return decoded;
}

RgbImage sample() {
    RgbImage image(41, 27, {0, 0, 0});
    for (int y = 0; y < 27; ++y) {
        for (int x = 20; x < 41; ++x) {
            image.setPixel(x, y, {(x * 13) & 255, (y * 29) & 255, 90});
        }
    }
    return image;
}

} // namespace

TEST(JpegWriter, WritesABaselineColourJpegAtTheGivenQuality) {
    const auto bytes = encodeJpeg(sample(), 80);
    ASSERT_TRUE(bytes.has_value());
    const DecodedJpeg decoded = decodeJpeg(*bytes);
    EXPECT_EQ(decoded.width, 41);
    EXPECT_EQ(decoded.height, 27);
    EXPECT_EQ(decoded.components, 3);
    EXPECT_EQ(decoded.colorSpace, JCS_YCbCr); // colour, not greyscale
    EXPECT_FALSE(decoded.progressive);
    EXPECT_LE(decoded.rgb[(10 * 41 + 5) * 3 + 1], 8); // the black half stays black

    const auto best = encodeJpeg(sample(), 100);
    const auto poor = encodeJpeg(sample(), 10);
    const auto lowest = encodeJpeg(sample(), 0);
    ASSERT_TRUE(best && poor && lowest);
    EXPECT_GT(best->size(), poor->size());
    EXPECT_EQ(decodeJpeg(*lowest).width, 41);
}

TEST(JpegWriter, FailsCleanlyWithoutLeavingAPartialFile) {
    EXPECT_FALSE(encodeJpeg(RgbImage(), 80).has_value());
    const burgeon::testing::TempFolder temp;
    const std::filesystem::path folder = temp.path();
    EXPECT_THROW(writeJpegFile((folder / "Picture1.jpg").string(), RgbImage(), 80), StandardError);
    const std::string missing = (folder / "missing" / "Picture1.jpg").string();
    try {
        writeJpegFile(missing, sample(), 80);
        FAIL() << "no error for a missing folder";
    } catch (const StandardError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + missing + " (no such folder)");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}
