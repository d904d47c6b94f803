#pragma once

#include <cstdint>
#include <string>

namespace burgeon {

// What the running view keeps between frames: whether it draws, whether the clock runs, the
// end of the time axis, and the capture run under way.
struct AnimationState {
    bool PaintBusy = true;
    bool AnimationPaused = false;
    std::int32_t TimeBarMax = 150;
    bool ViewMaximised = false;

    bool CaptureActive = false;
    std::string CaptureFolder;
    std::int32_t CaptureFirst = 1;
    std::int32_t CaptureLast = 1;
    std::int32_t GifCheckpointCounter = 0;
    bool SaveJpegFrames = true;
    bool SaveGifFrames = false;
    bool SaveVideo = false;
};

} // namespace burgeon
