#pragma once

#include "growth/GrowthCurves.h"
#include "growth/GrowthData.h"

#include <array>
#include <string>
#include <vector>

namespace burgeon {

// The working state of one fit, all zero at its start: the values of every data row by
// column, the number of values on the last data row, and where each column starts growing.
// The table has room for 501 rows of 101 values; its rows are zeroed as the fit first writes
// them, so a fit of a few lines does not clear the whole table.
struct FitWorkingState {
    std::vector<double> values;
    int columnCount = 0;
    std::array<int, GrowthDataMaxValues> firstNonZero{};

    double& value(int row, int column) {
        const std::size_t rowsNeeded = static_cast<std::size_t>(row) + 1;
        if (values.size() < rowsNeeded * GrowthDataMaxValues) {
            values.resize(rowsNeeded * GrowthDataMaxValues, 0.0);
        }
        return values[indexOf(row, column)];
    }
    double value(int row, int column) const {
        const std::size_t index = indexOf(row, column);
        return index < values.size() ? values[index] : 0.0;
    }

private:
    static std::size_t indexOf(int row, int column) {
        return static_cast<std::size_t>(row) * GrowthDataMaxValues +
               static_cast<std::size_t>(column);
    }
};

// False when the box holds more than 501 lines or a line with more than 101 values.
bool withinGrowthDataLimits(const std::vector<std::string>& lines);

// Reads the data rows of the box (within the limits above) into the data and the working state,
// starting with dataLastRow = -1. Returns 0 when every line was read, or the number (from 1) of the
// first line holding a forbidden character, where reading stopped. Throws the conversion message
// for a field that is not a number, with the number of its line; what was read before stays.
int readDataRows(const std::vector<std::string>& lines, GrowthData& data, FitWorkingState& work);

// Moves every column that starts growing after row 0 up, so that its first non-zero row
// becomes row 0 with size 0; the freed tail repeats the column's last value.
void alignColumns(FitWorkingState& work, int lastRow);

// dataMean of rows 0..dataLastRow over the columns of the last data row. Throws "Invalid
// floating point operation" when there is a data row but the last one held no value.
void computeMeans(const FitWorkingState& work, GrowthData& data);

// Bottom, Top and the whole-number Tmid (the time of the first row whose mean lies nearest to
// half the range), then the Slope of the 0.00..1.00 grid that fits the means best. Needs at
// least one data row.
GrowthFunction fitCoefficients(const GrowthData& data);

// The time of a data row as lifeCycleTime: rounded half to even, held within the 32-bit range.
std::int32_t lifeCycleTimeOf(double time);

} // namespace burgeon
