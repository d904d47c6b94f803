#pragma once

#include <string>

namespace burgeon {

// What a capture run writes besides "Picture.bmp": a JPEG file per frame and the animated
// GIF ("Jpeg Format"), a GIF file per frame and the animated GIF ("Gif Format (256 Colors)"),
// or one video ("Video (MP4)").
enum class CaptureFormat { Jpeg, Gif, Video };

// The capture fields of the Animation page: what a capture run writes and when.
struct CaptureSettings {
    int first = 1; // "Start Frame"
    int last = 1;  // "End Frame"
    CaptureFormat format = CaptureFormat::Jpeg;
    int quality = 80;      // "Jpeg Compression (%)"
    int delay = 3;         // "Animation Delay(x10 mS)"
    int reductionBits = 6; // "Bits"
    std::string folder = "PlantCap1";
};

// The clock of the view and the pace of its frames.
struct AnimationSettings {
    double currentTime = 1.0; // the time the view shows
    int frameDelay = 0;       // "Velocity Animation": each frame waits frameDelay x 18 ms
    CaptureSettings capture;
};

} // namespace burgeon
