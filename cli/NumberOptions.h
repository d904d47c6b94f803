#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>

namespace burgeon {

// The checks of the commands' number options, with messages that fit what was typed: "--fps:
// 2.5 is not a whole number from 1 to 240", "--fps: nan is not a finite number". Help lists
// the range the same way ("INT in 1 to 240").

// A whole number from minimum to maximum.
CLI::Validator wholeNumber(std::int64_t minimum, std::int64_t maximum);

// A finite number from minimum to maximum.
CLI::Validator finiteNumber(double minimum, double maximum);

// Any finite number.
CLI::Validator finiteNumber();

// --max-seconds S: stops a compilation that takes longer than S seconds (0.001 to 10^9).
void addMaxSecondsOption(CLI::App& app, std::optional<double>& seconds);

} // namespace burgeon
