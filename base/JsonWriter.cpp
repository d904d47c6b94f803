#include "base/JsonWriter.h"

#include "base/NumberText.h"
#include "base/PrintableText.h"
#include "base/StrayBytes.h"

#include <cstdio>

namespace burgeon {

namespace {

// The code point of one well-formed UTF-8 character.
std::uint32_t codePointOf(std::string_view character) {
    static constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t code = static_cast<unsigned char>(character[0]) & leadBits[character.size()];
    for (std::size_t i = 1; i < character.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(character[i]) & 0x3Fu);
    }
    return code;
}

// "\uXXXX", or a surrogate pair beyond the basic plane, so the output stays ASCII.
void appendUnicodeEscape(std::string& out, std::uint32_t code) {
    char escape[16];
    if (code >= 0x10000) {
        const std::uint32_t offset = code - 0x10000;
        std::snprintf(escape, sizeof escape, "\\u%04x\\u%04x", 0xD800 + (offset >> 10),
                      0xDC00 + (offset & 0x3FF));
    } else {
        std::snprintf(escape, sizeof escape, "\\u%04x", code);
    }
    out += escape;
}

} // namespace

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
    const std::string carried = encodeStrayBytes(text);
    std::string_view rest = carried;
    while (!rest.empty()) {
        const std::size_t length = utf8CharacterLength(rest);
        const auto c = static_cast<unsigned char>(rest[0]);
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
                appendUnicodeEscape(text_, codePointOf(rest.substr(0, length)));
            } else {
                text_ += static_cast<char>(c);
            }
        }
        rest.remove_prefix(length);
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
