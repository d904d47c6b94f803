#pragma once

#include "imageio/RgbImage.h"

#include <cstdint>

namespace burgeon {

// Pen drawing on an image with a current position, like a picture box's canvas: lineTo draws
// a one-pixel line from the current position up to, but not including, the end point, and
// the end point becomes the current position. Everything outside the image is clipped.
class Canvas {
public:
    explicit Canvas(RgbImage& image) : image_(image) {}

    void setPenColor(RgbColor color) { pen_ = color; }
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    // The same for points computed far outside the image: coordinates within +-2^60 keep the
    // line arithmetic exact, so the pixels inside the image are those of the unbounded line.
    void moveToWide(std::int64_t x, std::int64_t y);
    void lineToWide(std::int64_t x, std::int64_t y);
    // The pen's x; after a wide move it may lie beyond the int range (then it saturates).
    int penX() const { return saturate(x_); }

    static constexpr std::int64_t WideLimit = std::int64_t{1} << 60;

private:
    static int saturate(std::int64_t value) {
        return static_cast<int>(value < INT32_MIN   ? INT32_MIN
                                : value > INT32_MAX ? INT32_MAX
                                                    : value);
    }

    RgbImage& image_;
    RgbColor pen_{};
    std::int64_t x_ = 0;
    std::int64_t y_ = 0;
};

} // namespace burgeon
