#pragma once

#include "base/UserInterface.h"

#include <cstdint>
#include <vector>

namespace burgeon {

// A picture in memory: width x height pixels of 8-bit red, green, blue, rows from the top.
class RgbImage {
public:
    RgbImage() = default;
    RgbImage(int width, int height, RgbColor fill = {255, 255, 255});

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    RgbColor pixel(int x, int y) const;
    // Pixels outside the image are ignored (drawing clips at the edges).
    void setPixel(int x, int y, RgbColor color);
    void fill(RgbColor color);

    // Raw rows, 3 bytes a pixel, no padding, top row first.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

    friend bool operator==(const RgbImage&, const RgbImage&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace burgeon
