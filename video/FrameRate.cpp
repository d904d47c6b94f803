#include "video/FrameRate.h"

#include <numeric>
#include <stdexcept>
#include <string>

namespace burgeon {

FrameRate FrameRate::perSecond(int framesPerSecond) {
    if (framesPerSecond <= 0) {
        throw std::invalid_argument("frame rate must be positive, not " +
                                    std::to_string(framesPerSecond));
    }
    return {framesPerSecond, 1};
}

FrameRate FrameRate::fromFrameDelay(int delay) {
    if (delay <= 0) {
        throw std::invalid_argument("frame delay must be positive, not " + std::to_string(delay));
    }
    const int common = std::gcd(100, delay);
    return {100 / common, delay / common};
}

} // namespace burgeon
