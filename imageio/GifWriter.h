#pragma once

#include "imageio/FramePalette.h"
#include "imageio/RgbImage.h"

#include <memory>
#include <string>

namespace burgeon {

// A single-frame GIF: the image reduced to its own 256-colour frame palette. Throws
// "I/O error %d" for an empty image or when the encoder fails.
std::string encodeGif(const RgbImage& image);

// Writes the single-frame GIF whole or not at all; throws "Cannot create file %s".
void writeGifFile(const std::string& fileName, const RgbImage& image);

// An animated GIF built frame by frame and saved at any point. Each frame is encoded as it
// arrives (its own 256-colour palette, a graphic control extension with its delay; frame 0
// also carries the endless "NETSCAPE2.0" loop), so memory holds only the compressed stream.
// The logical screen is the first frame's size; later frames are placed at the top-left and
// cut to it.
class AnimatedGif {
public:
    explicit AnimatedGif(int reductionBits);
    ~AnimatedGif();
    AnimatedGif(const AnimatedGif&) = delete;
    AnimatedGif& operator=(const AnimatedGif&) = delete;

    // delay in hundredths of a second. An empty frame is not added. Throws "I/O error %d"
    // when the encoder fails.
    void addFrame(const RgbImage& frame, int delay);
    int frameCount() const { return frameCount_; }

    // The file as it stands: every frame so far and the trailer.
    std::string encode() const;
    // Writes it whole or not at all; throws "Cannot create file %s".
    void save(const std::string& fileName) const;

    // The colour-reduction bits kept with the image (3..8); the reduction does not use them.
    int reductionBits;

private:
    struct Encoder;
    std::unique_ptr<Encoder> encoder_;
    int frameCount_ = 0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
};

} // namespace burgeon
