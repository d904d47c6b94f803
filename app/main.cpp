#include "cli/CommandLine.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef BURGEON_WITH_GUI
#include "ui/DesktopApplication.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (burgeon::isHeadlessCommand(arguments)) {
        return burgeon::runCommandLine(arguments, std::cout, std::cerr);
    }
#ifdef BURGEON_WITH_GUI
    return burgeon::runDesktopApplication(argc, argv);
#else
    std::cerr << "burgeon: this build has no desktop application; use a headless command.\n";
    return burgeon::runCommandLine(arguments, std::cout, std::cerr);
#endif
}
