#pragma once

#include "imageio/RgbImage.h"

#include <string>

namespace burgeon {

// An image as an 8-bit RGB PNG file.
std::string encodePng(const RgbImage& image);

// Writes the PNG whole or not at all; throws "Cannot create file %s".
void writePngFile(const std::string& fileName, const RgbImage& image);

} // namespace burgeon
