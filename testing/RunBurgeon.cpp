#include "testing/RunBurgeon.h"

#include "testing/FileContents.h"
#include "testing/TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace burgeon::testing {

namespace {

std::string shellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

} // namespace

CommandResult runBurgeon(const std::vector<std::string>& arguments,
                         const std::string& workingFolder, const std::string& shellPrefix) {
    return runExecutable(BURGEON_EXECUTABLE, arguments, workingFolder, shellPrefix);
}

std::string burgeonExecutable() {
    return BURGEON_EXECUTABLE;
}

CommandResult runExecutable(const std::string& executable,
                            const std::vector<std::string>& arguments,
                            const std::string& workingFolder, const std::string& shellPrefix) {
    const TempFolder capture;
    const std::string out = capture.file("out");
    const std::string err = capture.file("err");
    std::string command;
    if (!workingFolder.empty()) {
        command += "cd " + shellQuote(workingFolder) + " && ";
    }
    command += shellPrefix + shellQuote(executable);
    for (const auto& argument : arguments) {
        command += " " + shellQuote(argument);
    }
    command += " >" + shellQuote(out) + " 2>" + shellQuote(err) + " </dev/null";
    CommandResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = contentOf(out);
    result.err = contentOf(err);
    return result;
}

} // namespace burgeon::testing
