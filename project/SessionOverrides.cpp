#include "project/SessionOverrides.h"

#include "project/Session.h"
#include "project/SessionParser.h"

#include "base/PrintableText.h"

#include <charconv>

namespace burgeon {

namespace {

std::vector<std::string> pathSegments(const std::string& path) {
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = path.find('.', start);
        segments.push_back(path.substr(start, dot - start));
        if (dot == std::string::npos) {
            return segments;
        }
        start = dot + 1;
    }
}

// The child a segment names: an object's key or a list's index; nullptr when there is none.
template <typename Json> Json* child(Json& node, const std::string& segment) {
    if (node.is_object()) {
        const auto found = node.find(segment);
        return found == node.end() ? nullptr : &*found;
    }
    std::size_t index = 0;
    const auto end = segment.data() + segment.size();
    if (node.is_array() && std::from_chars(segment.data(), end, index).ptr == end &&
        !segment.empty() && index < node.size()) {
        return &node[index];
    }
    return nullptr;
}

// The value a path names in the session being changed: keys of objects as the format has them
// (a key the file leaves out starts from its start-up value), entries of lists as the file
// holds them ("lsystem.3" is the L-system's fourth line, when it has one).
SessionJson& settingTarget(SessionJson& json, const SessionJson& schema,
                           const std::vector<std::string>& segments, const std::string& path) {
    const std::string setting = "--set " + printableField(path) + ": ";
    const SessionValueError noSuchKey{setting + "a session has no such key"};
    SessionJson* target = &json;
    const SessionJson* model = &schema;
    std::string reached;
    for (const std::string& segment : segments) {
        if (target->is_object()) {
            model = model != nullptr && model->is_object() ? child(*model, segment) : nullptr;
            if (model == nullptr) {
                throw noSuchKey;
            }
            SessionJson* next = child(*target, segment);
            target = next != nullptr ? next : &((*target)[segment] = *model);
        } else if (target->is_array()) {
            SessionJson* next = child(*target, segment);
            if (next == nullptr) {
                throw SessionValueError{setting + printableField(reached) + " holds " +
                                        std::to_string(target->size()) + " entries, from 0"};
            }
            target = next;
            // Entries of a list are alike: the first of the start-up list, when it has one.
            model = model != nullptr && model->is_array() && !model->empty() ? &model->front()
                                                                             : nullptr;
        } else {
            throw noSuchKey;
        }
        reached += (reached.empty() ? "" : ".") + segment;
    }
    return *target;
}

} // namespace

void applySessionOverrides(SessionJson& json, const std::vector<std::string>& overrides) {
    if (overrides.empty()) {
        return;
    }
    // The format's keys, as a session of the start-up plant writes them, and those a session
    // holds only when they differ from the start-up value.
    PlantProject everyKey;
    everyKey.view.detail = DrawingDetail::Full;
    const SessionJson schema = SessionJson::parse(sessionText(everyKey, "."));
    for (const std::string& setting : overrides) {
        const std::size_t equals = setting.find('=');
        if (equals == std::string::npos || equals == 0) {
            throw SessionValueError{"--set " + printableField(setting) + ": expected KEY=VALUE"};
        }
        const std::string path = setting.substr(0, equals);
        const std::vector<std::string> segments = pathSegments(path);
        SessionJson& target = settingTarget(json, schema, segments, path);
        target = parseSettingValue(setting.substr(equals + 1), path, segments.size());
    }
}

} // namespace burgeon
