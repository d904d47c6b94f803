#include "growth/CurveFit.h"

#include "base/StandardError.h"
#include "base/TextLines.h"
#include "growth/GrowthDataLine.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace burgeon {

namespace {

constexpr int SlopeSteps = 100;
constexpr double SlopeStep = 0.01;

} // namespace

bool withinGrowthDataLimits(const std::vector<std::string>& lines) {
    if (lines.size() > static_cast<std::size_t>(GrowthDataMaxLines)) {
        return false;
    }
    for (const auto& line : lines) {
        // The time comes first, then the values.
        if (countDataFields(line) > static_cast<std::size_t>(GrowthDataMaxValues) + 1) {
            return false;
        }
    }
    return true;
}

std::int32_t lifeCycleTimeOf(double time) {
    // Times are long runs of digits, so they may exceed what lifeCycleTime can hold.
    const double rounded = std::nearbyint(time);
    if (rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(rounded);
}

int readDataRows(const std::vector<std::string>& lines, GrowthData& data, FitWorkingState& work) {
    if (!withinGrowthDataLimits(lines)) {
        throw std::invalid_argument("growth data beyond the limits of the working table");
    }
    data.dataLastRow = -1;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        data.dataTime[index] = 0.0;
        data.dataMean[index] = 0.0;
        std::string_view rest = trimControl(lines[index]);
        if (rest.empty()) {
            continue; // skipped, but still counted in line numbers
        }
        const int row = ++data.dataLastRow;
        if (holdsForbiddenCharacter(rest)) {
            return static_cast<int>(index) + 1;
        }
        try {
            data.dataTime[static_cast<std::size_t>(row)] = convertDataField(takeDataField(rest));
            data.lifeCycleTime = lifeCycleTimeOf(data.dataTime[static_cast<std::size_t>(row)]);
            int column = 0;
            while (!rest.empty()) {
                work.value(row, column) = convertDataField(takeDataField(rest));
                ++column;
            }
            work.columnCount = column;
        } catch (StandardError& error) {
            throw error.atLine(index + 1);
        }
    }
    return 0;
}

void alignColumns(FitWorkingState& work, int lastRow) {
    for (int column = 0; column < work.columnCount; ++column) {
        int first = 0;
        for (int row = 0; row <= lastRow; ++row) {
            if (work.value(row, column) != 0.0) {
                first = row;
                break;
            }
        }
        work.firstNonZero[static_cast<std::size_t>(column)] = first;
        if (first == 0) {
            continue;
        }
        // The row where the organ first shows becomes row 0 with size 0; its value goes.
        work.value(0, column) = 0.0;
        for (int row = first + 1; row <= lastRow; ++row) {
            work.value(row - first, column) = work.value(row, column);
        }
        for (int row = lastRow - first + 1; row <= lastRow; ++row) {
            work.value(row, column) = work.value(lastRow - first, column);
        }
    }
}

void computeMeans(const FitWorkingState& work, GrowthData& data) {
    for (int row = 0; row <= data.dataLastRow; ++row) {
        if (work.columnCount == 0) {
            throw StandardError::invalidFloatOperation(); // 0 / 0
        }
        double sum = 0.0;
        for (int column = 0; column < work.columnCount; ++column) {
            sum += work.value(row, column);
        }
        data.dataMean[static_cast<std::size_t>(row)] = sum / work.columnCount;
    }
}

GrowthFunction fitCoefficients(const GrowthData& data) {
    const auto rows = static_cast<std::size_t>(data.dataLastRow) + 1;
    GrowthFunction curve;
    curve.bottom = data.dataMean[0];
    curve.top = data.dataMean[0];
    for (std::size_t row = 1; row < rows; ++row) {
        curve.bottom = std::min(curve.bottom, data.dataMean[row]);
        curve.top = std::max(curve.top, data.dataMean[row]);
    }

    // Half the range, not the level half-way between Bottom and Top; ties keep the earlier row.
    const double half = (curve.top - curve.bottom) / 2.0;
    double best = std::fabs(half - data.dataMean[0]);
    curve.tmid = std::nearbyint(data.dataTime[0]);
    for (std::size_t row = 1; row < rows; ++row) {
        const double distance = std::fabs(half - data.dataMean[row]);
        if (distance < best) {
            best = distance;
            curve.tmid = std::nearbyint(data.dataTime[row]);
        }
    }

    // The smallest slope of the grid wins ties, so a flat or falling series gets 0.
    double bestError = 0.0;
    for (int step = 0; step <= SlopeSteps; ++step) {
        GrowthFunction candidate = curve;
        candidate.slope = step * SlopeStep;
        double error = 0.0;
        for (std::size_t row = 0; row < rows; ++row) {
            error += std::fabs(logisticValue(candidate, data.dataTime[row]) - data.dataMean[row]);
        }
        if (step == 0 || error < bestError) {
            bestError = error;
            curve.slope = candidate.slope;
        }
    }
    return curve;
}

} // namespace burgeon
