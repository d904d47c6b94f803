#pragma once

#include <string>
#include <vector>

namespace burgeon::testing {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built burgeon executable with the arguments, in the given working folder (the
// test's own when empty), and captures its output and exit status. A shell prefix runs before
// the executable on its command line ("ulimit -f 8;", "setpriv ... ").
CommandResult runBurgeon(const std::vector<std::string>& arguments,
                         const std::string& workingFolder = "",
                         const std::string& shellPrefix = "");
// The same with another copy of the executable.
CommandResult runExecutable(const std::string& executable,
                            const std::vector<std::string>& arguments,
                            const std::string& workingFolder, const std::string& shellPrefix);

// The built burgeon executable.
std::string burgeonExecutable();

} // namespace burgeon::testing
