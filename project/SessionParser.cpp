#include "project/SessionParser.h"

#include "base/PrintableText.h"
#include "base/StrayBytes.h"

#include <algorithm>
#include <vector>

namespace burgeon {

namespace {

// Thrown from the parser's callback at the first list or object past the limit.
struct TooDeep {
    std::string path;
};

// Follows the parser through the open lists and objects, so that the value that nests too
// deeply can be named by its key path.
class NestingWatch {
public:
    explicit NestingWatch(std::size_t limit) : limit_(limit) {}

    bool operator()(int depth, SessionJson::parse_event_t event, SessionJson& parsed) {
        using Event = SessionJson::parse_event_t;
        const auto level = static_cast<std::size_t>(depth);
        switch (event) {
        case Event::object_start:
        case Event::array_start:
            enterElement(level);
            if (level >= limit_) {
                throw TooDeep{keyPath()};
            }
            open_.push_back({event == Event::array_start, 0, {}});
            break;
        case Event::key:
            if (!open_.empty()) {
                open_.back().key = parsed.get<std::string>();
            }
            break;
        case Event::value:
            enterElement(level);
            break;
        case Event::object_end:
        case Event::array_end:
            if (!open_.empty()) {
                open_.pop_back();
            }
            break;
        }
        return true;
    }

private:
    struct Container {
        bool list = false;
        std::size_t elements = 0; // of a list: the elements begun so far
        std::string key;          // of an object: the key read last
    };

    // A value begins inside the container at that level (0: the top).
    void enterElement(std::size_t level) {
        if (level > 0 && level == open_.size()) {
            ++open_.back().elements;
        }
    }

    // The keys down to the first list: the member that holds the deep value.
    std::string keyPath() const {
        std::string path;
        for (const Container& container : open_) {
            if (container.list) {
                break;
            }
            path += (path.empty() ? "" : ".") + container.key;
        }
        return path.empty() ? std::string("the top") : printableField(path);
    }

    std::size_t limit_;
    std::vector<Container> open_;
};

std::string nestingText(std::size_t limit) {
    return "lists and objects nest more than " + std::to_string(limit) +
           " levels deep, the limit of a session";
}

// Where the byte at offset stands: "line 3, column 7".
std::string placeOf(const std::string& text, std::size_t offset) {
    const std::size_t place = std::min(offset, text.size());
    const auto lineStart = place == 0 ? std::string::npos : text.rfind('\n', place - 1);
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + place, '\n'));
    const std::size_t column = place - (lineStart == std::string::npos ? 0 : lineStart + 1) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The parser's text without its "[json.exception.NAME.N] " prefix and its own place, and with
// what it last read quoted so that neither its length nor its bytes reach the terminal whole.
std::string parserReason(const std::string& what) {
    std::string reason = what;
    if (const auto end = reason.find("] "); end != std::string::npos) {
        reason = reason.substr(end + 2);
    }
    if (const auto column = reason.find("column "); column != std::string::npos) {
        if (const auto colon = reason.find(": ", column); colon != std::string::npos) {
            reason = reason.substr(colon + 2);
        }
    }
    static const std::string lastRead = "last read: '";
    const auto quoted = reason.find(lastRead);
    const auto close = reason.rfind('\'');
    if (quoted != std::string::npos && close >= quoted + lastRead.size()) {
        const std::size_t start = quoted + lastRead.size();
        reason = reason.substr(0, start) + printableField(reason.substr(start, close - start)) +
                 reason.substr(close);
    }
    return reason;
}

// A number too large for a double: the parser names the number but not its place, so the
// place is where the number first stands in the text.
std::string overflowPlace(const std::string& text, const std::string& what) {
    const auto open = what.find('\'');
    const auto close = what.rfind('\'');
    if (open == std::string::npos || close <= open) {
        return parserReason(what);
    }
    const std::string number = what.substr(open + 1, close - open - 1);
    const std::string reason = "number overflow parsing '" + printableField(number) + "'";
    const auto at = text.find(number);
    return at == std::string::npos ? reason : placeOf(text, at) + ": " + reason;
}

// The offset of the first byte that is not part of a well-formed UTF-8 character, or npos.
std::size_t firstStrayByte(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = utf8CharacterLength(std::string_view(text).substr(at));
        if (length == 0) {
            return at;
        }
        at += length;
    }
    return std::string::npos;
}

SessionJson parseNested(const std::string& text, std::size_t limit) {
    NestingWatch watch(limit);
    return SessionJson::parse(text, std::ref(watch));
}

} // namespace

SessionJson parseSessionText(const std::string& text) {
    const std::string notSession = "not a session file: ";
    if (const std::size_t stray = firstStrayByte(text); stray != std::string::npos) {
        throw SessionValueError{notSession + placeOf(text, stray) + ": the byte " +
                                printableByte(text[stray]) + " is not UTF-8 text"};
    }
    try {
        return parseNested(text, MaxSessionNesting);
    } catch (const TooDeep& deep) {
        throw SessionValueError{deep.path + ": " + nestingText(MaxSessionNesting)};
    } catch (const SessionJson::parse_error& error) {
        // byte counts the characters read, so the last one read is byte - 1 from the start.
        const std::size_t last = error.byte > 0 ? error.byte - 1 : 0;
        throw SessionValueError{notSession + placeOf(text, last) + ": " +
                                parserReason(error.what())};
    } catch (const SessionJson::out_of_range& error) {
        throw SessionValueError{notSession + overflowPlace(text, error.what())};
    }
}

SessionJson parseSettingValue(const std::string& text, const std::string& path, std::size_t depth) {
    const std::size_t limit = depth < MaxSessionNesting ? MaxSessionNesting - depth : 0;
    try {
        return parseNested(text, limit);
    } catch (const TooDeep&) {
        throw SessionValueError{"--set " + printableField(path) + ": the value's " +
                                nestingText(MaxSessionNesting)};
    } catch (const SessionJson::exception&) {
        // Not JSON: the value is a text.
        return SessionJson(encodeStrayBytes(text));
    }
}

} // namespace burgeon
