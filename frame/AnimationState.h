#pragma once

#include <cstdint>
#include <string>

namespace burgeon {

// What the running view keeps between frames: whether it draws, whether the clock runs, the
// end of the time axis, and the capture run under way.
struct AnimationState {
    bool paintBusy = true;
    bool animationPaused = false;
    std::int32_t timeBarMax = 150;
    bool viewMaximised = false;

    bool captureActive = false;
    std::string captureFolder;
    std::int32_t captureFirst = 1;
    std::int32_t captureLast = 1;
    std::int32_t gifCheckpointCounter = 0;
    bool saveJpegFrames = true;
    bool saveGifFrames = false;
    bool saveVideo = false;
};

} // namespace burgeon
