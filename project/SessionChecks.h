#pragma once

#include "base/Message.h"

#include <nlohmann/json.hpp>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace burgeon {

using SessionJson = nlohmann::ordered_json;

// The first value of a session that cannot be taken, with the message that says why.
struct SessionValueError {
    std::string text;
};

// Typed reads of session values, each naming the key path of what it reads in its message
// ("parameters.internodeLength: expected a number from 0.01 to 3, found "abc""). A failed read
// throws SessionValueError; keys nobody reads are reported as warnings.
class SessionChecks {
public:
    explicit SessionChecks(Messages& warnings) : warnings_(warnings) {}

    // The member of an object, or nullptr when the object lacks it.
    static const SessionJson* member(const SessionJson& object, std::string_view key);
    // A member that must be an object when present; an empty object when absent.
    const SessionJson& object(const SessionJson& parent, std::string_view key,
                              const std::string& path);
    // Warns of every key of the object that is not one of the known ones.
    void warnUnknown(const SessionJson& object, const std::string& path,
                     std::initializer_list<std::string_view> known);
    void warnUnknownKey(const std::string& path);

    double number(const SessionJson& value, const std::string& path, double minimum,
                  double maximum);
    int integer(const SessionJson& value, const std::string& path, int minimum, int maximum);
    bool boolean(const SessionJson& value, const std::string& path);
    // A text, with the bytes that are not UTF-8 that the session carries (decodeStrayBytes).
    std::string text(const SessionJson& value, const std::string& path);
    // An array of count numbers within the range.
    template <std::size_t Count>
    std::array<double, Count> numbers(const SessionJson& value, const std::string& path,
                                      double minimum, double maximum);
    const SessionJson& array(const SessionJson& value, const std::string& path,
                             std::size_t maximumSize);

    [[noreturn]] static void fail(const std::string& path, const std::string& expected,
                                  const SessionJson& found);

private:
    Messages& warnings_;
};

// A value as the messages quote it: its JSON text as printableField shows it, cut after 40
// characters with "…".
std::string quoteFound(const SessionJson& value);

template <std::size_t Count>
std::array<double, Count> SessionChecks::numbers(const SessionJson& value, const std::string& path,
                                                 double minimum, double maximum) {
    if (!value.is_array() || value.size() != Count) {
        fail(path, std::to_string(Count) + " numbers", value);
    }
    std::array<double, Count> result{};
    for (std::size_t i = 0; i < Count; ++i) {
        result[i] = number(value[i], path + "." + std::to_string(i), minimum, maximum);
    }
    return result;
}

} // namespace burgeon
