#include "cli/CommandLine.h"

#include "cli/CommandLineParser.h"

#include <ostream>

namespace burgeon {

bool isHeadlessCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && !(arguments.size() == 1 && arguments[0].size() > 8 &&
                                   arguments[0].ends_with(".burgeon"));
}

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    out << parsed.out;
    err << parsed.err;
    if (parsed.chosen == nullptr) {
        return parsed.status;
    }
    try {
        return parsed.chosen->run(out, err);
    } catch (const UsageError& error) {
        // A value the parser let through that the command cannot use.
        err << usageErrorText(*parsed.chosen, error.message);
        return 2;
    }
}

} // namespace burgeon
