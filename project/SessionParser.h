#pragma once

#include "project/SessionChecks.h"

#include <cstddef>
#include <string>

namespace burgeon {

// How deep lists and objects may nest in a session, a --set value included. The format itself
// needs four levels (leaf.points.3.0); the limit keeps every walk over a value (a message
// quoting it, a copy, a comparison) far from the end of the stack.
inline constexpr std::size_t MaxSessionNesting = 64;

// The JSON of a session text. Throws SessionValueError with "not a session file: line L,
// column C: why" for text that is not UTF-8 or not JSON, and with the key path and the limit
// for values nested deeper than MaxSessionNesting.
SessionJson parseSessionText(const std::string& text);

// A --set value: JSON, or a text when it does not read as JSON (bytes that are not UTF-8 kept
// as SessionText writes them). path names the key in messages; the value may nest as deep as
// the limit leaves below the key (depth: the key's own nesting).
SessionJson parseSettingValue(const std::string& text, const std::string& path, std::size_t depth);

} // namespace burgeon
