#include "mesh/GrowthKeyframes.h"
#include "base/OutputFiles.h"
#include "base/StandardError.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace burgeon {
namespace {

Transform placed(double x, double turn, double size) {
    Transform transform;
    transform.translation = {x, 1.0, 0.0};
    transform.rotation = {0.0, turn, 0.0, 1.0};
    transform.scale = {size, size, size};
    return transform;
}

// Organ 0 grows from the first frame and stands still; organ 1 appears at frame 2, moves and is
// missed at frame 4; organ 2 appears in the last frame. Its turn flips sign at frame 3.
void recordSevenFrames(GrowthKeyframes& keyframes) {
    for (std::size_t frame = 0; frame < 7; ++frame) {
        const auto f = static_cast<double>(frame);
        keyframes.record(0, placed(0.0, 0.0, f), true);
        if (frame >= 2 && frame != 4) {
            keyframes.record(1, placed(f, 0.0, 1.0), frame >= 3);
        }
        if (frame == 6) {
            keyframes.record(2, placed(9.0, 0.5, 2.0), true);
        }
        keyframes.endFrame();
    }
}

std::vector<float> floatsOf(const std::string& bytes) {
    std::vector<float> floats(bytes.size() / sizeof(float));
    std::memcpy(floats.data(), bytes.data(), bytes.size());
    return floats;
}

TEST(GrowthKeyframes, EveryFrameOfEveryOrganComesBackAsRecorded) {
    // A budget of a few keyframes makes many blocks and many groups.
    for (const std::size_t budget : {std::size_t{40}, std::size_t{120}, std::size_t{1} << 20}) {
        SCOPED_TRACE(budget);
        GrowthKeyframes keyframes("", budget);
        recordSevenFrames(keyframes);
        ASSERT_EQ(keyframes.frames(), 7u);
        ASSERT_EQ(keyframes.organs(), 3u);

        const std::vector<Keyframe> grower = keyframes.track(0);
        for (std::size_t frame = 0; frame < 7; ++frame) {
            EXPECT_EQ(grower[frame].scale[0], static_cast<float>(frame));
        }
        const std::vector<Keyframe> mover = keyframes.track(1);
        EXPECT_EQ(mover[0].translation[0], 2.0f) << "before its first frame, where it first stands";
        EXPECT_EQ(mover[1].scale[0], 0.0f);
        EXPECT_EQ(mover[2].scale[0], 0.0f) << "not born yet";
        EXPECT_EQ(mover[3].scale[0], 1.0f);
        EXPECT_EQ(mover[4].translation[0], 3.0f) << "a missed frame keeps its last place";
        EXPECT_EQ(mover[4].scale[0], 0.0f);
        EXPECT_EQ(mover[6].translation[0], 6.0f);
        EXPECT_EQ(keyframes.track(2)[5].translation[0], 9.0f);

        EXPECT_FALSE(keyframes.summary(0).translationChanges);
        EXPECT_TRUE(keyframes.summary(1).translationChanges);
        EXPECT_FALSE(keyframes.summary(2).rotationChanges);
        EXPECT_EQ(keyframes.summary(1).last.translation[0], 6.0f);

        // Per organ its changing channels, then its scales: organ 0 scales, organ 1
        // translations and scales, organ 2 scales.
        StringSink out;
        keyframes.writeChannels(out);
        ASSERT_EQ(out.text.size(), keyframes.channelBytes());
        ASSERT_EQ(keyframes.channelBytes(), 7u * (12 + 24 + 12));
        const std::vector<float> floats = floatsOf(out.text);
        EXPECT_EQ(floats[3 * 6], 6.0f) << "organ 0's last scale";
        EXPECT_EQ(floats[21 + 3 * 6], 6.0f) << "organ 1's last translation";
        EXPECT_EQ(floats[42 + 3 * 3], 1.0f) << "organ 1's scale at frame 3";
        EXPECT_EQ(floats[63 + 3 * 6], 2.0f) << "organ 2's scale at its one frame";
    }
}

TEST(GrowthKeyframes, TurnsTakeTheSignNearerTheLastOne) {
    GrowthKeyframes keyframes("", 1 << 20);
    for (const double sign : {1.0, -1.0}) {
        Transform transform;
        transform.rotation = {0.0, 0.6 * sign, 0.0, 0.8 * sign};
        keyframes.record(0, transform, true);
        keyframes.endFrame();
    }
    const std::vector<Keyframe> track = keyframes.track(0);
    EXPECT_EQ(track[1].rotation, track[0].rotation);
    EXPECT_FALSE(keyframes.summary(0).rotationChanges);
}

TEST(GrowthKeyframes, TheScratchFileLiesBesideTheExportAndLeavesNothing) {
    const burgeon::testing::TempFolder temp;
    const std::filesystem::path folder = temp.path();
    {
        GrowthKeyframes keyframes((folder / "plant.glb").string(), 40);
        recordSevenFrames(keyframes);
        EXPECT_EQ(keyframes.track(1)[6].translation[0], 6.0f);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
    EXPECT_THROW(GrowthKeyframes((folder / "plant.glb").string(), 40), StandardError);
}

} // namespace
} // namespace burgeon
