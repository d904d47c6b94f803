#pragma once

#include "imageio/RgbImage.h"

#include <string>

namespace burgeon {

// yuv420p keeps one colour sample per 2 x 2 pixels, so H.264 and VP9 encoders take even
// picture sizes only. An odd size is padded by one column or row rather than cropped, so no
// captured pixel is lost.
inline int evenSize(int size) {
    return size + size % 2;
}

// The note a caller shows once when the size was padded, e.g.
// "video: 395 x 295 padded to 396 x 296 for the encoder"; empty when both sizes are even.
std::string paddingNote(int width, int height);

// The frame placed at the top-left of a width x height picture: cut where it is larger,
// extended with its own last column and row where it is smaller. Repeating the edge colour
// makes a padded column continue the picture instead of drawing a line along its border.
// An empty frame gives a black picture.
RgbImage fitFrame(const RgbImage& frame, int width, int height);

} // namespace burgeon
