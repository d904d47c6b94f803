#include "growth/CurveFit.h"
#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace burgeon;

namespace {

// Reads, aligns and averages lines as the fit does.
FitWorkingState prepare(const std::vector<std::string>& lines, GrowthData& data) {
    FitWorkingState work;
    EXPECT_EQ(readDataRows(lines, data, work), 0);
    alignColumns(work, data.dataLastRow);
    computeMeans(work, data);
    return work;
}

std::vector<double> column(const FitWorkingState& work, int c) {
    return {work.value(0, c), work.value(1, c), work.value(2, c), work.value(3, c)};
}

GrowthFunction fitted(const std::vector<std::string>& lines) {
    GrowthData data;
    prepare(lines, data);
    return fitCoefficients(data);
}

} // namespace

TEST(CurveFit, AlignmentMovesSeriesUpToWhereTheyStartGrowing) {
    GrowthData data;
    const auto work = prepare({"0 0 1 0 0 0", "1 2 2 0 0 1", "2 4 3 0 0 2", "3 6 4 0 5 2"}, data);
    EXPECT_EQ(work.firstNonZero[0], 1);
    EXPECT_EQ(column(work, 0), (std::vector<double>{0, 4, 6, 6}));
    EXPECT_EQ(column(work, 1), (std::vector<double>{1, 2, 3, 4})); // grows from row 0: stays
    EXPECT_EQ(column(work, 2), (std::vector<double>{0, 0, 0, 0})); // never grows
    EXPECT_EQ(column(work, 3), (std::vector<double>{0, 0, 0, 0})); // only on the last row
    EXPECT_EQ(column(work, 4), (std::vector<double>{0, 2, 2, 2}));
}

TEST(CurveFit, MeansUseTheColumnsOfTheLastDataRow) {
    GrowthData data;
    // The first row's missing value counts as zero; the third row's extra one is ignored.
    prepare({"0 2", "1 2 4", "2 2 4 100", "3 2 4"}, data);
    EXPECT_EQ(std::vector<double>(data.dataMean.begin(), data.dataMean.begin() + 4),
              (std::vector<double>{1, 3, 3, 3}));
    FitWorkingState work;
    ASSERT_EQ(readDataRows({"0 1", "1"}, data, work), 0);
    EXPECT_THROW(computeMeans(work, data), StandardError); // a time only: 0 / 0
}

TEST(CurveFit, MidpointNearestHalfTheRangeAndSlopeFromTheGrid) {
    // half = 1: the row whose mean equals 1 (time 0), not where the mean crosses 2.
    EXPECT_EQ(fitted({"0 1", "1 2", "2 3", "3 3"}), (GrowthFunction{1, 3, 1, 0}));
    // Ties keep the earlier row: half 4 lies 1 from rows 1 and 2.
    EXPECT_EQ(fitted({"0 1", "1 3", "2 5", "3 9"}).tmid, 1.0);
    // All means equal, or falling: every slope or the lowest fits best.
    EXPECT_EQ(fitted({"0 2", "1 2", "2 2"}), (GrowthFunction{2, 2, 0, 0}));
    EXPECT_EQ(fitted({"0 9", "1 7", "2 4", "3 1"}).slope, 0.0);
    // A smooth logistic series is found near its own slope and midpoint.
    std::vector<std::string> lines;
    for (int t = 0; t <= 30; ++t) {
        lines.push_back(std::to_string(t) + " " +
                        std::to_string(logisticValue({0, 20, 0.35, 15}, t)));
    }
    EXPECT_NEAR(fitted(lines).slope, 0.35, 0.015);
    EXPECT_EQ(fitted(lines).tmid, 15);
}

TEST(CurveFit, LifeCycleTimeRoundsHalfToEvenAndSaturates) {
    GrowthData data;
    prepare({"0 1", "2.5 2"}, data);
    EXPECT_EQ(data.lifeCycleTime, 2);
    prepare({"0 1", "3.5 2"}, data);
    EXPECT_EQ(data.lifeCycleTime, 4);
    prepare({"0 1", "99999999999 2"}, data);
    EXPECT_EQ(data.lifeCycleTime, std::numeric_limits<std::int32_t>::max());
}

TEST(CurveFit, AFieldThatIsNoNumberNamesItsLineInTheBox) {
    GrowthData data;
    FitWorkingState work;
    // Empty lines count: the bad field is on the box's fourth line, the third data row.
    try {
        readDataRows({"0 1", "", "1 2", "2,,1"}, data, work);
        FAIL() << "the empty field converts to nothing";
    } catch (const StandardError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid floating point value");
        EXPECT_EQ(error.lineNumber(), 4U);
    }
    EXPECT_EQ(data.dataLastRow, 2);
}
