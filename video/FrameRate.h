#pragma once

namespace burgeon {

// A video's frame rate kept exact as a fraction: frames per second = frames / seconds. A capture
// whose frames are 3 hundredths of a second apart runs at 100 / 3 frames per second, which no
// integer or binary fraction states exactly; the fraction also gives the encoder its time base
// (one tick per frame of seconds / frames).
struct FrameRate {
    int frames = 25;
    int seconds = 1;

    // A whole number of frames per second. Throws std::invalid_argument unless positive.
    static FrameRate perSecond(int framesPerSecond);
    // The rate of frames that are delay hundredths of a second apart (100 / delay, reduced:
    // 4 gives 25 / 1, 3 gives 100 / 3). Throws std::invalid_argument unless delay is positive.
    static FrameRate fromFrameDelay(int delay);

    double framesPerSecond() const { return static_cast<double>(frames) / seconds; }

    friend bool operator==(const FrameRate&, const FrameRate&) = default;
};

} // namespace burgeon
