#pragma once

#include <cstddef>
#include <string_view>

namespace burgeon {

// One line of growth data: a time and values, each a run of digits and '.', separated by
// exactly one character that is dropped, optionally followed by blanks and control characters.

// True when the line holds a character that no data line may hold: ! # $ % & ( ) * - / = @,
// the letters, [ \ ] ^ and { | }. Signs and exponents are therefore never accepted.
bool holdsForbiddenCharacter(std::string_view line);

// Takes the next field off the front of the (trimmed) remaining text: the longest run of
// digits and '.', then drops the one character after it and trims what is left. The field may
// be empty when the text starts with another character.
std::string_view takeDataField(std::string_view& rest);

// The field as a decimal number; throws "'%s' is not a valid floating point value" for an
// empty field or one such as "." or "1.2.3".
double convertDataField(std::string_view field);

// How many fields (the time included) a trimmed line splits into, whatever they hold.
std::size_t countDataFields(std::string_view line);

} // namespace burgeon
