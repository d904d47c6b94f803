#include "growth/CurveFit.h"

#include "base/StandardError.h"
#include "base/TextLines.h"
#include "growth/GrowthDataLine.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace burgeon {

namespace {

constexpr int slopeSteps = 100;
constexpr double slopeStep = 0.01;

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
    // Times are long runs of digits, so they may exceed what LifeCycleTime can hold.
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
    data.DataLastRow = -1;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        data.DataTime[index] = 0.0;
        data.DataMean[index] = 0.0;
        std::string_view rest = trimControl(lines[index]);
        if (rest.empty()) {
            continue; // skipped, but still counted in line numbers
        }
        const int row = ++data.DataLastRow;
        if (holdsForbiddenCharacter(rest)) {
            return static_cast<int>(index) + 1;
        }
        try {
            data.DataTime[static_cast<std::size_t>(row)] = convertDataField(takeDataField(rest));
            data.LifeCycleTime = lifeCycleTimeOf(data.DataTime[static_cast<std::size_t>(row)]);
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
    for (int row = 0; row <= data.DataLastRow; ++row) {
        if (work.columnCount == 0) {
            throw StandardError::invalidFloatOperation(); // 0 / 0
        }
        double sum = 0.0;
        for (int column = 0; column < work.columnCount; ++column) {
            sum += work.value(row, column);
        }
        data.DataMean[static_cast<std::size_t>(row)] = sum / work.columnCount;
    }
}

GrowthFunction fitCoefficients(const GrowthData& data) {
    const auto rows = static_cast<std::size_t>(data.DataLastRow) + 1;
    GrowthFunction curve;
    curve.Bottom = data.DataMean[0];
    curve.Top = data.DataMean[0];
    for (std::size_t row = 1; row < rows; ++row) {
        curve.Bottom = std::min(curve.Bottom, data.DataMean[row]);
        curve.Top = std::max(curve.Top, data.DataMean[row]);
    }

    // Half the range, not the level half-way between Bottom and Top; ties keep the earlier row.
    const double half = (curve.Top - curve.Bottom) / 2.0;
    double best = std::fabs(half - data.DataMean[0]);
    curve.Tmid = std::nearbyint(data.DataTime[0]);
    for (std::size_t row = 1; row < rows; ++row) {
        const double distance = std::fabs(half - data.DataMean[row]);
        if (distance < best) {
            best = distance;
            curve.Tmid = std::nearbyint(data.DataTime[row]);
        }
    }

    // The smallest slope of the grid wins ties, so a flat or falling series gets 0.
    double bestError = 0.0;
    for (int step = 0; step <= slopeSteps; ++step) {
        GrowthFunction candidate = curve;
        candidate.Slope = step * slopeStep;
        double error = 0.0;
        for (std::size_t row = 0; row < rows; ++row) {
            error += std::fabs(logisticValue(candidate, data.DataTime[row]) - data.DataMean[row]);
        }
        if (step == 0 || error < bestError) {
            bestError = error;
            curve.Slope = candidate.Slope;
        }
    }
    return curve;
}

} // namespace burgeon
