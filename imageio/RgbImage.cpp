#include "imageio/RgbImage.h"

#include <algorithm>

namespace burgeon {

RgbImage::RgbImage(int width, int height, RgbColor fillColor)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      bytes_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3) {
    fill(fillColor);
}

RgbColor RgbImage::pixel(int x, int y) const {
    if (!contains(x, y)) {
        return {};
    }
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {bytes_[at], bytes_[at + 1], bytes_[at + 2]};
}

void RgbImage::setPixel(int x, int y, RgbColor color) {
    if (!contains(x, y)) {
        return;
    }
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    bytes_[at] = static_cast<std::uint8_t>(color.red);
    bytes_[at + 1] = static_cast<std::uint8_t>(color.green);
    bytes_[at + 2] = static_cast<std::uint8_t>(color.blue);
}

void RgbImage::fill(RgbColor color) {
    if (color.red == color.green && color.green == color.blue) {
        // White and the greys are one byte value throughout: a plain memory fill.
        std::fill(bytes_.begin(), bytes_.end(), static_cast<std::uint8_t>(color.red));
        return;
    }
    for (std::size_t at = 0; at + 2 < bytes_.size(); at += 3) {
        bytes_[at] = static_cast<std::uint8_t>(color.red);
        bytes_[at + 1] = static_cast<std::uint8_t>(color.green);
        bytes_[at + 2] = static_cast<std::uint8_t>(color.blue);
    }
}

} // namespace burgeon
