#include "lsystem/PlantGenerator.h"

#include <algorithm>
#include <string>
#include <vector>

namespace burgeon {

namespace {

constexpr std::string_view alphabetText = "is not in {I,i,A,P,p,L,F,[,],/,\\,+,-,^,&}";

// What the validation pass learns about a result string.
struct StringSurvey {
    char badSymbol = 0; // the first character outside the alphabet, 0 when none
    bool balanced = true;
    std::int32_t organCount = 0;
    std::size_t maxDepth = 0;
};

StringSurvey surveyString(std::string_view text) {
    StringSurvey survey;
    std::size_t depth = 0;
    for (const char c : text) {
        if (!isPlantSymbol(c)) {
            survey.badSymbol = c;
            return survey;
        }
        if (isOrganSymbol(c)) {
            ++survey.organCount;
        } else if (c == '[') {
            survey.maxDepth = std::max(survey.maxDepth, ++depth);
        } else if (c == ']') {
            if (depth == 0) {
                survey.balanced = false;
            } else {
                --depth;
            }
        }
    }
    survey.balanced = survey.balanced && depth == 0;
    return survey;
}

// The turn state of the generation: three accumulators and three pending flags, indexed
// Z, Y, X.
struct TurnAxis {
    float& accumulator;
    bool& pending;
    float PlantNode::*angle;
};

// The organ symbols are the letters of the organ kinds.
OrganKind organOfSymbol(char symbol) {
    return static_cast<OrganKind>(symbol);
}

} // namespace

bool isOrganSymbol(char c) {
    return c == 'I' || c == 'i' || c == 'P' || c == 'p' || c == 'A';
}

bool isPlantSymbol(char c) {
    return isOrganSymbol(c) || std::string_view("LF[]/\\+-^&").find(c) != std::string_view::npos;
}

GenerateOutcome generatePlant(PlantState& plant, float turnStep, RandomSource& random) {
    GenerateOutcome outcome;
    plant.NodeCount = 0;
    plant.MainStemCount = 0;
    plant.MaxLevel = 0;
    const std::string& text = plant.ResultString;
    outcome.treeResultsPane = "all string = " + text + "\n";

    const StringSurvey survey = surveyString(text);
    if (survey.badSymbol != 0) {
        addError(outcome.messages, std::string(1, survey.badSymbol) + std::string(alphabetText));
        return outcome;
    }
    if (!survey.balanced) {
        addError(outcome.messages, "Unbalanced brackets in the result string.");
        return outcome;
    }
    const std::int32_t n = survey.organCount;
    if (n > MaxNodes) {
        addError(outcome.messages, "The String is too long.");
        return outcome;
    }
    for (std::int32_t k = 1; k <= n; ++k) {
        PlantNode& node = plant.Nodes[static_cast<std::size_t>(k)];
        node.AngleX = node.AngleZ = node.AngleY = 0.0f;
        node.HasLeaf = node.HasFlower = 0;
    }
    addInformation(outcome.messages, "nodes=" + std::to_string(n));

    // Working stacks sized from the string: the path holds at most every node, the counts one
    // entry per depth.
    std::vector<std::int32_t> pathStack(static_cast<std::size_t>(n) + 1, 0);
    std::vector<std::int32_t> depthCount(survey.maxDepth + 1, 0);
    std::vector<std::int32_t> mainStem;
    mainStem.reserve(static_cast<std::size_t>(n));
    std::size_t d = 0;
    std::size_t s = 0;

    TurnAxis axes[3] = {{plant.TurnZ, plant.TurnPendingZ, &PlantNode::AngleZ},
                        {plant.TurnY, plant.TurnPendingY, &PlantNode::AngleY},
                        {plant.TurnX, plant.TurnPendingX, &PlantNode::AngleX}};
    const auto turn = [&](TurnAxis& axis, float by) {
        axis.accumulator += by;
        axis.pending = true;
    };

    for (std::size_t j = 0; j < text.size(); ++j) {
        const char c = text[j];
        switch (c) {
        case '+':
            turn(axes[0], turnStep);
            continue;
        case '-':
            turn(axes[0], -turnStep);
            continue;
        case '&':
            turn(axes[1], turnStep);
            continue;
        case '^':
            turn(axes[1], -turnStep);
            continue;
        case '\\':
            turn(axes[2], turnStep);
            continue;
        case '/':
            turn(axes[2], -turnStep);
            continue;
        case '[':
            depthCount[++d] = 0;
            for (TurnAxis& axis : axes) {
                axis.accumulator = 0.0f;
            }
            continue;
        case ']':
            --d;
            for (TurnAxis& axis : axes) {
                axis.accumulator = 0.0f;
                axis.pending = true;
            }
            s -= static_cast<std::size_t>(depthCount[d + 1]); // the branch leaves the path
            depthCount[d + 1] = 0;
            continue;
        default:
            break;
        }
        if (!isOrganSymbol(c)) {
            continue; // an "L" or "F" that no node consumed
        }

        const char next = j + 1 < text.size() ? text[j + 1] : '\0';
        const char prev = j > 0 ? text[j - 1] : '\0';
        const std::int32_t k = ++plant.NodeCount;
        PlantNode& node = plant.Nodes[static_cast<std::size_t>(k)];
        pathStack[++s] = k;
        ++depthCount[d];

        for (TurnAxis& axis : axes) {
            if (axis.pending && !isOrganSymbol(next)) {
                axis.pending = false;
            }
        }
        if (d == 0) {
            ++plant.MainStemCount;
            mainStem.push_back(k);
            // The main stem gets a jitter of 0.00 to 0.04 degrees; turns before it are dropped.
            for (TurnAxis& axis : axes) {
                axis.accumulator = static_cast<float>(random.uniformInt(5) * 0.01);
            }
            node.Kind = organOfSymbol(c);
        } else if (c == 'I' || c == 'i') {
            node.Kind = c == 'I' ? OrganKind::Petiole : OrganKind::ShortPetiole;
            if (prev == 'I' || prev == 'i') {
                // A petiole straight after another continues it with a small turn.
                const PlantNode& before = plant.Nodes[static_cast<std::size_t>(k - 1)];
                for (TurnAxis& axis : axes) {
                    axis.accumulator = axis.pending && before.*axis.angle > 0.0f ? 0.05f : -0.05f;
                }
            }
        } else {
            node.Kind = organOfSymbol(c);
        }

        if (next == 'L') {
            node.HasLeaf = 1;
            ++j;
        } else if (next == 'F') {
            node.HasFlower = 1;
            ++j;
        }
        node.Parent = pathStack[s - 1];
        node.AngleZ = axes[0].accumulator;
        node.AngleY = axes[1].accumulator;
        node.AngleX = axes[2].accumulator;
        node.Level = static_cast<std::int32_t>(d);
    }

    // Levels: the main stem is numbered along its length, every other node lies one above its
    // parent. A node without a parent (a string that starts with a branch) is a root at 1.
    for (std::size_t i = 0; i < mainStem.size(); ++i) {
        plant.Nodes[static_cast<std::size_t>(mainStem[i])].Level = static_cast<std::int32_t>(i + 1);
    }
    std::int32_t maxLevel = 1;
    for (std::int32_t k = 1; k <= plant.NodeCount; ++k) {
        PlantNode& node = plant.Nodes[static_cast<std::size_t>(k)];
        if (node.Parent == 0) {
            node.Level = 1;
        } else {
            node.Level = plant.Nodes[static_cast<std::size_t>(node.Parent)].Level + 1;
        }
        if (k >= 2) {
            maxLevel = std::max(maxLevel, node.Level);
        }
    }
    plant.MaxLevel = maxLevel;

    std::string mainStemText = "MainStem = ";
    for (const std::int32_t k : mainStem) {
        mainStemText += " " + std::to_string(k);
    }
    addInformation(outcome.messages, mainStemText);
    addInformation(outcome.messages, "All node = " + std::to_string(plant.NodeCount));
    outcome.completed = true;
    return outcome;
}

} // namespace burgeon
