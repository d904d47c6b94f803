#include "growth/CurveFit.h"
#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace burgeon;

namespace {

// Reads, aligns and averages lines as the fit does; returns the working state.
FitWorkingState prepare(const std::vector<std::string>& lines, GrowthData& data) {
    FitWorkingState work;
    EXPECT_EQ(readDataRows(lines, data, work), 0);
    alignColumns(work, data.DataLastRow);
    computeMeans(work, data);
    return work;
}

std::vector<double> column(const FitWorkingState& work, int c, int rows) {
    std::vector<double> values;
    for (int r = 0; r < rows; ++r) {
        values.push_back(work.value(r, c));
    }
    return values;
}

std::vector<double> means(const GrowthData& data) {
    return {data.DataMean.begin(), data.DataMean.begin() + data.DataLastRow + 1};
}

} // namespace

TEST(CurveFit, WorkedExampleAlignsAveragesAndFits) {
    GrowthData data;
    const auto work = prepare({"0 0 0", "1 0 2", "2 1 4", "3 3 6"}, data);
    EXPECT_EQ(work.columnCount, 2);
    EXPECT_EQ(work.firstNonZero[0], 2);
    EXPECT_EQ(work.firstNonZero[1], 1);
    EXPECT_EQ(column(work, 0, 4), (std::vector<double>{0, 3, 3, 3}));
    EXPECT_EQ(column(work, 1, 4), (std::vector<double>{0, 4, 6, 6}));
    EXPECT_EQ(means(data), (std::vector<double>{0, 3.5, 4.5, 4.5}));
    EXPECT_EQ(data.DataLastRow, 3);
    EXPECT_EQ(data.LifeCycleTime, 3);
    EXPECT_EQ(fitCoefficients(data), (GrowthFunction{0, 4.5, 1, 1}));
}

TEST(CurveFit, AlignmentOfSeriesThatStartEarlyLateOrNever) {
    GrowthData data;
    const auto work = prepare({"0 1 0 0 0", "1 2 0 0 1", "2 3 0 0 2", "3 4 0 5 2"}, data);
    EXPECT_EQ(column(work, 0, 4), (std::vector<double>{1, 2, 3, 4})); // grows from row 0: stays
    EXPECT_EQ(column(work, 1, 4), (std::vector<double>{0, 0, 0, 0})); // never grows: stays zero
    EXPECT_EQ(column(work, 2, 4), (std::vector<double>{0, 0, 0, 0})); // only the last row: zero
    EXPECT_EQ(column(work, 3, 4), (std::vector<double>{0, 2, 2, 2}));
}

TEST(CurveFit, MeansUseTheColumnsOfTheLastDataRow) {
    GrowthData data;
    // The first row has one value (the second counts as zero); the third's extra is ignored.
    prepare({"0 2", "1 2 4", "2 2 4 100", "3 2 4"}, data);
    EXPECT_EQ(means(data), (std::vector<double>{1, 3, 3, 3}));

    // A last data row with a time only: nothing to divide by.
    GrowthData timeOnly;
    FitWorkingState work;
    ASSERT_EQ(readDataRows({"0 1", "1"}, timeOnly, work), 0);
    EXPECT_EQ(work.columnCount, 0);
    EXPECT_THROW(computeMeans(work, timeOnly), StandardError);
}

TEST(CurveFit, MidpointIsNearestToHalfTheRangeAndSlopeTheBestOfTheGrid) {
    GrowthData data;
    prepare({"0 1", "1 2", "2 3", "3 3"}, data);
    // half = 1: the row whose mean equals 1 (time 0), not where the mean crosses 2.
    EXPECT_EQ(fitCoefficients(data).Tmid, 0.0);
    EXPECT_EQ(fitCoefficients(data).Bottom, 1.0);
    EXPECT_EQ(fitCoefficients(data).Top, 3.0);

    GrowthData flat;
    prepare({"0 2", "1 2", "2 2"}, flat);
    EXPECT_EQ(fitCoefficients(flat), (GrowthFunction{2, 2, 0, 0}));

    GrowthData falling;
    prepare({"0 9", "1 7", "2 4", "3 1"}, falling);
    EXPECT_EQ(fitCoefficients(falling).Slope, 0.0);

    // A smooth logistic series is found near its own slope and midpoint.
    GrowthData logistic;
    std::vector<std::string> lines;
    const GrowthFunction truth{0, 20, 0.35, 15};
    for (int t = 0; t <= 30; ++t) {
        lines.push_back(std::to_string(t) + " " + std::to_string(logisticValue(truth, t)));
    }
    prepare(lines, logistic);
    const GrowthFunction fitted = fitCoefficients(logistic);
    EXPECT_NEAR(fitted.Slope, 0.35, 0.015);
    EXPECT_NEAR(fitted.Tmid, 15, 1);
    // Ties of the midpoint keep the earlier row: half 4 lies 1 from rows 1 and 2.
    GrowthData tie;
    prepare({"0 1", "1 3", "2 5", "3 9"}, tie);
    EXPECT_EQ(fitCoefficients(tie).Tmid, 1.0);
}

TEST(CurveFit, LifeCycleTimeRoundsHalfToEvenAndSaturates) {
    GrowthData data;
    prepare({"0 1", "2.5 2"}, data);
    EXPECT_EQ(data.LifeCycleTime, 2);
    prepare({"0 1", "3.5 2"}, data);
    EXPECT_EQ(data.LifeCycleTime, 4);
    prepare({"0 1", "99999999999 2"}, data);
    EXPECT_EQ(data.LifeCycleTime, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(lifeCycleTimeOf(1e300), std::numeric_limits<std::int32_t>::max());
}

TEST(CurveFit, ReadingStopsAtTheFirstBadLineKeepingWhatWasRead) {
    GrowthData data;
    data.DataMean.fill(7.0);
    FitWorkingState work;
    // An empty line is skipped but counted: the bad line is line 4 of the box, data row 2.
    EXPECT_EQ(readDataRows({"0 1", "1 2", "", "2 x", "3 4"}, data, work), 4);
    EXPECT_EQ(data.DataLastRow, 2);
    EXPECT_EQ(data.LifeCycleTime, 1);
    EXPECT_EQ(data.DataTime[1], 1.0);
    EXPECT_EQ(data.DataMean[0], 0.0); // cleared for every line passed
    EXPECT_EQ(data.DataMean[3], 0.0);
    EXPECT_EQ(data.DataMean[4], 7.0); // not reached

    GrowthData converted;
    FitWorkingState work2;
    EXPECT_THROW(readDataRows({"0 1", "5 1..2"}, converted, work2), StandardError);
    EXPECT_EQ(converted.DataLastRow, 1);
    EXPECT_EQ(converted.DataTime[1], 5.0); // the time was read before the bad value
    EXPECT_EQ(converted.LifeCycleTime, 5);
}

TEST(CurveFit, LimitsOfTheBox) {
    std::vector<std::string> lines(501, "");
    EXPECT_TRUE(withinGrowthDataLimits(lines));
    lines.push_back("");
    EXPECT_FALSE(withinGrowthDataLimits(lines));

    std::string wide = "0";
    for (int value = 0; value < 101; ++value) {
        wide += " 1";
    }
    EXPECT_TRUE(withinGrowthDataLimits({wide}));
    EXPECT_FALSE(withinGrowthDataLimits({wide + " 1"}));
    // Fields count whatever they hold, so a bad line cannot slip past the limit.
    EXPECT_FALSE(withinGrowthDataLimits({wide + ",,"}));
}
