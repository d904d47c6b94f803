#pragma once

#include "mesh/MeshScene.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace burgeon {

// Where a growth animation's parts go in a glTF model that holds everything else: the key
// times' accessor, the index the animation's first output accessor and its output view get,
// and the place of the outputs in the buffer.
struct AnimationLayout {
    std::size_t keyTimesAccessor = 0;
    std::size_t firstAccessor = 0;
    std::size_t outputView = 0;
    std::uint64_t outputOffset = 0;
    std::uint64_t outputBytes = 0;
};

// The JSON a growth animation adds to a glTF model, written as text: one accessor, sampler and
// channel per changing channel of every organ, in the order GrowthKeyframes::writeChannels
// writes their keyframes. A plant of many organs has tens of thousands of them; as text they
// take a few bytes each.
struct AnimationJson {
    std::string accessors;   // elements for the end of "accessors", each after a comma
    std::string bufferViews; // the same for "bufferViews"
    std::string member;      // the member "animations", after a comma
};

// pretty: elements on lines of their own, as in an indented file.
AnimationJson animationJson(const GrowthAnimation& animation, const AnimationLayout& layout,
                            bool pretty);

// The JSON text of a model with members added before its closing brace (each after a comma)
// and, when there is one, an animation's parts: its elements at the ends of the top-level
// arrays "accessors" and "bufferViews", its member after the model's. The pieces point into
// the texts given, which must outlive them.
std::vector<std::string_view> jsonPieces(const std::string& modelJson,
                                         const AnimationJson* animation,
                                         const std::string& members);

} // namespace burgeon
