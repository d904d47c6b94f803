#include "frame/FramePacer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace burgeon;

namespace {

// Draws frames as the host does: each when it is due, taking `frameTime` ms, for `span` ms;
// returns the start times.
std::vector<std::int64_t> run(FramePacer& pacer, int delay, bool pictureCanChange,
                              std::int64_t span, std::int64_t frameTime = 5) {
    std::vector<std::int64_t> starts;
    std::int64_t now = 0;
    while (true) {
        const auto wait = pacer.untilNextFrame(now);
        if (!wait || now + *wait >= span) {
            break;
        }
        now += *wait;
        starts.push_back(now);
        pacer.frameDrawn(now, now + frameTime, delay, pictureCanChange);
        now += frameTime;
    }
    return starts;
}

} // namespace

TEST(FramePacer, AFrameDelayIsWaitedAfterTheFrameIsDrawn) {
    FramePacer pacer;
    // Velocity 10: 180 ms after each frame of 20 ms, so 2 s hold 10 frames.
    const auto starts = run(pacer, 180, true, 2000, 20);
    ASSERT_EQ(starts.size(), 10u);
    for (std::size_t i = 1; i < starts.size(); ++i) {
        EXPECT_EQ(starts[i] - starts[i - 1], 200);
    }
}

TEST(FramePacer, WithoutADelayFramesFollowTheDisplaysRefresh) {
    FramePacer pacer;
    // No more than 60 frames a second, however fast a frame is drawn.
    const auto starts = run(pacer, 0, true, 1000, 1);
    EXPECT_GE(starts.size(), 59u);
    EXPECT_LE(starts.size(), 61u);
    // A frame slower than a refresh is followed at once.
    FramePacer slow;
    const auto slowStarts = run(slow, 0, true, 1000, 40);
    EXPECT_EQ(slowStarts.size(), 25u);

    // A 120 Hz display gets twice the frames; an unknown rate counts as 60 Hz.
    FramePacer fast;
    fast.setRefreshInterval(1000.0 / 120.0);
    EXPECT_GE(run(fast, 0, true, 1000, 1).size(), 119u);
    fast.setRefreshInterval(0.0);
    EXPECT_DOUBLE_EQ(fast.refreshInterval(), 1000.0 / 60.0);
}

TEST(FramePacer, AStillPictureRestsUntilSomethingChanges) {
    FramePacer pacer;
    EXPECT_EQ(pacer.untilNextFrame(0), 0); // the first frame is due at once
    pacer.frameDrawn(0, 5, 0, false);
    EXPECT_TRUE(pacer.resting());
    EXPECT_FALSE(pacer.untilNextFrame(10'000).has_value());

    // A change wakes it; frames come at the usual pace, and stop once the change is past.
    pacer.changed(10'000);
    EXPECT_EQ(pacer.untilNextFrame(10'000), 0);
    pacer.frameDrawn(10'000, 10'005, 180, false);
    EXPECT_EQ(pacer.untilNextFrame(10'010), 175); // the frame delay still holds
    pacer.frameDrawn(10'185, 10'190, 180, false);
    pacer.frameDrawn(10'370, 10'375, 180, false);
    EXPECT_TRUE(pacer.resting());

    // A picture that can change keeps the frames coming.
    pacer.changed(20'000);
    pacer.frameDrawn(21'000, 21'005, 0, true);
    EXPECT_EQ(pacer.untilNextFrame(21'005), 12);
    EXPECT_FALSE(pacer.resting());
}
