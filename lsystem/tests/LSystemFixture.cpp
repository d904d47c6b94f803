#include "lsystem/tests/LSystemFixture.h"

namespace burgeon::testing {

bool LSystemFixture::compile(const std::vector<std::string>& lines) {
    editor.sourceEditor.setLines(lines);
    ui.takeMessages();
    const bool completed = pressCompileLSystem(workspace);
    messages = ui.takeMessages();
    EXPECT_FALSE(ui.busy) << "the normal cursor is back";
    return completed;
}

bool LSystemFixture::generate(const std::string& resultString) {
    plant.ResultString = resultString;
    ui.takeMessages();
    const bool completed = pressGeneratePlant(workspace);
    messages = ui.takeMessages();
    return completed;
}

std::vector<std::string> lsystemLines(const std::string& axiom,
                                      const std::vector<std::string>& ruleLines, int iterations) {
    std::vector<std::string> lines = {"Plant{", "Iterations=" + std::to_string(iterations),
                                      "Angle=45", "Diameter=1", "Axiom=" + axiom};
    lines.insert(lines.end(), ruleLines.begin(), ruleLines.end());
    lines.push_back("}");
    return lines;
}

} // namespace burgeon::testing
