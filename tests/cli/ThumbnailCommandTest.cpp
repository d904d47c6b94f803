#include "testing/FolderTest.h"
#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using burgeon::testing::runBurgeon;
using burgeon::testing::soybeanSession;

namespace {

class ThumbnailCommandTest : public burgeon::testing::FolderTest {};

// The width and height a PNG file's header states; nothing for a file that is no PNG.
std::pair<std::uint32_t, std::uint32_t> pngSize(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        return {0, 0};
    }
    const auto word = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = at; i < at + 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[i]);
        }
        return value;
    };
    return {word(16), word(20)};
}

} // namespace

// What the picture shows is checked against baselines (tests/image, thumbnail-*).
TEST_F(ThumbnailCommandTest, WritesASquarePngOfTheSizeAsked) {
    const auto result =
        runBurgeon({"thumbnail", soybeanSession(), path("thumb.png"), "--size", "77"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(pngSize(path("thumb.png")), std::make_pair(77u, 77u));
    // A session at the start of its clock shows its plant grown.
    EXPECT_EQ(result.out, path("thumb.png") + ": 77 x 77 at time 160\n");

    // File managers may name the picture without an extension; it is a PNG all the same.
    ASSERT_EQ(runBurgeon({"thumbnail", soybeanSession(), path("thumb"), "--time", "40"}).status, 0);
    EXPECT_EQ(pngSize(path("thumb")), std::make_pair(256u, 256u));
}

TEST_F(ThumbnailCommandTest, RefusesWhatItCannotDrawAndWritesNothing) {
    const auto jpeg = runBurgeon({"thumbnail", soybeanSession(), path("thumb.jpg")});
    EXPECT_EQ(jpeg.status, 2);
    EXPECT_NE(jpeg.err.find("burgeon thumbnail: OUT is a PNG file, not '"), std::string::npos);
    EXPECT_NE(jpeg.err.find("usage: burgeon thumbnail SESSION OUT.png"), std::string::npos);

    EXPECT_EQ(runBurgeon({"thumbnail", soybeanSession(), path("big.png"), "--size", "2000"}).status,
              2);
    EXPECT_EQ(runBurgeon({"thumbnail", soybeanSession()}).status, 2);

    const auto missing = runBurgeon({"thumbnail", path("none.burgeon"), path("none.png")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.burgeon"), std::string::npos) << missing.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}
