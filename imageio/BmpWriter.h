#pragma once

#include "imageio/RgbImage.h"

#include <cstdint>
#include <string>

namespace burgeon {

// An image as a Windows bitmap: 24 bits a pixel, uncompressed, rows bottom-up, each row padded
// to a multiple of four bytes.
std::string encodeBmp(const RgbImage& image);

// The bytes encodeBmp writes for a picture of that size.
std::uint64_t bmpFileSize(int width, int height);

// Writes the bitmap whole or not at all; throws "Cannot create file %s".
void writeBmpFile(const std::string& fileName, const RgbImage& image);

} // namespace burgeon
