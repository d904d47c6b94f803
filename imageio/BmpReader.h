#pragma once

#include "base/FileIo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// A bitmap as the texture loader wants it: rows from the top, four bytes a pixel
// (red, green, blue, 0).
struct BitmapPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

// Bitmaps: a 4096 x 4096 texture is 48 MB; capture frames and the built-in textures are far
// smaller.
inline constexpr FileSizeLimit BitmapFileLimit{64 * MiB, "bitmaps"};

// Reads an uncompressed 24-bit Windows bitmap (bottom-up, or top-down with a negative height).
// Returns nothing for a file that cannot be opened, is no regular file, is larger than
// BitmapFileLimit, is not "BM", is compressed, has another bit count, or whose headers do not
// fit the file's real length: every header field is checked against it first, so no width,
// height or offset can make the reader read or allocate past the file. Any width whose rows
// are all in the file is accepted.
std::optional<BitmapPixels> readBitmapFile(const std::string& fileName);
std::optional<BitmapPixels> decodeBitmap(const std::string& bytes);

} // namespace burgeon
