#include "fuzz/FuzzEntries.h"

#include <array>

namespace burgeon {

std::span<const FuzzTarget> fuzzTargets() {
    static constexpr std::array<FuzzTarget, 8> targets = {{
        {"growth_data", runGrowthDataInput},
        {"shape_library", runShapeLibraryInput},
        {"bitmap", runBitmapInput},
        {"example_file", runExampleFileInput},
        {"lsystem", runLSystemInput},
        {"session", runSessionInput},
        {"command_line", runCommandLineInput},
        {"session_commands", runSessionCommandsInput},
    }};
    return targets;
}

const FuzzTarget* findFuzzTarget(std::string_view name) {
    for (const FuzzTarget& target : fuzzTargets()) {
        if (name == target.name) {
            return &target;
        }
    }
    return nullptr;
}

} // namespace burgeon
