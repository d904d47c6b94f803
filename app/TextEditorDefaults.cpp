#include "app/TextEditorDefaults.h"

#include "base/TextLines.h"

#include <initializer_list>
#include <vector>

namespace burgeon {

namespace {

// A block: "Plant{" and "}" flush left, every line between indented by five blanks.
void appendBlock(std::vector<std::string>& lines, std::initializer_list<const char*> inner) {
    lines.emplace_back("Plant{");
    for (const char* line : inner) {
        lines.push_back(std::string("     ") + line);
    }
    lines.emplace_back("}");
}

std::string buildExamples() {
    std::vector<std::string> lines;
    appendBlock(
        lines,
        {"Iterations=7", "Angle=45", "Diameter=20", "Axiom=I[-1][+2][/3][\\4]A",
         "1=II[/IL][\\IL]II[/IL][\\IL]II[/IL][\\IL]A", "2=II[\\IL][/IL]II[\\IL][/IL]II[\\IL][/IL]A",
         "3=II[-IL][+IL]II[-IL][+IL]II[-IL][+IL]A", "4=II[+IL][-IL]II[+IL][-IL]II[+IL][-IL]A",
         "A=III[/IL][\\IL]II[/IL][\\IL]II[/IL][\\IL]IF", "Endrule", "1=I", "2=I", "3=I", "4=I"});
    lines.emplace_back("");
    appendBlock(lines, {"Iterations=2", "Angle=45", "Diameter=20", "Axiom=I[-P]I[+B]I[\\P]I[/B]IA",
                        "P=IILILI[\\IL][/IL][-IL]IF ", "B=IILILILI[\\IL][/IL][+IL]IF",
                        "A=I[-IF][+IF][\\IF][/IF]IFIA", "Endrule", "B=IF", "P=IF",
                        "A=I[-IF][+IF][\\IF][/IF]IF"});
    lines.emplace_back("");
    appendBlock(lines, {"Iterations=1", "Angle=45", "Diameter=20", "Axiom=I[-P]I[+B]I[\\P]I[/B]IA",
                        "P=IILILI[\\IL][/IL][-IL]IF ", "B=IILILILI[\\IL][/IL][+IL]IF", "Endrule",
                        "B=IF", "P=IF", "A=I[-IF][+IF][\\IF][/IF]IF"});
    lines.emplace_back("");
    appendBlock(lines, {"Iterations=1", "Angle=45", "Diameter=20", "Axiom=I[-P]I[+B]I[\\P]I[/B]IA",
                        "P=IIII[\\IL][/IL][-IL]IF ", "B=III[\\IL][/IL][+IL]IF", "Endrule", "B=IF",
                        "P=IF", "A=I[-IF][+IF][\\IF][/IF]IF"});
    lines.emplace_back("");
    lines.emplace_back("// Soybean");
    appendBlock(lines, {"Iterations=1", "Angle=45", "Diameter=20",
                        "Axiom=I[-IL][+IL]I[-III[\\IL][/IL][-IL]]I[+III[\\IL][/IL][+IL]]"
                        "I[-III[\\IL][/IL][-IL]]I[+III[\\IL][/IL][+IL]]I[-III[\\IL][/IL][-IL]]"
                        "I[+III[\\IL][/IL][+IL]]IF"});
    lines.emplace_back("");
    lines.emplace_back("// Spiral Leaf and Flower");
    lines.emplace_back("");
    appendBlock(lines, {"Iterations=1", "Angle=45", "Diameter=20", "Axiom=IA",
                        "A=I[^IP]I[^^IP]I[^^^IP]I[^^^^IP]I[^^^^^IP]I[^^^^^^IP]I[^^^^^^^IP]"
                        "I[^^^^^^^^IP]IIAII[IIIIF]",
                        "P=I[/IL]"});
    lines.emplace_back("");
    lines.emplace_back("");
    lines.emplace_back("// New define Test");
    appendBlock(lines, {"Iterations=2", "Angle=45", "Diameter=20", "Axiom=I[-P][+P]A", "P=IL[^IF]A",
                        "A=I[-P][+P]IF"});
    return joinLines(lines);
}

} // namespace

const std::string& textEditorDefaultText() {
    static const std::string text = buildExamples();
    return text;
}

} // namespace burgeon
