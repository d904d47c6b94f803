#pragma once

#include <string_view>

namespace burgeon {

// Whether a standard text says that a file cannot be read or written: it cannot be opened,
// created or found, reading it failed, or it is larger than its limit. The text may follow a
// file's name and ": " ("lib.txt: Cannot open file lib.txt"). Front ends that tell such
// failures apart from bad contents (the Python module's FileError) ask this.
bool isFileFault(std::string_view text);

} // namespace burgeon
