#include "frame/FramePacer.h"

#include <algorithm>
#include <cmath>

namespace burgeon {

void FramePacer::setRefreshInterval(double milliseconds) {
    // A display that reports no rate, or an absurd one, is taken as a 60 Hz display.
    refreshInterval_ = milliseconds >= 1.0 && milliseconds <= 1000.0 ? milliseconds : 1000.0 / 60.0;
}

void FramePacer::frameDrawn(std::int64_t start, std::int64_t end, int delay,
                            bool pictureCanChange) {
    if (delay > 0) {
        nextDue_ = static_cast<double>(end) + delay;
    } else {
        // On a fixed schedule, so that whole-millisecond timers keep the display's rate; a
        // frame late by more than a refresh (a slow frame, a rest) starts a new schedule.
        const double onSchedule = nextDue_ + refreshInterval_;
        const auto started = static_cast<double>(start);
        nextDue_ = onSchedule < started ? started + refreshInterval_ : onSchedule;
    }
    const bool settling = lastChange_ && start < *lastChange_ + SettleMilliseconds;
    running_ = pictureCanChange || settling;
}

void FramePacer::changed(std::int64_t now) {
    lastChange_ = now;
    running_ = true;
}

std::optional<std::int64_t> FramePacer::untilNextFrame(std::int64_t now) const {
    if (!running_) {
        return std::nullopt;
    }
    const double wait = std::ceil(nextDue_ - static_cast<double>(now));
    return std::max<std::int64_t>(0, static_cast<std::int64_t>(wait));
}

} // namespace burgeon
