#include "lsystem/PlantGenerator.h"

#include "base/PrintableText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

namespace {

constexpr std::string_view AlphabetText = "is not in {I,i,A,P,p,L,F,[,],/,\\,+,-,^,&}";

// What the validation pass learns about a result string.
struct StringSurvey {
    // The first character outside the alphabet; a NUL byte is one too, so no character value
    // can stand for "none".
    std::optional<char> badSymbol;
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

void turn(TurnAxis& axis, float by) {
    axis.accumulator += by;
    axis.pending = true;
}

// The organ symbols are the letters of the organ kinds.
OrganKind organOfSymbol(char symbol) {
    return static_cast<OrganKind>(symbol);
}

std::size_t at(std::int32_t index) {
    return static_cast<std::size_t>(index);
}

// One pass over a result string that passed the survey: every organ symbol becomes a node
// with its kind, parent, turn angles and leaf or flower.
class NodeBuilder {
public:
    NodeBuilder(PlantState& plant, const StringSurvey& survey, float turnStep,
                RandomSource& random);

    // Fills the node table; returns the main stem's nodes in order.
    std::vector<std::int32_t> build();

private:
    // A turn or bracket symbol; false for any other.
    bool applyStructureSymbol(char c);
    PlantNode& addOrgan(char c, char prev, char next);

