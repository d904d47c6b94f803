#pragma once

#include "base/Message.h"
#include "engine/Outcome.h"

#include <cstddef>
#include <iosfwd>
#include <string>

namespace burgeon {

// Each message as "message: TEXT", followed by its place in fileName when it has one.
void printMessages(std::ostream& out, const Messages& messages, const std::string& fileName,
                   std::size_t firstLine = 1);

// What an engine call told, in order: messages as "message: TEXT", warnings as
// "warning: TEXT", failures after the command's prefix ("burgeon render: "), details as they
// stand; each followed by its place on a line of its own.
void printNotices(std::ostream& out, const Outcome& outcome, const std::string& prefix);

} // namespace burgeon
