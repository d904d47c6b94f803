#pragma once

#include <array>
#include <cstdint>

namespace burgeon {

// Limits of the growth data box: lines (empty ones included) and values after the time.
constexpr int GrowthDataMaxLines = 501;
constexpr int GrowthDataMaxValues = 101;

// The measured series of the last fit. The plots draw it; the view reads LifeCycleTime.
struct GrowthData {
    std::array<double, GrowthDataMaxLines> DataTime{};
    std::array<double, GrowthDataMaxLines> DataMean{};
    // Index of the last data row; -1 when the box held no data row.
    std::int32_t DataLastRow = 0;
    // The time of the last data row, rounded.
    std::int32_t LifeCycleTime = 0;
};

} // namespace burgeon
