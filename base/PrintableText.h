#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace burgeon {

// Texts taken from a file or typed by a user, made fit to quote in a message: a NUL, a control
// character or a stray byte must neither vanish, break the message's line nor reach the
// terminal raw.

// One byte on its own (a symbol): the graphic ASCII characters as themselves, everything else,
// the blank included, as \xHH ("\x00", "\x20", "\xE9").
std::string printableByte(char byte);

// A field quoted in a message: control characters, DEL, bytes that are not part of a
// well-formed UTF-8 character and the bytes of characters a terminal would not show (C1
// controls, zero-width and direction marks, the byte order mark) as \xHH; blanks and other
// well-formed characters as they are. A field
// of more than maxCharacters characters keeps its first maxCharacters followed by "…".
constexpr std::size_t MessageFieldLength = 40;
std::string printableField(std::string_view text, std::size_t maxCharacters = MessageFieldLength);

// True when the text is well-formed UTF-8: no stray or overlong bytes, no surrogates, nothing
// beyond U+10FFFF.
bool isValidUtf8(std::string_view text);

// The length of the well-formed UTF-8 character at the start of the text, 0 when there is none.
std::size_t utf8CharacterLength(std::string_view text);

} // namespace burgeon
