#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace burgeon {

// Runs "burgeon COMMAND ARGS..." for a headless command. Returns the exit status: 0 when the
// command ran to its end, 1 when it stopped at a message, 2 for a usage error.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// True when the arguments name a headless command (otherwise the desktop application starts).
bool isHeadlessCommand(const std::vector<std::string>& arguments);

} // namespace burgeon
