#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace burgeon {

// Numbers as the user sees them: general format, at most 15 significant digits, no trailing
// zeros, no decimal point for whole numbers, "." as the separator. A 32-bit value passed here
// widens to double first, so it shows the digits of its binary value (0.79f -> 0.790000021457672).
std::string formatGeneral(double value);

// Nearest integer, halves to the even neighbour. Throws "Invalid floating point operation" when
// the value is not finite or does not fit in 64 bits.
std::int64_t roundHalfEven(double value);

// Decimal integer with an optional sign; surrounding blanks are allowed. Throws
// "'%s' is not a valid integer value" with the text as given.
std::int32_t parseInteger(std::string_view text);
bool tryParseInteger(std::string_view text, std::int32_t& value);

// Decimal number with optional sign, fraction and exponent; surrounding blanks are allowed.
// Throws "'%s' is not a valid floating point value" with the text as given.
double parseFloat(std::string_view text);
bool tryParseFloat(std::string_view text, double& value);

// The shortest text that reads back to the same double (for machine-readable output).
std::string formatRoundTrip(double value);

} // namespace burgeon
