#include "project/SessionOverrides.h"

#include "project/Session.h"

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
SessionJson* child(SessionJson& node, const std::string& segment) {
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

SessionJson parseValue(const std::string& text) {
    SessionJson value = SessionJson::parse(text, nullptr, false);
    return value.is_discarded() ? SessionJson(text) : value;
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
    SessionJson schema = SessionJson::parse(sessionText(everyKey, "."));
    for (const std::string& setting : overrides) {
        const std::size_t equals = setting.find('=');
        if (equals == std::string::npos || equals == 0) {
            throw SessionValueError{"--set " + setting + ": expected KEY=VALUE"};
        }
        const std::string path = setting.substr(0, equals);
        SessionJson* target = &json;
        SessionJson* model = &schema;
        for (const std::string& segment : pathSegments(path)) {
            model = child(*model, segment);
            if (model == nullptr) {
                throw SessionValueError{"--set " + path + ": a session has no such key"};
            }
            SessionJson* next = child(*target, segment);
            if (next == nullptr) {
                // A key the file leaves out: it starts from the start-up value.
                if (target->is_object()) {
                    next = &((*target)[segment] = *model);
                } else {
                    throw SessionValueError{"--set " + path + ": a session has no such key"};
                }
            }
            target = next;
        }
        *target = parseValue(setting.substr(equals + 1));
    }
}

} // namespace burgeon
