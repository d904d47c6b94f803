#pragma once

#include "base/Message.h"

#include <cstddef>
#include <string>

namespace burgeon {

// Where in a file a message arose, as the command line prints it on a line of its own after
// the message's text: "in line 7 of leaf.txt". firstLine is the file's line where the text the
// reader saw begins (an L-system block of a larger file). Empty when the line or the file is
// not known.
std::string messagePlace(std::size_t line, const std::string& fileName, std::size_t firstLine = 1);

} // namespace burgeon
