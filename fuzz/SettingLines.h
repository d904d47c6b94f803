#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace burgeon {

// A session input of the fuzzers: the KEY=VALUE of its leading "--set KEY=VALUE" lines, as
// the command line passes them, and the session text after them.
struct SettingLines {
    std::vector<std::string> settings;
    std::string rest;
};

// How many leading "--set" lines the session fuzzers take at most.
constexpr std::size_t MostSettingLines = 4;

// Takes at most `most` leading "--set " lines off the bytes.
SettingLines splitSettingLines(std::string_view bytes, std::size_t most = MostSettingLines);

} // namespace burgeon
