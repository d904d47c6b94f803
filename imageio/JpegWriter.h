#pragma once

#include "imageio/RgbImage.h"

#include <optional>
#include <string>

namespace burgeon {

// A baseline JPEG of 24-bit colour (not greyscale, not progressive) at a quality of 0..100;
// nothing when the encoder refuses the image (an empty one).
std::optional<std::string> encodeJpeg(const RgbImage& image, int quality);

// Writes the JPEG whole or not at all; throws "Cannot create file %s".
void writeJpegFile(const std::string& fileName, const RgbImage& image, int quality);

} // namespace burgeon
