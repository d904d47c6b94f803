#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace burgeon {

// The seven example L-systems that the text editor shows when no example file is read; the
// example file "LsysExam.Lsys" holds the same text.
extern const char* const ExampleLSystemsText;

// The L-system blocks of a text that holds several: a block runs from a line ending in "{" to
// the next line that is "}" (or to the end of the text); lines outside blocks are left out.
std::vector<std::vector<std::string>> splitLSystemBlocks(const std::vector<std::string>& lines);

// The same blocks with the line of the text each starts on (from 1), so that a place in a
// block can be named in the text.
struct LSystemBlock {
    std::size_t firstLine = 1;
    std::vector<std::string> lines;
};
std::vector<LSystemBlock> lsystemBlocks(const std::vector<std::string>& lines);

} // namespace burgeon
