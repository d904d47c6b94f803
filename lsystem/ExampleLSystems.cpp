#include "lsystem/ExampleLSystems.h"

#include "base/TextLines.h"

namespace burgeon {

// clang-format off
const char* const ExampleLSystemsText =
    "Plant{\n"
    "     Iterations=7\n"
    "     Angle=45\n"
    "     Diameter=20\n"
    "     Axiom=I[-1][+2][/3][\\4]A\n"
    "     1=II[/IL][\\IL]II[/IL][\\IL]II[/IL][\\IL]A\n"
    "     2=II[\\IL][/IL]II[\\IL][/IL]II[\\IL][/IL]A\n"
    "     3=II[-IL][+IL]II[-IL][+IL]II[-IL][+IL]A\n"
    "     4=II[+IL][-IL]II[+IL][-IL]II[+IL][-IL]A\n"
    "     A=III[/IL][\\IL]II[/IL][\\IL]II[/IL][\\IL]IF\n"
    "     Endrule\n"
    "     1=I\n"
    "     2=I\n"
    "     3=I\n"
    "     4=I\n"
    "}\n"
    "\n"
    "Plant{\n"
    "     Iterations=2\n"
    "     Angle=45\n"
    "     Diameter=20\n"
    "     Axiom=I[-P]I[+B]I[\\P]I[/B]IA\n"
    "     P=IILILI[\\IL][/IL][-IL]IF \n"
    "     B=IILILILI[\\IL][/IL][+IL]IF\n"
    "     A=I[-IF][+IF][\\IF][/IF]IFIA\n"
    "     Endrule\n"
    "     B=IF\n"
    "     P=IF\n"
    "     A=I[-IF][+IF][\\IF][/IF]IF\n"
    "}\n"
    "\n"
    "Plant{\n"
    "     Iterations=1\n"
    "     Angle=45\n"
    "     Diameter=20\n"
    "     Axiom=I[-P]I[+B]I[\\P]I[/B]IA\n"
    "     P=IILILI[\\IL][/IL][-IL]IF \n"
    "     B=IILILILI[\\IL][/IL][+IL]IF\n"
    "     Endrule\n"
    "     B=IF\n"
    "     P=IF\n"
    "     A=I[-IF][+IF][\\IF][/IF]IF\n"
    "}\n"
    "\n"
    "Plant{\n"
    "     Iterations=1\n"
    "     Angle=45\n"
    "     Diameter=20\n"
    "     Axiom=I[-P]I[+B]I[\\P]I[/B]IA\n"
    "     P=IIII[\\IL][/IL][-IL]IF \n"
    "     B=III[\\IL][/IL][+IL]IF\n"
    "     Endrule\n"
    "     B=IF\n"
    "     P=IF\n"
    "     A=I[-IF][+IF][\\IF][/IF]IF\n"
    "}\n"
    "\n"
    "// Soybean\n"
    "Plant{\n"
    "     Iterations=1\n"
    "     Angle=45\n"
    "     Diameter=20\n"
    "     Axiom=I[-IL][+IL]I[-III[\\IL][/IL][-IL]]I[+III[\\IL][/IL][+IL]]I[-III[\\IL][/IL][-IL]]I[+III[\\IL][/IL][+IL]]I[-III[\\IL][/IL][-IL]]I[+III[\\IL][/IL][+IL]]IF\n"
    "}\n"
    "\n"
    "// Spiral Leaf and Flower\n"
    "\n"
    "Plant{\n"
    "     Iterations=1\n"
    "     Angle=45\n"
    "     Diameter=20\n"
    "     Axiom=IA\n"
    "     A=I[^IP]I[^^IP]I[^^^IP]I[^^^^IP]I[^^^^^IP]I[^^^^^^IP]I[^^^^^^^IP]I[^^^^^^^^IP]IIAII[IIIIF]\n"
    "     P=I[/IL]\n"
    "}\n"
    "\n"
    "\n"
    "// New define Test\n"
    "Plant{\n"
    "     Iterations=2\n"
    "     Angle=45\n"
    "     Diameter=20\n"
    "     Axiom=I[-P][+P]A\n"
    "     P=IL[^IF]A\n"
    "     A=I[-P][+P]IF\n"
    "}\n";
// clang-format on

std::vector<LSystemBlock> lsystemBlocks(const std::vector<std::string>& lines) {
    std::vector<LSystemBlock> blocks;
    bool inBlock = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view trimmed = trimControl(lines[i]);
        if (!inBlock && !trimmed.empty() && trimmed.back() == '{') {
            blocks.push_back({i + 1, {}});
            inBlock = true;
        }
        if (inBlock) {
            blocks.back().lines.push_back(lines[i]);
            inBlock = trimmed != "}";
        }
    }
    return blocks;
}

std::vector<std::vector<std::string>> splitLSystemBlocks(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> blocks;
    for (LSystemBlock& block : lsystemBlocks(lines)) {
        blocks.push_back(std::move(block.lines));
    }
    return blocks;
}

} // namespace burgeon
