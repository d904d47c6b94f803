#include "base/NumberText.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "fuzz/FuzzEntries.h"
#include "growth/CurveFit.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthPlot.h"

namespace burgeon {

namespace {

// The boxes hold the fitted coefficients as text; committing reads them back.
double throughBox(double coefficient) {
    return parseFloat(formatGeneral(coefficient));
}

// Every organ's plot as the commit of "All" draws it: the frame with the data, then the curve.
void plotEveryOrgan(const GrowthData& data, const GrowthCurves& curves, int plotScale) {
    RgbImage plot(PlotWidth, PlotHeight);
    const PlotOrigin origin = plotOrigin(PlotWidth, PlotHeight);
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        drawPlotFrame(plot, data, plotScale, origin);
        drawPlotCurve(plot, curves.getCurve(static_cast<GrowthOrgan>(organ)), data.LifeCycleTime,
                      plotScale, origin);
        // Drawing clips at the edges: whatever the data, the plot keeps its size.
        if (plot.width() != PlotWidth || plot.height() != PlotHeight ||
            plot.bytes().size() != std::size_t{PlotWidth} * PlotHeight * 3) {
            throw FuzzFinding("a plot changed its size");
        }
    }
}

} // namespace

// The steps of "Fit Curve" on the loaded text, through the functions the page calls.
void runGrowthDataInput(std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(growthDataText(bytes));
    if (!withinGrowthDataLimits(lines)) {
        return; // the limits message
    }
    GrowthData data;
    FitWorkingState work;
    try {
        if (readDataRows(lines, data, work) != 0) {
            return; // "Error Data in line N"
        }
        alignColumns(work, data.DataLastRow);
        if (data.DataLastRow < 0) {
            return; // no data row
        }
        computeMeans(work, data);
        const GrowthFunction fitted = fitCoefficients(data);
        GrowthCurves curves;
        curves.setCurve(GrowthOrgan::All, throughBox(fitted.Bottom), throughBox(fitted.Top),
                        throughBox(fitted.Slope), throughBox(fitted.Tmid));
        // Every plot magnification gets its share of the inputs.
        plotEveryOrgan(data, curves, 1 + static_cast<int>(bytes.size() % 10));
    } catch (const StandardError&) {
        // A field that is no number, a time without values, a curve without a value: the
        // message is the answer to such data.
    }
}

} // namespace burgeon
