#include "base/JsonWriter.h"

#include "base/NumberText.h"

#include <cstdio>

namespace burgeon {

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasMembers_.empty()) {
        if (hasMembers_.back()) {
            text_ += ',';
        }
        hasMembers_.back() = true;
    }
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    text_ += '{';
    hasMembers_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    hasMembers_.pop_back();
    text_ += '}';
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    text_ += '[';
    hasMembers_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    hasMembers_.pop_back();
    text_ += ']';
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    value(name);
    text_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    separate();
    text_ += '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            text_ += "\\\"";
            break;
        case '\\':
            text_ += "\\\\";
            break;
        case '\n':
            text_ += "\\n";
            break;
        case '\r':
            text_ += "\\r";
            break;
        case '\t':
            text_ += "\\t";
            break;
        default:
            if (c < 0x20 || c >= 0x7f) {
                // Texts are 8-bit; bytes outside ASCII are written as their Latin-1 code point.
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                text_ += escape;
            } else {
                text_ += static_cast<char>(c);
            }
        }
    }
    text_ += '"';
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    separate();
    text_ += formatRoundTrip(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
    separate();
    text_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separate();
    text_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::stringArray(const std::vector<std::string>& texts) {
    beginArray();
    for (const auto& text : texts) {
        value(text);
    }
    return endArray();
}

} // namespace burgeon
