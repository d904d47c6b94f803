#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace burgeon {

// Lines as a text editor shows them: "\n" or "\r\n" ends a line, and a final line break does
// not start an extra line ("a\nb\n" is two lines, "" is none).
std::vector<std::string> splitLines(std::string_view text);

// The inverse of splitLines for lines that hold no line break: joined with "\n", no final one.
std::string joinLines(const std::vector<std::string>& lines);

// Leading and trailing characters with codes 0..32 removed (blanks and control characters).
std::string_view trimControl(std::string_view text);
std::string_view trimLeftControl(std::string_view text);
std::string_view trimRightControl(std::string_view text);

std::string toLowerAscii(std::string_view text);
std::string toUpperAscii(std::string_view text);

} // namespace burgeon
