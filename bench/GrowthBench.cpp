#include "base/RecordingUserInterface.h"
#include "growth/GrowthPlot.h"
#include "pages/GrowthFunctionPage.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

using namespace burgeon;

// The largest box the fit accepts: 501 rows of a time and 101 staggered logistic columns.
std::string fullGrowthBox() {
    std::string text;
    for (int row = 0; row < GrowthDataMaxLines; ++row) {
        text += std::to_string(row);
        for (int column = 0; column < GrowthDataMaxValues; ++column) {
            const int age = row - column;
            const double size = age < 0 ? 0.0 : 4.0 / (1.0 + std::exp(0.3 * (40 - age)));
            text += ' ' + std::to_string(size);
        }
        text += '\n';
    }
    return text;
}

// "Fit Curve" on the full box with "All": read, align, average, the slope grid, seven plots.
void BM_FitCurveFullBox(benchmark::State& state) {
    RecordingUserInterface ui;
    PlantGrowth growth;
    GrowthFunctionPage page(ui, growth);
    page.dataBox.setText(fullGrowthBox());
    for (auto _ : state) {
        benchmark::DoNotOptimize(page.fitCurve());
        ui.messages.clear();
    }
}
BENCHMARK(BM_FitCurveFullBox)->Unit(benchmark::kMillisecond);

// One plot with 501 data points and a curve over a life cycle far beyond the image.
void BM_DrawOnePlot(benchmark::State& state) {
    GrowthData data;
    data.dataLastRow = GrowthDataMaxLines - 1;
    for (int row = 0; row < GrowthDataMaxLines; ++row) {
        data.dataTime[static_cast<std::size_t>(row)] = row * 1e9;
        data.dataMean[static_cast<std::size_t>(row)] = std::sqrt(row);
    }
    RgbImage image(PlotWidth, PlotHeight);
    const PlotOrigin origin = plotOrigin(PlotWidth, PlotHeight);
    for (auto _ : state) {
        drawPlotFrame(image, data, 2, origin);
        drawPlotCurve(image, {0, 4, 0.3, 40}, 2000000000, 2, origin);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawOnePlot)->Unit(benchmark::kMicrosecond);

} // namespace
