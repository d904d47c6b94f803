#include "tests/cli/RunBurgeon.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
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

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
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
    static int runNumber = 0;
    const auto capture =
        std::filesystem::temp_directory_path() /
        ("burgeon_cli_" + std::to_string(::getpid()) + "_" + std::to_string(++runNumber));
    std::string command;
    if (!workingFolder.empty()) {
        command += "cd " + shellQuote(workingFolder) + " && ";
    }
    command += shellPrefix + shellQuote(executable);
    for (const auto& argument : arguments) {
        command += " " + shellQuote(argument);
    }
    command += " >" + shellQuote(capture.string() + ".out") + " 2>" +
               shellQuote(capture.string() + ".err") + " </dev/null";
    CommandResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = slurp(capture.string() + ".out");
    result.err = slurp(capture.string() + ".err");
    std::filesystem::remove(capture.string() + ".out");
    std::filesystem::remove(capture.string() + ".err");
    return result;
}

std::string examplesFolder() {
    return BURGEON_EXAMPLES;
}

} // namespace burgeon::testing
