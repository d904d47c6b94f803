#include "growth/GrowthPlot.h"
#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace burgeon;

namespace {

constexpr RgbColor white{255, 255, 255};
constexpr RgbColor black{0, 0, 0};
constexpr RgbColor red{255, 0, 0};
constexpr RgbColor blue{0, 0, 255};

int countPixels(const RgbImage& image, RgbColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

GrowthData series(std::initializer_list<std::pair<double, double>> rows) {
    GrowthData data;
    data.DataLastRow = -1;
    for (const auto& [time, mean] : rows) {
        ++data.DataLastRow;
        data.DataTime[static_cast<std::size_t>(data.DataLastRow)] = time;
        data.DataMean[static_cast<std::size_t>(data.DataLastRow)] = mean;
    }
    return data;
}

const PlotOrigin origin = plotOrigin(PlotWidth, PlotHeight);

} // namespace

TEST(GrowthPlot, FrameIsWhiteWithBlackAxesThroughTheOrigin) {
    EXPECT_EQ(origin.x, 22);
    EXPECT_EQ(origin.y, 108);
    RgbImage image(PlotWidth, PlotHeight, red);
    GrowthData none;
    none.DataLastRow = -1;
    none.DataTime[0] = 5; // only the starting point is set: nothing is drawn
    none.DataMean[0] = 5;
    drawPlotFrame(image, none, 2, origin);
    EXPECT_EQ(countPixels(image, black), PlotWidth + PlotHeight - 1);
    EXPECT_EQ(countPixels(image, white), PlotWidth * PlotHeight - (PlotWidth + PlotHeight - 1));
    EXPECT_EQ(image.pixel(0, 108), black);
    EXPECT_EQ(image.pixel(178, 108), black);
    EXPECT_EQ(image.pixel(22, 0), black);
    EXPECT_EQ(image.pixel(22, 122), black);
}

TEST(GrowthPlot, DataPointsAreScaledRoundedAndJoinedInRed) {
    RgbImage image(PlotWidth, PlotHeight);
    // A mean of 4.5 at time 3 with scale 2 sits at (28, 18).
    drawPlotFrame(image, series({{0, 0}, {1, 3.5}, {2, 4.5}, {3, 4.5}, {4, 4.5}}), 2, origin);
    EXPECT_EQ(image.pixel(28, 18), red);
    EXPECT_EQ(image.pixel(24, 38), red);
    EXPECT_EQ(image.pixel(29, 18), red);
    // The polyline's last point is where the pen stops, as every line leaves out its end.
    EXPECT_EQ(image.pixel(30, 18), white);
    EXPECT_EQ(image.pixel(22, 107), red); // the first segment climbs from the origin
}

TEST(GrowthPlot, CurveRisesFromTheOriginThroughEveryWholeTime) {
    RgbImage image(PlotWidth, PlotHeight);
    const GrowthFunction example{0, 10, 0.5, 10};
    drawPlotCurve(image, example, 20, 1, origin);
    EXPECT_EQ(image.pixel(32, 58), blue); // value 5 at time 10 with scale 1
    EXPECT_EQ(image.pixel(22, 108), blue);
    // 0.0669 x 10 rounds to 1: the first segment rises one pixel to (22, 107).
    EXPECT_EQ(image.pixel(23, 107), blue);
    // Rounding to the plot is half to even: 2.25 x 10 = 22.5 becomes 22, so y = 108 - 44.
    RgbImage halves(PlotWidth, PlotHeight);
    drawPlotCurve(halves, {0, 4.5, 1, 1}, 3, 2, origin);
    EXPECT_EQ(halves.pixel(24, 64), blue);
    // From (24, 64) rather than (24, 62) the steep segment to (26, 42) steps right one row
    // later.
    EXPECT_EQ(halves.pixel(25, 58), blue);
    EXPECT_EQ(halves.pixel(24, 58), white);
}

TEST(GrowthPlot, FarCoordinatesClipWithoutOverflow) {
    RgbImage image(PlotWidth, PlotHeight);
    // Times and values far beyond the int range: the visible part is the exact line.
    drawPlotFrame(image, series({{0, 1}, {99999999999.0, 1}}), 2, origin);
    for (int x = 22; x < PlotWidth; ++x) {
        EXPECT_EQ(image.pixel(x, 88), red) << x;
    }
    RgbImage steep(PlotWidth, PlotHeight);
    drawPlotFrame(steep, series({{0, 0}, {1, 1e200}, {2, std::numeric_limits<double>::infinity()}}),
                  10, origin);
    for (int y = 0; y <= 108; ++y) {
        EXPECT_NE(steep.pixel(22, y), white) << y;
    }
    EXPECT_EQ(countPixels(steep, red), 109);

    // A curve over a huge life cycle stops once it has left the image on the right.
    RgbImage curve(PlotWidth, PlotHeight);
    drawPlotCurve(curve, {0, 1, 0.5, 10}, std::numeric_limits<std::int32_t>::max(), 10, origin);
    EXPECT_EQ(curve.pixel(178, 12), blue); // on the way from (172, 18) to (182, 8)
}

TEST(GrowthPlot, CurvesBeyondTheDoubleRangeDrawTheirLimits) {
    RgbImage image(PlotWidth, PlotHeight);
    // exp(100 x 1000) overflows: the curve stays at Bottom = 1 (y = 98) until the image ends.
    drawPlotCurve(image, {1, 3, 100, 1000}, 200, 1, origin);
    for (int x = 23; x < PlotWidth; ++x) {
        EXPECT_EQ(image.pixel(x, 98), blue) << x;
    }
    // A rise too large for a double: the limit, not infinity over infinity.
    RgbImage huge(PlotWidth, PlotHeight);
    EXPECT_NO_THROW(drawPlotCurve(huge, {-1e308, 1e308, 1, 1000}, 50, 1, origin));
    // A curve without values cannot be rounded to pixels.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(drawPlotCurve(huge, {nan, 1, 1, 1}, 5, 1, origin), StandardError);
}
