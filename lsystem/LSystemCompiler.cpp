#include "lsystem/LSystemCompiler.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "lsystem/StringRewriter.h"

#include <algorithm>
#include <vector>

namespace burgeon {

namespace {

struct HeaderCheck {
    const char* passText;
    const char* errorLine;
    const char* message;
};

// clang-format off
constexpr HeaderCheck HeaderChecks[5] = {
    {"Header Pass.", "Error line 1 : \"Lsystem Head Name\", Such as Lsystem1 {",
     "Lsystem Error in line 1,\"Lsystem Name {\""},
    {"Iterations Pass.", "Error line 2 : \"Iterations=N\", Such as Iterations=3",
     "Iterations Error in line 2,\"Iterations=N\""},
    {"Angle Pass.", "Error line 3 : \"Angle=N\", Such as Angle=45",
     "Angle Error in line 3,\"Angle=N\""},
    {"Diameter Pass.", "Error line 4 : \"Diameter=N\", Such as Diameter=20",
     "Diameter Error in line 4,\"Diameter=N\""},
    {"Axiom Pass.", "Error line 5 : \"Axiom=String\", Such as Axiom=I[-IL][+IL]IF",
     "Axiom Error in line 5,\"Axiom=String\""},
};
// clang-format on

// Checks header line `number` (1..5) and stores its value. False when the line fails; a value
// that is not a number throws StandardError.
bool checkHeaderLine(LSystemDefinition& definition, CompileOutcome& outcome, int number,
                     const std::string& line) {
    if (number == 1) {
        const std::string_view trimmed = trimControl(line);
        if (trimmed.size() < 2 || trimmed.back() != '{') {
            return false;
        }
        definition.lsystemName = std::string(trimControl(trimmed.substr(0, trimmed.size() - 1)));
        outcome.lsystemName = definition.lsystemName;
        return true;
    }
    static constexpr std::string_view keywords[5] = {"", "iterations", "angle", "diameter",
                                                     "axiom"};
    const std::optional<std::string> value = headerValue(line, keywords[number - 1]);
    if (!value) {
        return false;
    }
    switch (number) {
    case 2:
        definition.iterations = parseInteger(*value);
        break;
    case 3:
        definition.angleSetting = parseFloat(*value);
        outcome.angle = definition.angleSetting;
        break;
    case 4:
        definition.diameterSetting = parseFloat(*value);
        outcome.diameter = definition.diameterSetting;
        break;
    default:
        definition.axiom = *value;
        break;
    }
    return true;
}

// Header lines 1 to 5 in order, each shown in the pane as it passes. False at the first line
// that fails, with its message and the pane turned red.
bool checkHeader(const std::vector<std::string>& lines, LSystemDefinition& definition,
                 CompileOutcome& outcome) {
    std::string& pane = outcome.compilesPane.emplace();
    for (int number = 1; number <= 5; ++number) {
        const HeaderCheck& check = HeaderChecks[number - 1];
        try {
            if (!checkHeaderLine(definition, outcome, number,
                                 lines[static_cast<std::size_t>(number - 1)])) {
                pane += check.errorLine;
                pane += '\n';
                outcome.messages.push_back(
                    {MessageKind::Error, check.message, static_cast<std::size_t>(number)});
                outcome.compilesPaneRed = true;
                return false;
            }
        } catch (const StandardError& error) {
            // A value that does not read as a number: the pane keeps the passes so far.
            outcome.messages.push_back(
                {MessageKind::Error, error.what(), static_cast<std::size_t>(number)});
            return false;
        }
        pane += check.passText;
        pane += '\n';
    }
    return true;
}

// The rule section split into rule lines and end-rule lines.
struct RuleSection {
    std::vector<std::string> rules;
    std::vector<std::string> endRules;
    bool hasEndRuleLine = false;
};

RuleSection collectRules(const std::vector<std::string>& lines, std::size_t first,
                         std::size_t end) {
    RuleSection section;
    for (std::size_t i = first; i < end; ++i) {
        const std::string_view trimmed = trimControl(lines[i]);
        if (trimmed.empty()) {
            continue;
        }
        if (!section.hasEndRuleLine && toUpperAscii(trimmed) == "ENDRULE") {
            section.hasEndRuleLine = true;
        } else if (section.hasEndRuleLine) {
            section.endRules.push_back(lines[i]);
        } else {
            section.rules.push_back(lines[i]);
        }
    }
    return section;
}

// Splits a rule line at its last "="; a line without "=" leaves the entry as it was.
void splitRuleLine(const std::string& line, RewriteRule& rule) {
    const std::size_t equals = line.rfind('=');
    if (equals == std::string::npos) {
        return;
    }
    rule.predecessor = std::string(trimControl(std::string_view(line).substr(0, equals)));
    rule.successor = std::string(trimControl(std::string_view(line).substr(equals + 1)));
}

bool isClosingLine(const std::string& line) {
    return trimControl(line) == "}";
}

} // namespace

std::optional<std::string> headerValue(std::string_view line, std::string_view keyword) {
    const std::string_view trimmed = trimControl(line);
    if (trimmed.size() < keyword.size()) {
        return std::nullopt;
    }
    if (toLowerAscii(trimControl(trimmed.substr(0, keyword.size()))) != keyword) {
        return std::nullopt;
    }
    const std::string_view rest = trimControl(trimmed.substr(keyword.size()));
    if (rest.empty() || rest.front() != '=') {
        return std::nullopt;
    }
    const std::string_view value = trimControl(rest.substr(1));
    if (value.empty()) {
        return std::nullopt;
    }
    return std::string(value);
}

CompileOutcome compileLSystem(const std::vector<std::string>& source, PlantState& plant,
                              const RewriteControl& control) {
    CompileOutcome outcome;
    reportProgress(control.progress, 0);
    if (source.size() < 6) {
        addError(outcome.messages, "Incorrect L-system, Please Enter L-system Code.");
        return outcome;
    }
    LSystemDefinition& definition = plant.definition;
    if (!checkHeader(source, definition, outcome)) {
        return outcome;
    }

    // The rule section ends before the first "}" line from line 6 on; without one, a "}" line
    // is added (over a blank last line) and the section ends before it.
    std::vector<std::string> lines = source;
    const auto closing = std::find_if(lines.begin() + 5, lines.end(), isClosingLine);
    std::size_t sectionEnd = static_cast<std::size_t>(closing - lines.begin());
    const bool needsClosingLine = closing == lines.end();
    if (needsClosingLine && trimControl(lines.back()).empty()) {
        sectionEnd = lines.size() - 1;
    }

    const RuleSection section = collectRules(lines, 5, sectionEnd);
    if (section.rules.size() > MaxRules || section.endRules.size() > MaxRules) {
        addError(outcome.messages,
                 "Too many rules: at most 20 rules and 20 end rules are allowed.");
        return outcome;
    }

    if (needsClosingLine) {
        if (sectionEnd == lines.size() - 1) {
            lines.back() = "}";
        } else {
            lines.push_back("}");
        }
        outcome.closedLines = lines;
    }

    definition.ruleCount = static_cast<std::int32_t>(section.rules.size());
    definition.endRuleCount = static_cast<std::int32_t>(section.endRules.size());
    definition.hasEndRuleLine = section.hasEndRuleLine;
    addInformation(outcome.messages, "Rule=" + std::to_string(definition.ruleCount) +
                                         ", EndRule=" + std::to_string(definition.endRuleCount));

    for (std::size_t i = 0; i < section.rules.size(); ++i) {
        splitRuleLine(section.rules[i], definition.rules[i]);
    }
    if (section.hasEndRuleLine) {
        for (std::size_t i = 0; i < section.endRules.size(); ++i) {
            splitRuleLine(section.endRules[i], definition.endRules[i]);
        }
    }

    RewriteOutcome rewritten = rewriteLSystem(definition, control);
    outcome.messages.insert(outcome.messages.end(), rewritten.messages.begin(),
                            rewritten.messages.end());
    outcome.stopped = rewritten.stopped;
    if (!rewritten.completed) {
        return outcome;
    }
    plant.resultString = std::move(rewritten.resultString);
    plant.compileReport = rewritten.report;
    outcome.resultsPane = std::move(rewritten.report);
    outcome.completed = true;
    return outcome;
}

} // namespace burgeon
