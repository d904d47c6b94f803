#include "mesh/GrowthKeyframes.h"

#include "base/OutputFiles.h"
#include "mesh/TransformMath.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace burgeon {

namespace {

std::array<float, 3> floats3(const std::array<double, 3>& v) {
    return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}

std::array<float, 4> floats4(const std::array<double, 4>& v) {
    return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2]),
            static_cast<float>(v[3])};
}

std::array<double, 4> doubles4(const std::array<float, 4>& v) {
    return {v[0], v[1], v[2], v[3]};
}

// A channel's values of a row of keyframes, as bytes.
template <std::size_t Count>
void writeChannel(ByteSink& out, const Keyframe* row, std::size_t frames,
                  std::array<float, Count> Keyframe::*channel, std::vector<float>& values) {
    values.clear();
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const auto& value = row[frame].*channel;
        values.insert(values.end(), value.begin(), value.end());
    }
    out.write(std::string_view(reinterpret_cast<const char*>(values.data()),
                               values.size() * sizeof(float)));
}

// A block keeps an organ's frames as all translations, all turns, then all scales.
constexpr std::size_t FloatsPerKeyframe = 10;
static_assert(sizeof(Keyframe) == FloatsPerKeyframe * sizeof(float));

} // namespace

GrowthKeyframes::GrowthKeyframes(const std::string& exportedFile, std::size_t memoryBudget)
    : memoryBudget_(std::max<std::size_t>(memoryBudget, sizeof(Keyframe))),
      scratch_(std::make_unique<ScratchFile>(exportedFile)) {}

void GrowthKeyframes::record(std::size_t organ, const Transform& transform, bool born) {
    if (organ > tracks_.size()) {
        throw std::logic_error("organs are numbered in the order they first appear");
    }
    Keyframe keyframe;
    keyframe.translation = floats3(transform.translation);
    keyframe.scale = born ? floats3(transform.scale) : std::array<float, 3>{};
    if (organ == tracks_.size()) {
        keyframe.rotation = floats4(transform.rotation);
        TrackSummary& track = tracks_.emplace_back();
        track.firstFrame = frames_;
        track.first = keyframe;
    } else {
        keyframe.rotation =
            floats4(nearerQuaternion(doubles4(tracks_[organ].last.rotation), transform.rotation));
    }
    tracks_[organ].last = keyframe;
    tracks_[organ].lastFrameDrawn = frames_;
}

void GrowthKeyframes::endFrame() {
    if (pending_.capacity() == 0) {
        pending_.reserve(memoryBudget_ / sizeof(Keyframe));
    }
    if (pending_.size() + tracks_.size() > pending_.capacity()) {
        flushBlock();
    }
    pendingStarts_.push_back(pending_.size());
    for (TrackSummary& track : tracks_) {
        if (track.lastFrameDrawn != frames_) {
            track.last.scale = {};
        }
        track.translationChanges |= track.last.translation != track.first.translation;
        track.rotationChanges |= track.last.rotation != track.first.rotation;
        pending_.push_back(track.last);
    }
    ++frames_;
}

void GrowthKeyframes::finish() {
    flushBlock();
    pending_ = {};
    pendingStarts_ = {};
}

Keyframe GrowthKeyframes::beforeFirst(std::size_t organ) const {
    Keyframe keyframe = tracks_[organ].first;
    keyframe.scale = {};
    return keyframe;
}

