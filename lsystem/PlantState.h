#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace burgeon {

struct RewriteRule {
    std::string predecessor;
    std::string successor;
};

constexpr int MaxRules = 20;

// The settings of the last compilation that passed its header checks.
struct LSystemDefinition {
    std::string lsystemName;
    std::int32_t iterations = 0;
    double angleSetting = 0.0;
    double diameterSetting = 0.0;
    std::string axiom;
    std::array<RewriteRule, MaxRules> rules{}; // used 0..ruleCount-1 (rule i+1)
    std::int32_t ruleCount = 0;
    std::array<RewriteRule, MaxRules> endRules{};
    std::int32_t endRuleCount = 0;
    bool hasEndRuleLine = false; // an "Endrule" line was present
};

// The organs a node can be. Each is written as the letter of its L-system symbol.
enum class OrganKind : char {
    Internode = 'I',
    ShortInternode = 'i',
    Petiole = 'P',
    ShortPetiole = 'p',
    Apex = 'A',
};

// The letter an organ kind is shown as (the lsystem JSON, the organ table).
constexpr char organKindLetter(OrganKind kind) {
    return static_cast<char>(kind);
}

// One organ of the plant. Index 0 of the table means "no node".
struct PlantNode {
    OrganKind kind{}; // no organ until the generation sets it
    float angleX = 0.0f;
    float angleZ = 0.0f;
    float angleY = 0.0f;
    std::int32_t parent = 0;
    std::int32_t level = 0;
    std::uint8_t hasLeaf = 0;
    std::uint8_t hasFlower = 0;
};

constexpr int MaxNodes = 5000;

// The process-wide plant: compiled L-system, expanded string and organ table.
struct PlantState {
    LSystemDefinition definition;
    std::string resultString;
    std::string compileReport;

    // 1..nodeCount valid; index 0 is "no node". The generation grows the table to the nodes it
    // makes, so a plant that was never generated costs next to nothing to make or copy.
    std::vector<PlantNode> nodes = std::vector<PlantNode>(1);
    std::int32_t nodeCount = 0;
    std::int32_t mainStemCount = 0;
    std::int32_t maxLevel = 0;

    // Turn accumulators and turn-pending flags of the generation; they persist between runs.
    float turnZ = 0.0f;
    float turnY = 0.0f;
    float turnX = 0.0f;
    bool turnPendingZ = false;
    bool turnPendingY = false;
    bool turnPendingX = false;
};

// A new last node, the table grown to hold it: for tables built by hand.
inline PlantNode& appendNode(PlantState& plant) {
    const auto index = static_cast<std::size_t>(++plant.nodeCount);
    if (plant.nodes.size() <= index) {
        plant.nodes.resize(index + 1);
    }
    return plant.nodes[index];
}

} // namespace burgeon
