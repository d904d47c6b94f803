#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace burgeon {

struct RewriteRule {
    std::string Predecessor;
    std::string Successor;
};

constexpr int MaxRules = 20;

// The settings of the last compilation that passed its header checks.
struct LSystemDefinition {
    std::string LSystemName;
    std::int32_t Iterations = 0;
    double AngleSetting = 0.0;
    double DiameterSetting = 0.0;
    std::string Axiom;
    std::array<RewriteRule, MaxRules> Rules{}; // used 0..RuleCount-1 (rule i+1)
    std::int32_t RuleCount = 0;
    std::array<RewriteRule, MaxRules> EndRules{};
    std::int32_t EndRuleCount = 0;
    bool HasEndRuleLine = false; // an "Endrule" line was present
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
    OrganKind Kind{}; // no organ until the generation sets it
    float AngleX = 0.0f;
    float AngleZ = 0.0f;
    float AngleY = 0.0f;
    std::int32_t Parent = 0;
    std::int32_t Level = 0;
    std::uint8_t HasLeaf = 0;
    std::uint8_t HasFlower = 0;
};

constexpr int MaxNodes = 5000;

// The process-wide plant: compiled L-system, expanded string and organ table.
struct PlantState {
    LSystemDefinition Definition;
    std::string ResultString;
    std::string CompileReport;

    // 1..NodeCount valid; index 0 is "no node". The generation grows the table to the nodes it
    // makes, so a plant that was never generated costs next to nothing to make or copy.
    std::vector<PlantNode> Nodes = std::vector<PlantNode>(1);
    std::int32_t NodeCount = 0;
    std::int32_t MainStemCount = 0;
    std::int32_t MaxLevel = 0;

    // Turn accumulators and turn-pending flags of the generation; they persist between runs.
    float TurnZ = 0.0f;
    float TurnY = 0.0f;
    float TurnX = 0.0f;
    bool TurnPendingZ = false;
    bool TurnPendingY = false;
    bool TurnPendingX = false;
};

// A new last node, the table grown to hold it: for tables built by hand.
inline PlantNode& appendNode(PlantState& plant) {
    const auto index = static_cast<std::size_t>(++plant.NodeCount);
    if (plant.Nodes.size() <= index) {
        plant.Nodes.resize(index + 1);
    }
    return plant.Nodes[index];
}

} // namespace burgeon
