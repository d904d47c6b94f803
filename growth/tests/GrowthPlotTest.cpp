#include "growth/GrowthPlot.h"
#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <limits>

using namespace burgeon;

namespace {

constexpr RgbColor White{255, 255, 255};
constexpr RgbColor Black{0, 0, 0};
constexpr RgbColor Red{255, 0, 0};
constexpr RgbColor Blue{0, 0, 255};
constexpr double Infinity = std::numeric_limits<double>::infinity();
const PlotOrigin Origin = plotOrigin(PlotWidth, PlotHeight);

int countPixels(const RgbImage& image, RgbColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

RgbImage frame(std::initializer_list<std::pair<double, double>> rows, int scale) {
    GrowthData data;
    data.dataLastRow = -1;
    for (const auto& [time, mean] : rows) {
        data.dataTime[static_cast<std::size_t>(++data.dataLastRow)] = time;
        data.dataMean[static_cast<std::size_t>(data.dataLastRow)] = mean;
    }
    RgbImage image(PlotWidth, PlotHeight, Red);
    drawPlotFrame(image, data, scale, Origin);
    return image;
}

RgbImage curve(const GrowthFunction& function, int lifeCycleTime, int scale) {
    RgbImage image(PlotWidth, PlotHeight);
    drawPlotCurve(image, function, lifeCycleTime, scale, Origin);
    return image;
}

} // namespace

TEST(GrowthPlot, FrameAndDataPoints) {
    EXPECT_EQ(Origin.x, 22);
    EXPECT_EQ(Origin.y, 108);
    const RgbImage empty = frame({}, 2); // no data row: only the axes on white
    EXPECT_EQ(countPixels(empty, Black), PlotWidth + PlotHeight - 1);
    EXPECT_EQ(empty.pixel(178, 108), Black);
    EXPECT_EQ(empty.pixel(22, 122), Black);
    EXPECT_EQ(countPixels(empty, White), PlotWidth * PlotHeight - PlotWidth - PlotHeight + 1);

    // A mean of 4.5 at time 3 with scale 2 sits at (28, 18); the last point is where the pen
    // stops, as every line leaves out its end.
    const RgbImage data = frame({{0, 0}, {1, 3.5}, {2, 4.5}, {3, 4.5}, {4, 4.5}}, 2);
    EXPECT_EQ(data.pixel(28, 18), Red);
    EXPECT_EQ(data.pixel(24, 38), Red);
    EXPECT_EQ(data.pixel(30, 18), White);
}

TEST(GrowthPlot, CurveFromTheOriginThroughEveryWholeTime) {
    const RgbImage example = curve({0, 10, 0.5, 10}, 20, 1);
    EXPECT_EQ(example.pixel(32, 58), Blue); // value 5 at time 10
    EXPECT_EQ(example.pixel(22, 108), Blue);
    EXPECT_EQ(example.pixel(23, 107), Blue); // 0.0669 x 10 rounds to 1 pixel up
    // Half to even: 2.25 x 10 = 22.5 becomes 22, so the point is (24, 64), not (24, 62), and
    // the steep segment on to (26, 42) steps right one row later.
    const RgbImage halves = curve({0, 4.5, 1, 1}, 3, 2);
    EXPECT_EQ(halves.pixel(25, 58), Blue);
    EXPECT_EQ(halves.pixel(24, 58), White);
}

TEST(GrowthPlot, FarCoordinatesAndOverflowingCurvesClip) {
    const RgbImage wide = frame({{0, 1}, {99999999999.0, 1}}, 2);
    EXPECT_EQ(countPixels(wide, Red), PlotWidth - 22); // all of row 88 right of the axis
    EXPECT_EQ(wide.pixel(178, 88), Red);
    const RgbImage steep = frame({{0, 0}, {1, 1e200}, {2, Infinity}}, 10);
    EXPECT_EQ(countPixels(steep, Red), 109); // column 22 from 108 up to 0
    // A life cycle of 2^31 - 1 is drawn only until the curve leaves the image.
    EXPECT_EQ(curve({0, 1, 0.5, 10}, std::numeric_limits<std::int32_t>::max(), 10).pixel(178, 12),
              Blue);
    // exp(100 x 1000) overflows: the curve keeps its limit Bottom = 1 (y = 98).
    EXPECT_EQ(countPixels(curve({1, 3, 100, 1000}, 200, 1), Blue), 1 + 10 + PlotWidth - 22 - 1);
    EXPECT_NO_THROW(curve({-1e308, 1e308, 1, 1000}, 50, 1));
    EXPECT_THROW(curve({std::numeric_limits<double>::quiet_NaN(), 1, 1, 1}, 5, 1), StandardError);
}
