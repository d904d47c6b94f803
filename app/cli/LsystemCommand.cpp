#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"

#include <ostream>

namespace burgeon {

const char* const lsystemUsage = "burgeon lsystem FILE [--block N] [--seed N] [--json]";

int runLsystemCommand(const std::vector<std::string>& arguments, std::ostream&, std::ostream&) {
    const Arguments args(arguments, {"block", "seed"}, {"json"});
    if (args.positional().size() != 1) {
        throw UsageError{"expected one FILE"};
    }
    return 1;
}

} // namespace burgeon
