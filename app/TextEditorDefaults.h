#pragma once

#include <string>

namespace burgeon {

// The seven example L-system blocks the Text Editor page shows when no example file is read,
// one line per editor line ("\n" between lines, none after the last).
const std::string& textEditorDefaultText();

} // namespace burgeon
