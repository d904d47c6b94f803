#include "tools/GrowthSeries.h"

#include "base/TextLines.h"
#include "growth/GrowthFit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace burgeon;
using namespace burgeon::tools;

namespace {

// The table as a reader sees it: rows of numbers, the time first.
std::vector<std::vector<double>> rowsOf(const std::string& text) {
    std::vector<std::vector<double>> rows;
    for (const std::string& line : splitLines(text)) {
        std::istringstream fields(line);
        std::vector<double> row;
        for (double value = 0.0; fields >> value;) {
            row.push_back(value);
        }
        rows.push_back(row);
    }
    return rows;
}

const SeriesPlan Leaves{"leaves.txt", 6, 60, 9.0, 0.05, 8.0, 0.5, 4.0, 0.01, 7};

FitOutcome fit(const std::string& text, GrowthData& data) {
    return fitGrowthData(splitLines(text), data);
}

} // namespace

TEST(GrowthSeries, OneRowADayEachOrganZeroUntilItAppearsThenGrowing) {
    const auto rows = rowsOf(seriesText(Leaves));
    ASSERT_EQ(rows.size(), 61u);
    int previousStart = -1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), 7u);
        EXPECT_EQ(rows[r][0], static_cast<double>(r));
    }
    for (std::size_t c = 1; c <= 6; ++c) {
        std::size_t start = 0;
        while (start < rows.size() && rows[start][c] == 0.0) {
            ++start;
        }
        ASSERT_LT(start, rows.size()) << "column " << c << " never grows";
        for (std::size_t r = start; r < rows.size(); ++r) {
            EXPECT_GT(rows[r][c], 0.0) << "column " << c << ", day " << r;
        }
        // Each organ appears after the one before it, and ends near the final size.
        EXPECT_GT(static_cast<int>(start), previousStart);
        previousStart = static_cast<int>(start);
        EXPECT_NEAR(rows.back()[c], Leaves.finalSize, 0.25 * Leaves.finalSize);
    }
}

TEST(GrowthSeries, TheFitGivesBackTheGrowthTheDataWasMadeFrom) {
    GrowthData data;
    const FitOutcome outcome = fit(seriesText(Leaves), data);
    ASSERT_TRUE(outcome.completed);
    EXPECT_NEAR(outcome.curve.top, Leaves.finalSize, 0.1 * Leaves.finalSize);
    EXPECT_NEAR(outcome.curve.bottom, 0.0, 0.05);
    EXPECT_NEAR(outcome.curve.tmid, Leaves.halfTime, 1.5);
    EXPECT_NEAR(outcome.curve.slope, Leaves.pace, 0.1);
    EXPECT_EQ(data.lifeCycleTime, Leaves.days);
}

TEST(GrowthSeries, TheSamePlanWritesTheSameFileAnotherSeedAnotherOne) {
    SeriesPlan other = Leaves;
    other.seed = 8;
    EXPECT_EQ(seriesText(Leaves), seriesText(Leaves));
    EXPECT_NE(seriesText(Leaves), seriesText(other));
}

TEST(GrowthSeries, EveryGalleryFileFitsAndEachPlantHasAllSixOrganClasses) {
    const std::set<std::string> organs = {"internode",  "petiole", "leaf-length",
                                          "leaf-width", "apex",    "flower"};
    std::map<std::string, std::set<std::string>> plants;
    for (const SeriesPlan& plan : gallerySeries()) {
        SCOPED_TRACE(plan.fileName);
        const std::string name = plan.fileName;
        const auto dash = name.find('-');
        ASSERT_NE(dash, std::string::npos);
        ASSERT_EQ(name.substr(name.size() - 4), ".txt");
        const std::string organ = name.substr(dash + 1, name.size() - 4 - dash - 1);
        EXPECT_TRUE(organs.count(organ)) << organ;
        EXPECT_TRUE(plants[name.substr(0, dash)].insert(organ).second) << "twice";

        const std::string text = seriesText(plan);
        EXPECT_LE(splitLines(text).size(), 501u);
        EXPECT_LE(plan.organs, 101);
        GrowthData data;
        const FitOutcome outcome = fit(text, data);
        ASSERT_TRUE(outcome.completed);
        EXPECT_NEAR(outcome.curve.top, plan.finalSize, 0.15 * plan.finalSize);
        EXPECT_GT(outcome.curve.slope, 0.0);
    }
    EXPECT_EQ(plants.size(), 4u);
    for (const auto& [plant, classes] : plants) {
        EXPECT_EQ(classes, organs) << plant;
    }
}
