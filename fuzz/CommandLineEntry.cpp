#include "cli/CommandLineParser.h"
#include "fuzz/FuzzEntries.h"

namespace burgeon {

namespace {

// More arguments than any command takes; longer vectors only slow the search down.
constexpr std::size_t MaxArguments = 64;

std::vector<std::string> splitArguments(std::string_view bytes) {
    std::vector<std::string> arguments;
    while (!bytes.empty() && arguments.size() < MaxArguments) {
        const std::size_t end = bytes.find('\n');
        arguments.emplace_back(bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return arguments;
}

} // namespace

// The arguments, one a line, through the parser `burgeon` runs before any command: it must
// choose a command or answer with a text, never throw, and a usage error always says what was
// wrong. The command itself does not run.
void runCommandLineInput(std::string_view bytes) {
    const ParsedCommandLine parsed = parseCommandLine(splitArguments(bytes));
    if (parsed.chosen != nullptr) {
        if (parsed.status != 0 || !parsed.err.empty() || !parsed.out.empty()) {
            throw FuzzFinding("a chosen command comes with a usage error or a text");
        }
        return;
    }
    if (parsed.status == 2 ? parsed.err.empty() : parsed.out.empty()) {
        throw FuzzFinding("the arguments were answered with nothing");
    }
    if (parsed.status != 0 && parsed.status != 2) {
        throw FuzzFinding("an exit status other than 0 or 2 before any command ran");
    }
}

} // namespace burgeon
