#include "lsystem/tests/LSystemFixture.h"

namespace burgeon::testing {

bool LSystemFixture::compile(const std::vector<std::string>& lines) {
    progress.clear();
    RewriteControl control;
    control.progress = [this](int percent) { progress.push_back(percent); };
    compiled = compileLSystem(lines, plant, control);
    messages = messageTexts(compiled.messages);
    return compiled.completed;
}

bool LSystemFixture::generate(const std::string& resultString) {
    plant.resultString = resultString;
    generated = generatePlant(plant, turnStep, random);
    messages = messageTexts(generated.messages);
    return generated.completed;
}

std::vector<std::string> defaultEditorLines() {
    return {"Plant{", "     Iterations=1", "     Angle=45", "     Diameter=1", "     Axiom=I", "}"};
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
