#pragma once

#include "components/MaterialSet.h"
#include "growth/GrowthCurves.h"

#include <array>
#include <optional>
#include <string_view>

namespace burgeon {

// The names session files give to organ classes and colour slots.

inline constexpr std::array<std::string_view, GrowthOrganCount> OrganKeys = {
    "internode", "petiole", "leafLength", "leafWidth", "apex", "flower"};

struct MaterialKey {
    std::string_view key;
    RgbColor MaterialSet::*color;
};

inline constexpr std::array<MaterialKey, 8> MaterialKeys = {{
    {"internode", &MaterialSet::internodeColor},
    {"petiole", &MaterialSet::petioleColor},
    {"frontLeaf", &MaterialSet::frontLeafColor},
    {"backLeaf", &MaterialSet::backLeafColor},
    {"frontFlower", &MaterialSet::frontFlowerColor},
    {"backFlower", &MaterialSet::backFlowerColor},
    {"background", &MaterialSet::backgroundColor},
    {"land", &MaterialSet::landColor},
}};

// The organ a key names, "all" included; nothing for another text.
inline std::optional<GrowthOrgan> organFromKey(std::string_view key) {
    if (key == "all") {
        return GrowthOrgan::All;
    }
    for (std::size_t i = 0; i < OrganKeys.size(); ++i) {
        if (OrganKeys[i] == key) {
            return static_cast<GrowthOrgan>(i);
        }
    }
    return std::nullopt;
}

inline std::string_view organKey(GrowthOrgan organ) {
    return organ == GrowthOrgan::All ? "all" : OrganKeys.at(static_cast<std::size_t>(organ));
}

} // namespace burgeon
