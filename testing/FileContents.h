#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace burgeon::testing {

// The whole content of a file, byte for byte ("" when it cannot be read).
std::string contentOf(const std::filesystem::path& file);

// Writes a file with a plain stream, outside the program's own way of writing files: the
// files a test sets up.
void writePlain(const std::filesystem::path& file, const std::string& content);

// The text of the StandardError the action throws, or "no error".
std::string errorMessageOf(const std::function<void()>& action);

} // namespace burgeon::testing
