#include "project/SessionChecks.h"

#include "base/NumberText.h"
#include "base/PrintableText.h"
#include "base/StrayBytes.h"

#include <algorithm>
#include <cmath>

namespace burgeon {

namespace {

std::string range(double minimum, double maximum) {
    return "from " + formatGeneral(minimum) + " to " + formatGeneral(maximum);
}

// The value's JSON text, written until it holds at least budget bytes: each level writes a
// bracket before it goes deeper, so the budget bounds the depth of the walk, and a long text or
// list costs no more than its first characters.
void appendQuoted(std::string& out, const SessionJson& value, std::size_t budget) {
    if (out.size() >= budget) {
        return;
    }
    if (value.is_string()) {
        const auto& text = value.get_ref<const std::string&>();
        const SessionJson head(text.substr(0, budget));
        out += head.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        if (head.get_ref<const std::string&>().size() < text.size()) {
            out.pop_back(); // the closing quote of a text that goes on
        }
        return;
    }
    if (!value.is_structured()) {
        out += value.dump();
        return;
    }
    const bool object = value.is_object();
    out += object ? '{' : '[';
    bool first = true;
    for (auto item = value.begin(); item != value.end() && out.size() < budget; ++item) {
        out += first ? "" : ",";
        first = false;
        if (object) {
            appendQuoted(out, SessionJson(item.key()), budget);
            out += ':';
        }
        appendQuoted(out, *item, budget);
    }
    out += object ? '}' : ']';
}

} // namespace

std::string quoteFound(const SessionJson& value) {
    std::string text;
    // Enough bytes for the characters shown, however many bytes each takes.
    appendQuoted(text, value, 4 * (MessageFieldLength + 1));
    return printableField(text);
}

void SessionChecks::fail(const std::string& path, const std::string& expected,
                         const SessionJson& found) {
    throw SessionValueError{path + ": expected " + expected + ", found " + quoteFound(found)};
}

const SessionJson* SessionChecks::member(const SessionJson& object, std::string_view key) {
    if (!object.is_object()) {
        return nullptr;
    }
    const auto found = object.find(std::string(key));
    return found == object.end() ? nullptr : &*found;
}

const SessionJson& SessionChecks::object(const SessionJson& parent, std::string_view key,
                                         const std::string& path) {
    static const SessionJson empty = SessionJson::object();
    const SessionJson* value = member(parent, key);
    if (value == nullptr) {
        return empty;
    }
    if (!value->is_object()) {
        fail(path, "an object", *value);
    }
    return *value;
}

void SessionChecks::warnUnknown(const SessionJson& object, const std::string& path,
                                std::initializer_list<std::string_view> known) {
    for (const auto& [key, value] : object.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            std::string keyPath = path;
            if (!keyPath.empty()) {
                keyPath += '.';
            }
            keyPath += key;
            warnUnknownKey(keyPath);
        }
    }
}

void SessionChecks::warnUnknownKey(const std::string& path) {
    warnings_.push_back({MessageKind::Warning, "unknown key \"" + path + "\" was left out"});
}

double SessionChecks::number(const SessionJson& value, const std::string& path, double minimum,
                             double maximum) {
    if (!value.is_number()) {
        fail(path, "a number " + range(minimum, maximum), value);
    }
    const double result = value.get<double>();
    if (!std::isfinite(result) || result < minimum || result > maximum) {
        fail(path, "a number " + range(minimum, maximum), value);
    }
    return result;
}

int SessionChecks::integer(const SessionJson& value, const std::string& path, int minimum,
                           int maximum) {
    const std::string expected = "a whole number " + range(minimum, maximum);
    if (!value.is_number()) {
        fail(path, expected, value);
    }
    const double result = value.get<double>();
    if (result != std::floor(result) || result < minimum || result > maximum) {
        fail(path, expected, value);
    }
    return static_cast<int>(result);
}

bool SessionChecks::boolean(const SessionJson& value, const std::string& path) {
    if (!value.is_boolean()) {
        fail(path, "true or false", value);
    }
    return value.get<bool>();
}

std::string SessionChecks::text(const SessionJson& value, const std::string& path) {
    if (!value.is_string()) {
        fail(path, "a text", value);
    }
    return decodeStrayBytes(value.get_ref<const std::string&>());
}

const SessionJson& SessionChecks::array(const SessionJson& value, const std::string& path,
                                        std::size_t maximumSize) {
    if (!value.is_array() || value.size() > maximumSize) {
        fail(path, "a list of at most " + std::to_string(maximumSize) + " entries", value);
    }
    return value;
}

} // namespace burgeon
