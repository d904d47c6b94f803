#include "project/SessionOverrides.h"

#include "project/Session.h"
#include "project/SessionParser.h"

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

} // namespace

void applySessionOverrides(SessionJson& json, const std::vector<std::string>& overrides) {
    if (overrides.empty()) {
        return;
    }
    // The format's keys, as a session of the start-up plant writes them.
    SessionJson schema = SessionJson::parse(sessionText(PlantProject{}, "."));
    for (const std::string& setting : overrides) {
        const std::size_t equals = setting.find('=');
        if (equals == std::string::npos || equals == 0) {
            throw SessionValueError{"--set " + setting + ": expected KEY=VALUE"};
        }
        const std::string path = setting.substr(0, equals);
        SessionJson* target = &json;
        SessionJson* model = &schema;
        const std::vector<std::string> segments = pathSegments(path);
        for (const std::string& segment : segments) {
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
        *target = parseSettingValue(setting.substr(equals + 1), path, segments.size());
    }
}

} // namespace burgeon
