#pragma once

#include "imageio/RgbImage.h"

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
    int penX() const { return x_; }
    int penY() const { return y_; }

private:
    RgbImage& image_;
    RgbColor pen_{};
    int x_ = 0;
    int y_ = 0;
};

} // namespace burgeon
