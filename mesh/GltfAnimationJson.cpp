#include "mesh/GltfAnimationJson.h"

#include "base/NumberText.h"
#include "mesh/GrowthKeyframes.h"

#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace burgeon {

namespace {

constexpr int FloatComponent = 5126;

void append(std::string& out, std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts) {
        out.append(part);
    }
}

// The place of the bracket that closes the top-level array named key, in JSON text the glTF
// library wrote.
std::size_t closingBracketOf(const std::string& json, std::string_view key) {
    int depth = 0;
    bool inText = false;
    std::size_t textStart = 0;
    std::string_view lastKey;
    std::size_t arrayDepthOpen = 0;
    bool inArray = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inText) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inText = false;
                lastKey = std::string_view(json).substr(textStart, i - textStart);
            }
            continue;
        }
        if (c == '"') {
            inText = true;
            textStart = i + 1;
        } else if (c == '{' || c == '[') {
            ++depth;
            if (c == '[' && depth == 2 && lastKey == key) {
                inArray = true;
                arrayDepthOpen = 2;
            }
        } else if (c == '}' || c == ']') {
            if (inArray && depth == static_cast<int>(arrayDepthOpen) && c == ']') {
                return i;
            }
            --depth;
        } else if (c == ',') {
            lastKey = {};
        }
    }
    throw std::logic_error("the glTF model has no list " + std::string(key));
}

} // namespace

AnimationJson animationJson(const GrowthAnimation& animation, const AnimationLayout& layout,
                            bool pretty) {
    const GrowthKeyframes& keyframes = *animation.keyframes;
    const std::string element = pretty ? ",\n    " : ",";
    const std::size_t frames = animation.keyTimes.size();
    // The channels in the order their keyframes are written: organ, path, components.
    struct Channel {
        std::size_t organ;
        const char* path;
        const char* type;
        std::size_t floats;
    };
    std::vector<Channel> channels;
    for (std::size_t organ = 0; organ < keyframes.organs(); ++organ) {
        const TrackSummary& track = keyframes.summary(organ);
        if (track.translationChanges) {
            channels.push_back({organ, "translation", "VEC3", 3});
        }
        if (track.rotationChanges) {
            channels.push_back({organ, "rotation", "VEC4", 4});
        }
        channels.push_back({organ, "scale", "VEC3", 3});
    }
    AnimationJson json;
    append(json.bufferViews,
           {element, R"({"buffer":0,"byteLength":)", std::to_string(layout.outputBytes),
            R"(,"byteOffset":)", std::to_string(layout.outputOffset), "}"});
    const std::string view = std::to_string(layout.outputView);
    const std::string count = std::to_string(frames);
    const std::string component = std::to_string(FloatComponent);
    std::uint64_t offset = 0;
    for (const Channel& channel : channels) {
        append(json.accessors, {element, R"({"bufferView":)", view, R"(,"byteOffset":)",
                                std::to_string(offset), R"(,"componentType":)", component,
                                R"(,"count":)", count, R"(,"type":")", channel.type, "\"}"});
        offset += 4 * channel.floats * frames;
    }
    // Sampler k reads accessor firstAccessor + k; channel k uses sampler k. Node 0 is the
    // plant, the organs follow in order.
    const std::string open = pretty ? "\n    " : "";
    std::string& member = json.member;
    append(member, {pretty ? ",\n  " : ",", R"("animations":[{"channels":[)", open});
    for (std::size_t k = 0; k < channels.size(); ++k) {
        append(member,
               {k == 0 ? "" : element, R"({"sampler":)", std::to_string(k), R"(,"target":{"node":)",
                std::to_string(channels[k].organ + 1), R"(,"path":")", channels[k].path, "\"}}"});
    }
    append(member, {R"(],"extras":{"from":)", formatRoundTrip(animation.plantTimes.front()),
                    R"(,"framesPerSecond":)", formatRoundTrip(animation.framesPerSecond),
                    R"(,"to":)", formatRoundTrip(animation.plantTimes.back()),
                    R"(},"name":"growth","samplers":[)", open});
    const std::string input = std::to_string(layout.keyTimesAccessor);
    for (std::size_t k = 0; k < channels.size(); ++k) {
        append(member, {k == 0 ? "" : element, R"({"input":)", input,
                        R"(,"interpolation":"LINEAR","output":)",
                        std::to_string(layout.firstAccessor + k), "}"});
    }
    member += "]}]";
    return json;
}

std::vector<std::string_view> jsonPieces(const std::string& modelJson,
                                         const AnimationJson* animation,
                                         const std::string& members) {
    const std::string_view model = modelJson;
    const std::size_t objectEnd = model.rfind('}');
    if (objectEnd == std::string_view::npos) {
        throw std::logic_error("the glTF model's text is no object");
    }
    std::size_t lastMember = objectEnd;
    while (lastMember > 0 && (model[lastMember - 1] == '\n' || model[lastMember - 1] == ' ')) {
        --lastMember;
    }
    if (animation == nullptr) {
        return {model.substr(0, lastMember), members, model.substr(lastMember)};
    }
    // The arrays hold the key times' accessor and view already, so each element follows one.
    const std::size_t accessorsEnd = closingBracketOf(modelJson, "accessors");
    const std::size_t viewsEnd = closingBracketOf(modelJson, "bufferViews");
    if (accessorsEnd > viewsEnd || viewsEnd > lastMember) {
        throw std::logic_error("the glTF model's members are not in the order written");
    }
    return {model.substr(0, accessorsEnd),
            animation->accessors,
            model.substr(accessorsEnd, viewsEnd - accessorsEnd),
            animation->bufferViews,
            model.substr(viewsEnd, lastMember - viewsEnd),
            animation->member,
            members,
            model.substr(lastMember)};
}

} // namespace burgeon
