#include "app/cli/CommandLine.h"

#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"

#include <functional>
#include <ostream>

namespace burgeon {

namespace {

struct Command {
    const char* name;
    const char* usage;
    std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)> run;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"lsystem", lsystemUsage, runLsystemCommand}, {"fit", fitUsage, runFitCommand},
        {"shapes", shapesUsage, runShapesCommand},    {"render", renderUsage, runRenderCommand},
        {"animate", animateUsage, runAnimateCommand},
    };
    return table;
}

void printUsage(std::ostream& out) {
    out << "usage: burgeon                 start the desktop application\n";
    for (const auto& command : commands()) {
        out << "       " << command.usage << "\n";
    }
}

} // namespace

bool isHeadlessCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty();
}

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h" ||
        arguments[0] == "help") {
        printUsage(arguments.empty() ? err : out);
        return arguments.empty() ? 2 : 0;
    }
    for (const auto& command : commands()) {
        if (arguments[0] == command.name) {
            const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
            try {
                return command.run(rest, out, err);
            } catch (const UsageError& error) {
                err << "burgeon " << command.name << ": " << error.message << "\n";
                err << "usage: " << command.usage << "\n";
                return 2;
            }
        }
    }
    err << "burgeon: unknown command '" << arguments[0] << "'\n";
    printUsage(err);
    return 2;
}

} // namespace burgeon