void GrowthKeyframes::flushBlock() {
    if (pendingStarts_.empty()) {
        return;
    }
    Block block;
    block.firstFrame = frames_ - pendingStarts_.size();
    block.frames = pendingStarts_.size();
    block.organs = tracks_.size();
    block.offset = scratch_->size();
    std::vector<float> organFloats(block.frames * FloatsPerKeyframe);
    for (std::size_t organ = 0; organ < block.organs; ++organ) {
        float* translations = organFloats.data();
        float* rotations = translations + 3 * block.frames;
        float* scales = rotations + 4 * block.frames;
        for (std::size_t frame = 0; frame < block.frames; ++frame) {
            const std::size_t start = pendingStarts_[frame];
            const std::size_t end =
                frame + 1 < block.frames ? pendingStarts_[frame + 1] : pending_.size();
            const Keyframe keyframe =
                organ < end - start ? pending_[start + organ] : beforeFirst(organ);
            std::memcpy(translations + 3 * frame, keyframe.translation.data(), 3 * sizeof(float));
            std::memcpy(rotations + 4 * frame, keyframe.rotation.data(), 4 * sizeof(float));
            std::memcpy(scales + 3 * frame, keyframe.scale.data(), 3 * sizeof(float));
        }
        scratch_->append(organFloats.data(), organFloats.size() * sizeof(float));
    }
    blocks_.push_back(block);
    pending_.clear();
    pendingStarts_.clear();
}

void GrowthKeyframes::readOrgans(std::size_t first, std::size_t end, std::vector<Keyframe>& rows) {
    flushBlock();
    rows.assign((end - first) * frames_, Keyframe{});
    std::vector<float> floats;
    for (const Block& block : blocks_) {
        const std::size_t stored = std::clamp(block.organs, first, end);
        floats.resize((stored - first) * block.frames * FloatsPerKeyframe);
        scratch_->read(block.offset + first * block.frames * sizeof(Keyframe), floats.data(),
                       floats.size() * sizeof(float));
        for (std::size_t organ = first; organ < end; ++organ) {
            Keyframe* row = rows.data() + (organ - first) * frames_ + block.firstFrame;
            if (organ >= stored) {
                std::fill(row, row + block.frames, beforeFirst(organ));
                continue;
            }
            const float* translations =
                floats.data() + (organ - first) * block.frames * FloatsPerKeyframe;
            const float* rotations = translations + 3 * block.frames;
            const float* scales = rotations + 4 * block.frames;
            for (std::size_t frame = 0; frame < block.frames; ++frame) {
                std::memcpy(row[frame].translation.data(), translations + 3 * frame,
                            3 * sizeof(float));
                std::memcpy(row[frame].rotation.data(), rotations + 4 * frame, 4 * sizeof(float));
                std::memcpy(row[frame].scale.data(), scales + 3 * frame, 3 * sizeof(float));
            }
        }
    }
}

std::uint64_t GrowthKeyframes::channelBytes() const {
    std::uint64_t perFrame = 0;
    for (const TrackSummary& track : tracks_) {
        perFrame += (track.translationChanges ? 12 : 0) + (track.rotationChanges ? 16 : 0) + 12;
    }
    return perFrame * frames_;
}

void GrowthKeyframes::writeChannels(ByteSink& out) {
    if (frames_ == 0) {
        return;
    }
    const std::size_t group =
        std::max<std::size_t>(memoryBudget_ / (frames_ * sizeof(Keyframe)), 1);
    std::vector<Keyframe> rows;
    std::vector<float> values;
    for (std::size_t first = 0; first < tracks_.size(); first += group) {
        const std::size_t end = std::min(first + group, tracks_.size());
        readOrgans(first, end, rows);
        for (std::size_t organ = first; organ < end; ++organ) {
            const Keyframe* row = rows.data() + (organ - first) * frames_;
            if (tracks_[organ].translationChanges) {
                writeChannel(out, row, frames_, &Keyframe::translation, values);
            }
            if (tracks_[organ].rotationChanges) {
                writeChannel(out, row, frames_, &Keyframe::rotation, values);
            }
            writeChannel(out, row, frames_, &Keyframe::scale, values);
        }
    }
}

std::vector<Keyframe> GrowthKeyframes::track(std::size_t organ) {
    std::vector<Keyframe> rows;
    readOrgans(organ, organ + 1, rows);
    return rows;
}

} // namespace burgeon
