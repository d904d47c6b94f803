#include "growth/GrowthPlot.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "imageio/Canvas.h"

#include <algorithm>
#include <cmath>

namespace burgeon {

namespace {

constexpr RgbColor White{255, 255, 255};
constexpr RgbColor Black{0, 0, 0};
constexpr RgbColor Red{255, 0, 0};
constexpr RgbColor Blue{0, 0, 255};

// A pen for points computed in doubles: data times and values, and so the plot coordinates,
// may be far beyond the int range. Segments within the canvas's wide range are drawn as
// they are; longer ones are first cut down to that range along the line, which leaves the
// pixels inside the small image as they were.
class PlotPen {
public:
    PlotPen(RgbImage& image, RgbColor color) : canvas_(image) { canvas_.setPenColor(color); }

    void moveTo(double x, double y) {
        x_ = checked(x);
        y_ = checked(y);
    }

    void lineTo(double x, double y) {
        x = checked(x);
        y = checked(y);
        drawSegment(x_, y_, x, y);
        x_ = x;
        y_ = y;
    }

    double x() const { return x_; }

private:
    // A coordinate without a value cannot be rounded; an infinite one is merely far away.
    static double checked(double value) {
        if (std::isnan(value)) {
            throw StandardError::invalidFloatOperation();
        }
        return std::clamp(value, -FarAway, FarAway);
    }

    void drawSegment(double x0, double y0, double x1, double y1) {
        const auto limit = static_cast<long double>(Canvas::WideLimit);
        long double from = 0.0L;
        long double to = 1.0L;
        const long double start[2] = {x0, y0};
        const long double delta[2] = {static_cast<long double>(x1) - x0,
                                      static_cast<long double>(y1) - y0};
        // Liang-Barsky: keep the part of the segment within [-limit, limit] on both axes.
        for (int axis = 0; axis < 2; ++axis) {
            const long double edges[2] = {-limit - start[axis], limit - start[axis]};
            if (delta[axis] == 0.0L) {
                if (edges[0] > 0.0L || edges[1] < 0.0L) {
                    return;
                }
                continue;
            }
            long double enter = edges[0] / delta[axis];
            long double leave = edges[1] / delta[axis];
            if (enter > leave) {
                std::swap(enter, leave);
            }
            from = std::max(from, enter);
            to = std::min(to, leave);
        }
        if (from > to) {
            return; // nowhere near the image
        }
        canvas_.moveToWide(wide(start[0] + from * delta[0]), wide(start[1] + from * delta[1]));
        canvas_.lineToWide(wide(start[0] + to * delta[0]), wide(start[1] + to * delta[1]));
    }

    static std::int64_t wide(long double value) { return std::llround(value); }

    static constexpr double FarAway = 1e300;

    Canvas canvas_;
    double x_ = 0.0;
    double y_ = 0.0;
};

// round(value) x scale in doubles, so that no integer can overflow.
double scaled(double value, int plotScale) {
    return std::nearbyint(value) * plotScale;
}

} // namespace

PlotOrigin plotOrigin(int width, int height) {
    return {static_cast<int>(roundHalfEven(width * 0.5 / 4.0)),
            static_cast<int>(roundHalfEven(height * 3.5 / 4.0))};
}

void drawPlotFrame(RgbImage& image, const GrowthData& data, int plotScale, PlotOrigin origin) {
    image.fill(White);
    Canvas axes(image);
    axes.setPenColor(Black);
    axes.moveTo(0, origin.y);
    axes.lineTo(image.width(), origin.y);
    axes.moveTo(origin.x, 0);
    axes.lineTo(origin.x, image.height());

    const auto point = [&](int row, double& x, double& y) {
        const auto at = static_cast<std::size_t>(row);
        x = scaled(data.dataTime[at], plotScale) + origin.x;
        y = origin.y - scaled(data.dataMean[at] * 10.0, plotScale);
    };
    PlotPen pen(image, Red);
    double x = 0.0;
    double y = 0.0;
    point(0, x, y);
    pen.moveTo(x, y);
    for (int row = 0; row <= data.dataLastRow; ++row) {
        point(row, x, y);
        pen.lineTo(x, y);
    }
}

void drawPlotCurve(RgbImage& image, const GrowthFunction& curve, int lifeCycleTime, int plotScale,
                   PlotOrigin origin) {
    PlotPen pen(image, Blue);
    pen.moveTo(origin.x, origin.y);
    for (int time = 0; time <= lifeCycleTime; ++time) {
        // Times run to the right only: once the pen has left the image on that side, no later
        // segment can come back into it.
        if (pen.x() >= image.width() && time > 0) {
            break;
        }
        const double x = origin.x + static_cast<double>(time) * plotScale;
        const double y = origin.y - scaled(logisticValue(curve, time) * 10.0, plotScale);
        pen.lineTo(x, y);
    }
}

RgbImage plotCurve(const GrowthData& data, const GrowthFunction& curve, int plotScale) {
    RgbImage image(PlotWidth, PlotHeight);
    const PlotOrigin origin = plotOrigin(image.width(), image.height());
    drawPlotFrame(image, data, plotScale, origin);
    drawPlotCurve(image, curve, data.lifeCycleTime, plotScale, origin);
    return image;
}

const std::array<std::pair<GrowthOrgan, const char*>, 5>& savedPlotFiles() {
    static const std::array<std::pair<GrowthOrgan, const char*>, 5> files = {{
        {GrowthOrgan::Internode, "Internode.bmp"},
        {GrowthOrgan::Petiole, "Petiole.bmp"},
        {GrowthOrgan::LeafLength, "Leaf.bmp"},
        {GrowthOrgan::Apex, "Apex.bmp"},
        {GrowthOrgan::Flower, "Flower.bmp"},
    }};
    return files;
}

} // namespace burgeon
