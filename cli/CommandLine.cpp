#include "cli/CommandLine.h"

#include "cli/CommandLineParser.h"

#include <new>
#include <ostream>

namespace burgeon {

bool isHeadlessCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && !(arguments.size() == 1 && arguments[0].size() > 8 &&
                                   arguments[0].ends_with(".burgeon"));
}

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    // Texts of static storage: they outlive the command when memory runs out.
    const char* name = nullptr;
    const char* work = nullptr;
    try {
        const ParsedCommandLine parsed = parseCommandLine(arguments);
        out << parsed.out;
        err << parsed.err;
        if (parsed.chosen == nullptr) {
            return parsed.status;
        }
        name = parsed.chosen->name();
        work = parsed.chosen->work();
        try {
            return parsed.chosen->run(out, err);
        } catch (const UsageError& error) {
            // A value the parser let through that the command cannot use.
            err << usageErrorText(*parsed.chosen, error.message);
            return 2;
        }
    } catch (const std::bad_alloc&) {
        // Whatever was being written is left as it was: files appear whole or not at all.
        if (name != nullptr) {
            err << "burgeon " << name << ": not enough memory to " << work << '\n';
        } else {
            err << "burgeon: not enough memory to read the command line\n";
        }
        return 1;
    }
}

} // namespace burgeon
