#include "pages/RtfText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <string_view>
#include <vector>

namespace burgeon {

namespace {

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Windows-1252, the code page rich-text editors write \'xx escapes in; the other bytes of
// the upper half are Latin-1.
std::uint32_t windows1252(unsigned char byte) {
    static constexpr std::array<std::uint16_t, 32> upper = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    if (byte >= 0x80 && byte < 0xA0) {
        return upper[byte - 0x80];
    }
    return byte;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Groups whose content is not document text.
bool isSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 16> destinations = {
        "fonttbl", "colortbl",  "stylesheet", "info",        "pict",    "header",
        "footer",  "headerl",   "headerr",    "footerl",     "footerr", "listtable",
        "object",  "themedata", "generator",  "latentstyles"};
    for (const auto destination : destinations) {
        if (word == destination) {
            return true;
        }
    }
    return false;
}

struct GroupState {
    bool skipped = false;
    int unicodeSkip = 1; // characters after \uN that stand in for it (\ucN)
};

class RichTextReader {
public:
    explicit RichTextReader(std::string_view rtf) : rtf_(rtf) {}

    std::string read() {
        std::vector<GroupState> groups{GroupState{}};
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_];
            if (c == '{') {
                groups.push_back(groups.back());
                ++pos_;
            } else if (c == '}') {
                if (groups.size() > 1) {
                    groups.pop_back();
                }
                ++pos_;
            } else if (c == '\\') {
                readControl(groups.back());
            } else {
                ++pos_;
                // Line breaks in the source only wrap it; they are not text.
                if (c != '\r' && c != '\n' && !groups.back().skipped) {
                    text_ += c;
                }
            }
        }
        return text_;
    }

private:
    void emit(GroupState& group, std::string_view piece) {
        if (!group.skipped) {
            text_ += piece;
        }
    }

    void readControl(GroupState& group) {
        ++pos_; // the backslash
        if (pos_ >= rtf_.size()) {
            return;
        }
        const char c = rtf_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            readControlSymbol(group, c);
            return;
        }
        const std::size_t wordStart = pos_;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) {
            ++pos_;
        }
        const std::string_view word = rtf_.substr(wordStart, pos_ - wordStart);
        bool hasParameter = false;
        long parameter = 0;
        bool negative = false;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
            hasParameter = true;
            if (parameter < 100000000) {
                parameter = parameter * 10 + (rtf_[pos_] - '0');
            }
            ++pos_;
        }
        if (negative) {
            parameter = -parameter;
        }
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') {
            ++pos_; // the delimiter belongs to the control word
        }
        applyWord(group, word, hasParameter, parameter);
    }

    void readControlSymbol(GroupState& group, char symbol) {
        ++pos_;
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            emit(group, std::string_view(&symbol, 1));
            break;
        case '~':
            emit(group, "\xC2\xA0");
            break;
        case '_':
            emit(group, "-");
            break;
        case '*':
            group.skipped = true; // an optional destination this reader does not know
            break;
        case '\'':
            readHexCharacter(group);
            break;
        case '\r':
        case '\n':
            emit(group, "\n"); // a backslash before a line break is a paragraph break
            break;
        default:
            break;
        }
    }

    void readHexCharacter(GroupState& group) {
        if (pos_ + 2 > rtf_.size()) {
            pos_ = rtf_.size();
            return;
        }
        const int high = hexDigit(rtf_[pos_]);
        const int low = hexDigit(rtf_[pos_ + 1]);
        pos_ += 2;
        if (high < 0 || low < 0 || group.skipped) {
            return;
        }
        appendUtf8(text_, windows1252(static_cast<unsigned char>(high * 16 + low)));
    }

    void applyWord(GroupState& group, std::string_view word, bool hasParameter, long parameter) {
        if (word == "par" || word == "line" || word == "sect" || word == "page") {
            emit(group, "\n");
        } else if (word == "tab") {
            emit(group, "\t");
        } else if (word == "uc" && hasParameter) {
            group.unicodeSkip = static_cast<int>(parameter);
        } else if (word == "u" && hasParameter) {
            const long code = parameter < 0 ? parameter + 65536 : parameter;
            if (!group.skipped && code >= 0 && code <= 0x10FFFF) {
                appendUtf8(text_, static_cast<std::uint32_t>(code));
            }
            skipFallback(group.unicodeSkip);
        } else if (word == "emdash") {
            emit(group, "\xE2\x80\x94");
        } else if (word == "endash") {
            emit(group, "\xE2\x80\x93");
        } else if (word == "lquote") {
            emit(group, "\xE2\x80\x98");
        } else if (word == "rquote") {
            emit(group, "\xE2\x80\x99");
        } else if (word == "ldblquote") {
            emit(group, "\xE2\x80\x9C");
        } else if (word == "rdblquote") {
            emit(group, "\xE2\x80\x9D");
        } else if (word == "bullet") {
            emit(group, "\xE2\x80\xA2");
        } else if (isSkippedDestination(word)) {
            group.skipped = true;
        }
    }

    // The stand-in characters after \uN: each is one character, a \'xx escape or a control.
    void skipFallback(int count) {
        for (int i = 0; i < count && pos_ < rtf_.size(); ++i) {
            const char c = rtf_[pos_];
            if (c == '{' || c == '}') {
                return;
            }
            if (c == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'') {
                pos_ = std::min(pos_ + 4, rtf_.size());
            } else if (c == '\\') {
                return;
            } else {
                ++pos_;
            }
        }
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    std::string text_;
};

