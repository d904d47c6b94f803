#include "base/PrintableText.h"

namespace burgeon {

namespace {

constexpr const char* Ellipsis = "\xE2\x80\xA6"; // "…"

void appendHexEscape(std::string& out, unsigned char byte) {
    static constexpr char digits[] = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point of one well-formed character.
char32_t codePointOf(std::string_view character) {
    static constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = static_cast<unsigned char>(character[0]) & leadBits[character.size()];
    for (std::size_t i = 1; i < character.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(character[i]) & 0x3Fu);
    }
    return code;
}

// Characters a terminal shows as nothing or that turn the text around them: C1 controls, the
// soft hyphen, zero-width and direction marks, line and paragraph separators, the byte order
// mark.
bool isInvisible(char32_t code) {
    return (code >= 0x80 && code <= 0x9F) || code == 0xAD || code == 0x61C || code == 0x180E ||
           (code >= 0x200B && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E) ||
           (code >= 0x2060 && code <= 0x206F) || code == 0xFEFF ||
           (code >= 0xFFF9 && code <= 0xFFFB);
}

} // namespace

std::size_t utf8CharacterLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    // The ranges of the second byte that keep the character short-form, below the surrogates
    // and within U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i]))) {
            return 0;
        }
    }
    return length;
}

bool isValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8CharacterLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

std::string printableByte(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    if (code > 0x20 && code < 0x7F) {
        return std::string(1, byte);
    }
    std::string out;
    appendHexEscape(out, code);
    return out;
}

std::string printableField(std::string_view text, std::size_t maxCharacters) {
    std::string out;
    std::size_t characters = 0;
    while (!text.empty()) {
        if (characters == maxCharacters) {
            out += Ellipsis;
            break;
        }
        const std::size_t length = utf8CharacterLength(text);
        const auto code = static_cast<unsigned char>(text[0]);
        if (length > 1 && isInvisible(codePointOf(text.substr(0, length)))) {
            for (std::size_t i = 0; i < length; ++i) {
                appendHexEscape(out, static_cast<unsigned char>(text[i]));
            }
            text.remove_prefix(length);
        } else if (length == 0 || code < 0x20 || code == 0x7F) {
            appendHexEscape(out, code);
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, length));
            text.remove_prefix(length);
        }
        ++characters;
    }
    return out;
}

} // namespace burgeon
