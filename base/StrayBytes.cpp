#include "base/StrayBytes.h"

#include "base/PrintableText.h"

#include <algorithm>

namespace burgeon {

namespace {

// U+F780..U+F7FF in UTF-8: EF 9E 80 .. EF 9F BF.
constexpr unsigned char CarrierLead = 0xEF;

bool isCarrier(std::string_view character) {
    return character.size() == 3 && static_cast<unsigned char>(character[0]) == CarrierLead &&
           (static_cast<unsigned char>(character[1]) & 0xFE) == 0x9E;
}

// The byte's carrier, U+F700 + byte, for bytes from 0x80.
void appendCarrier(std::string& out, unsigned char byte) {
    const unsigned codePoint = 0xF700u + byte;
    out += static_cast<char>(0xE0u | (codePoint >> 12));
    out += static_cast<char>(0x80u | ((codePoint >> 6) & 0x3Fu));
    out += static_cast<char>(0x80u | (codePoint & 0x3Fu));
}

} // namespace

std::string encodeStrayBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = utf8CharacterLength(bytes);
        if (length == 0) {
            // ASCII is always well-formed, so a stray byte is 0x80 or above.
            appendCarrier(out, static_cast<unsigned char>(bytes[0]));
            bytes.remove_prefix(1);
        } else if (isCarrier(bytes.substr(0, length))) {
            for (std::size_t i = 0; i < length; ++i) {
                appendCarrier(out, static_cast<unsigned char>(bytes[i]));
            }
            bytes.remove_prefix(length);
        } else {
            out.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
        }
    }
    return out;
}

std::string decodeStrayBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = std::max<std::size_t>(utf8CharacterLength(text), 1);
        const std::string_view character = text.substr(0, length);
        if (isCarrier(character)) {
            const auto middle = static_cast<unsigned char>(character[1]);
            const auto last = static_cast<unsigned char>(character[2]);
            out += static_cast<char>(((middle & 0x01u) << 6) | (last & 0x3Fu) | 0x80u);
        } else {
            out.append(character);
        }
        text.remove_prefix(length);
    }
    return out;
}

} // namespace burgeon