// Decodes one UTF-8 sequence at pos; a malformed byte stands for itself (Latin-1).
std::uint32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    int length = 0;
    std::uint32_t code = 0;
    if (byte >= 0xF0 && byte < 0xF8) {
        length = 4;
        code = byte & 0x07u;
    } else if (byte >= 0xE0) {
        length = 3;
        code = byte & 0x0Fu;
    } else if (byte >= 0xC0) {
        length = 2;
        code = byte & 0x1Fu;
    }
    if (length == 0 || byte >= 0xF8 || pos + static_cast<std::size_t>(length) > text.size()) {
        ++pos;
        return byte;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return byte;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    pos += static_cast<std::size_t>(length);
    return code;
}

void appendUnicodeEscape(std::string& out, std::uint32_t code) {
    // \uN takes a signed 16-bit number; characters beyond the basic plane go as a pair.
    auto unit = [&out](std::uint32_t value) {
        const long signedValue = value > 32767 ? static_cast<long>(value) - 65536 : value;
        out += "\\u" + std::to_string(signedValue) + "?";
    };
    if (code >= 0x10000) {
        const std::uint32_t offset = code - 0x10000;
        unit(0xD800 + (offset >> 10));
        unit(0xDC00 + (offset & 0x3FF));
    } else {
        unit(code);
    }
}

} // namespace

bool isRichText(std::string_view text) {
    return text.starts_with("{\\rtf");
}

std::string richTextToPlainText(std::string_view rtf) {
    std::string text = RichTextReader(rtf).read();
    // Pairs of \uN escapes for characters beyond the basic plane were written one half each;
    // join them back into one character.
    std::string joined;
    std::size_t pos = 0;
    std::uint32_t pendingHigh = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const std::uint32_t code = nextCodePoint(text, pos);
        if (code >= 0xD800 && code < 0xDC00) {
            pendingHigh = code;
            continue;
        }
        if (code >= 0xDC00 && code < 0xE000 && pendingHigh != 0) {
            appendUtf8(joined, 0x10000 + ((pendingHigh - 0xD800) << 10) + (code - 0xDC00));
            pendingHigh = 0;
            continue;
        }
        pendingHigh = 0;
        joined.append(text, start, pos - start);
    }
    return joined;
}

std::string plainTextToRichText(std::string_view text) {
    std::string out = "{\\rtf1\\ansi\\uc1\n";
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '\n') {
            out += "\\par\n";
            ++pos;
        } else if (c == '\t') {
            out += "\\tab ";
            ++pos;
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
            ++pos;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            // Carriage returns and other control characters would be taken for source
            // wrapping or dropped; as escapes they read back as they were.
            appendUnicodeEscape(out, static_cast<unsigned char>(c));
            ++pos;
        } else if (static_cast<unsigned char>(c) < 0x80) {
            out += c;
            ++pos;
        } else {
            appendUnicodeEscape(out, nextCodePoint(text, pos));
        }
    }
    out += "}";
    return out;
}

} // namespace burgeon