    PlantState& plant_;
    float turnStep_;
    RandomSource& random_;
    // Working stacks sized from the string: the path holds at most every node, the counts one
    // entry per depth.
    std::vector<std::int32_t> pathStack_;
    std::vector<std::int32_t> depthCount_;
    std::vector<std::int32_t> mainStem_;
    std::size_t d_ = 0;
    std::size_t s_ = 0;
    TurnAxis axes_[3];
};

NodeBuilder::NodeBuilder(PlantState& plant, const StringSurvey& survey, float turnStep,
                         RandomSource& random)
    : plant_(plant), turnStep_(turnStep), random_(random), pathStack_(at(survey.organCount) + 1, 0),
      depthCount_(survey.maxDepth + 1, 0),
      axes_{{plant.turnZ, plant.turnPendingZ, &PlantNode::angleZ},
            {plant.turnY, plant.turnPendingY, &PlantNode::angleY},
            {plant.turnX, plant.turnPendingX, &PlantNode::angleX}} {
    mainStem_.reserve(at(survey.organCount));
}

std::vector<std::int32_t> NodeBuilder::build() {
    const std::string& text = plant_.resultString;
    for (std::size_t j = 0; j < text.size(); ++j) {
        const char c = text[j];
        if (applyStructureSymbol(c) || !isOrganSymbol(c)) {
            continue; // an "L" or "F" that no node consumed
        }
        const char next = j + 1 < text.size() ? text[j + 1] : '\0';
        const char prev = j > 0 ? text[j - 1] : '\0';
        PlantNode& node = addOrgan(c, prev, next);
        if (next == 'L') {
            node.hasLeaf = 1;
            ++j;
        } else if (next == 'F') {
            node.hasFlower = 1;
            ++j;
        }
    }
    return std::move(mainStem_);
}

bool NodeBuilder::applyStructureSymbol(char c) {
    switch (c) {
    case '+':
        turn(axes_[0], turnStep_);
        return true;
    case '-':
        turn(axes_[0], -turnStep_);
        return true;
    case '&':
        turn(axes_[1], turnStep_);
        return true;
    case '^':
        turn(axes_[1], -turnStep_);
        return true;
    case '\\':
        turn(axes_[2], turnStep_);
        return true;
    case '/':
        turn(axes_[2], -turnStep_);
        return true;
    case '[':
        depthCount_[++d_] = 0;
        for (TurnAxis& axis : axes_) {
            axis.accumulator = 0.0f;
        }
        return true;
    case ']':
        --d_;
        for (TurnAxis& axis : axes_) {
            axis.accumulator = 0.0f;
            axis.pending = true;
        }
        s_ -= static_cast<std::size_t>(depthCount_[d_ + 1]); // the branch leaves the path
        depthCount_[d_ + 1] = 0;
        return true;
    default:
        return false;
    }
}

PlantNode& NodeBuilder::addOrgan(char c, char prev, char next) {
    const std::int32_t k = ++plant_.nodeCount;
    PlantNode& node = plant_.nodes[at(k)];
    pathStack_[++s_] = k;
    ++depthCount_[d_];

    for (TurnAxis& axis : axes_) {
        if (axis.pending && !isOrganSymbol(next)) {
            axis.pending = false;
        }
    }
    if (d_ == 0) {
        ++plant_.mainStemCount;
        mainStem_.push_back(k);
        // The main stem gets a jitter of 0.00 to 0.04 degrees; turns before it are dropped.
        for (TurnAxis& axis : axes_) {
            axis.accumulator = static_cast<float>(random_.uniformInt(5) * 0.01);
        }
        node.kind = organOfSymbol(c);
    } else if (c == 'I' || c == 'i') {
        node.kind = c == 'I' ? OrganKind::Petiole : OrganKind::ShortPetiole;
        if (prev == 'I' || prev == 'i') {
            // A petiole straight after another continues it with a small turn.
            const PlantNode& before = plant_.nodes[at(k - 1)];
            for (TurnAxis& axis : axes_) {
                axis.accumulator = axis.pending && before.*axis.angle > 0.0f ? 0.05f : -0.05f;
            }
        }
    } else {
        node.kind = organOfSymbol(c);
    }
    node.parent = pathStack_[s_ - 1];
    node.angleZ = axes_[0].accumulator;
    node.angleY = axes_[1].accumulator;
    node.angleX = axes_[2].accumulator;
    return node;
}

// Levels: every node lies one above its parent, so the main stem is numbered along its length.
// A node without a parent (a string that starts with a branch) is a root at 1. Returns the
// largest level after the first node's.
std::int32_t numberLevels(PlantState& plant) {
    std::int32_t maxLevel = 1;
    for (std::int32_t k = 1; k <= plant.nodeCount; ++k) {
        PlantNode& node = plant.nodes[at(k)];
        if (node.parent == 0) {
            node.level = 1;
        } else {
            node.level = plant.nodes[at(node.parent)].level + 1;
        }
        if (k >= 2) {
            maxLevel = std::max(maxLevel, node.level);
        }
    }
    return maxLevel;
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
    plant.nodeCount = 0;
    plant.mainStemCount = 0;
    plant.maxLevel = 0;
    const std::string& text = plant.resultString;
    outcome.treeResultsPane = "all string = " + text + "\n";

    const StringSurvey survey = surveyString(text);
    if (survey.badSymbol) {
        // A blank, control or other unprintable byte is shown by its code.
        addError(outcome.messages, printableByte(*survey.badSymbol) + std::string(AlphabetText));
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
    if (plant.nodes.size() <= at(n)) {
        plant.nodes.resize(at(n) + 1);
    }
    for (std::int32_t k = 1; k <= n; ++k) {
        PlantNode& node = plant.nodes[at(k)];
        node.angleX = node.angleZ = node.angleY = 0.0f;
        node.hasLeaf = node.hasFlower = 0;
    }
    addInformation(outcome.messages, "nodes=" + std::to_string(n));

    const std::vector<std::int32_t> mainStem = NodeBuilder(plant, survey, turnStep, random).build();
    plant.maxLevel = numberLevels(plant);

    std::string mainStemText = "MainStem = ";
    for (const std::int32_t k : mainStem) {
        mainStemText += " " + std::to_string(k);
    }
    addInformation(outcome.messages, mainStemText);
    addInformation(outcome.messages, "All node = " + std::to_string(plant.nodeCount));
    outcome.completed = true;
    return outcome;
}

} // namespace burgeon
