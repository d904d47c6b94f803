#include "video/FramePadding.h"

#include <algorithm>
#include <cstring>

namespace burgeon {

std::string paddingNote(int width, int height) {
    if (width == evenSize(width) && height == evenSize(height)) {
        return {};
    }
    return "video: " + std::to_string(width) + " x " + std::to_string(height) + " padded to " +
           std::to_string(evenSize(width)) + " x " + std::to_string(evenSize(height)) +
           " for the encoder";
}

RgbImage fitFrame(const RgbImage& frame, int width, int height) {
    RgbImage fitted(width, height, {0, 0, 0});
    if (frame.empty() || fitted.empty()) {
        return fitted;
    }
    const std::size_t copiedBytes = 3 * static_cast<std::size_t>(std::min(width, frame.width()));
    const std::uint8_t* source = frame.bytes().data();
    std::uint8_t* target = fitted.bytes().data();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* sourceRow =
            source + 3 * static_cast<std::size_t>(std::min(y, frame.height() - 1)) * frame.width();
        std::uint8_t* targetRow = target + 3 * static_cast<std::size_t>(y) * width;
        std::memcpy(targetRow, sourceRow, copiedBytes);
        const std::uint8_t* edge = targetRow + copiedBytes - 3;
        for (std::uint8_t* pixel = targetRow + copiedBytes; pixel < targetRow + 3 * width;
             pixel += 3) {
            std::memcpy(pixel, edge, 3);
        }
    }
    return fitted;
}

} // namespace burgeon
