#pragma once

#include "mesh/MeshScene.h"
#include "mesh/ScratchFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace burgeon {

class ByteSink;

// One keyframe of an organ node, in single precision as glTF keeps it.
struct Keyframe {
    std::array<float, 3> translation{};
    std::array<float, 4> rotation{};
    std::array<float, 3> scale{};
};

// What is known of an organ's track without its keyframes: its first and last keyframe, and
// which of its channels change (a channel that does not is left out of the animation).
struct TrackSummary {
    Keyframe first;
    Keyframe last;
    std::size_t firstFrame = 0;
    std::size_t lastFrameDrawn = 0;
    bool translationChanges = false;
    bool rotationChanges = false;
};

// The keyframes of every organ over the frames of a growth animation, kept in a scratch file
// so that memory holds a few frames at a time, however many frames there are: frames are
// recorded one by one and written out channel by channel, each channel's keyframes together,
// as a glTF animation lays them out.
class GrowthKeyframes {
public:
    // memoryBudget: the bytes of keyframes held in memory at once, while recording and again
    // while writing.
    GrowthKeyframes(const std::string& exportedFile, std::size_t memoryBudget);

    // A frame: each organ drawn in it recorded once (organs numbered from 0 in the order they
    // first appear), then ended. Frames before an organ's first appear with it at scale 0
    // where it first stands; a frame that does not draw an organ it has drawn before, with its
    // last place and turn at scale 0. A turn takes the sign nearer the organ's last one, so
    // the animation turns the short way.
    void record(std::size_t organ, const Transform& transform, bool born);
    void endFrame();
    // Ends the recording: the last frames go to the scratch file, and their memory is freed.
    void finish();

    std::size_t frames() const { return frames_; }
    std::size_t organs() const { return tracks_.size(); }
    const TrackSummary& summary(std::size_t organ) const { return tracks_[organ]; }

    // The bytes writeChannels writes: per organ its translations and turns where they change,
    // then its scales, each a channel of every frame.
    std::uint64_t channelBytes() const;
    void writeChannels(ByteSink& out);

    // One organ's keyframes, every frame (read back for checks).
    std::vector<Keyframe> track(std::size_t organ);

private:
    // The frames of one block, written organ by organ (all translations, all turns, all
    // scales of the block's frames), for the organs known at its end.
    struct Block {
        std::uint64_t offset = 0;
        std::size_t firstFrame = 0;
        std::size_t frames = 0;
        std::size_t organs = 0;
    };

    void flushBlock();
    // The keyframes of organs [first, end) into rows, one row of every frame an organ.
    void readOrgans(std::size_t first, std::size_t end, std::vector<Keyframe>& rows);
    // The keyframe of a frame before the organ's first.
    Keyframe beforeFirst(std::size_t organ) const;

    std::size_t memoryBudget_;
    std::unique_ptr<ScratchFile> scratch_;
    std::vector<TrackSummary> tracks_;
    std::size_t frames_ = 0;
    // The frames not yet written: frame-major, each frame the organs known at its end.
    std::vector<Keyframe> pending_;
    std::vector<std::size_t> pendingStarts_;
    std::vector<Block> blocks_;
};

} // namespace burgeon
