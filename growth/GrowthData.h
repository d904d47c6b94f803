#pragma once

#include <array>
#include <cstdint>

namespace burgeon {

// Limits of the growth data box: lines (empty ones included) and values after the time.
constexpr int GrowthDataMaxLines = 501;
constexpr int GrowthDataMaxValues = 101;

// The measured series of the last fit. The plots draw it; the view reads lifeCycleTime.
struct GrowthData {
    std::array<double, GrowthDataMaxLines> dataTime{};
    std::array<double, GrowthDataMaxLines> dataMean{};
    // Index of the last data row; -1 when the box held no data row.
    std::int32_t dataLastRow = 0;
    // The time of the last data row, rounded.
    std::int32_t lifeCycleTime = 0;
};

} // namespace burgeon
