#pragma once

#include "cli/Command.h"

#include <memory>

namespace burgeon {

// The headless commands, each in its own file.
std::unique_ptr<Command> makeLsystemCommand();
std::unique_ptr<Command> makeFitCommand();
std::unique_ptr<Command> makeShapesCommand();
std::unique_ptr<Command> makeRenderCommand();
std::unique_ptr<Command> makeAnimateCommand();
std::unique_ptr<Command> makeExportCommand();
std::unique_ptr<Command> makeSessionCommand();
std::unique_ptr<Command> makeThumbnailCommand();

} // namespace burgeon
