#pragma once

#include <string>
#include <string_view>

namespace burgeon {

// Texts Burgeon keeps (an L-system, growth data, a file name) are bytes, and may hold bytes
// that are not UTF-8: a Latin-1 "\xE9" in an L-system's comment, a folder's name. JSON holds
// only UTF-8, so such a text is written with each stray byte as the private-use character
// U+F700 + byte ("caf\xE9" -> "caf\u{F7E9}"). A character of that range (U+F780..U+F7FF) the
// text really holds is written byte by byte the same way, so reading every U+F780..U+F7FF back
// as its byte gives the text again, byte for byte.

// The text as JSON may hold it: well-formed UTF-8, every stray byte carried.
std::string encodeStrayBytes(std::string_view bytes);

// The bytes a text of encodeStrayBytes stands for.
std::string decodeStrayBytes(std::string_view text);

} // namespace burgeon
