#pragma once

#include <cstdint>
#include <optional>

namespace burgeon {

// When the view draws its next frame. A frame is drawn, then the frame waits its delay
// (Velocity x 18 ms) before the next one is due; a frame without a delay is followed at the
// display's refresh, so an unpaced display (a virtual one) gets no more frames than a real one.
// When the frame just drawn says the next picture cannot differ, no frame is due until
// something changes. Times are milliseconds of one steady tick counter.
class FramePacer {
public:
    // A change stops showing only after the frames of this span: a dialog can return before the
    // handler that opened it has finished changing what the view shows.
    static constexpr std::int64_t SettleMilliseconds = 300;

    // The pause after a frame that asks for no delay: one refresh of the display.
    void setRefreshInterval(double milliseconds);
    double refreshInterval() const { return refreshInterval_; }

    // A frame was drawn from `start` to `end`; it asks for `delay` milliseconds before the next
    // one, and says whether the next frame can show another picture.
    void frameDrawn(std::int64_t start, std::int64_t end, int delay, bool pictureCanChange);
    // Something the picture shows changed at `now`: the next frame is due again.
    void changed(std::int64_t now);

    // Milliseconds from `now` until the next frame is due (0: at once); nothing while the
    // picture rests.
    std::optional<std::int64_t> untilNextFrame(std::int64_t now) const;
    bool resting() const { return !running_; }

private:
    double refreshInterval_ = 1000.0 / 60.0;
    double nextDue_ = 0.0;
    bool running_ = true;
    std::optional<std::int64_t> lastChange_;
};

} // namespace burgeon
