#pragma once

namespace burgeon {

// The size of a picture in pixels.
struct PictureSize {
    int width = 800;
    int height = 600;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

} // namespace burgeon
