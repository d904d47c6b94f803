#include "cli/Commands.h"

namespace burgeon {

// Every headless command, in the order the overview, the help and the completion list them.
std::vector<std::unique_ptr<Command>> makeCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(makeLsystemCommand());
    commands.push_back(makeFitCommand());
    commands.push_back(makeShapesCommand());
    commands.push_back(makeRenderCommand());
    commands.push_back(makeAnimateCommand());
    commands.push_back(makeExportCommand());
    commands.push_back(makeSessionCommand());
    commands.push_back(makeThumbnailCommand());
    return commands;
}

} // namespace burgeon
