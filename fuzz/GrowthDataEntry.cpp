#include "base/StandardError.h"
#include "base/TextLines.h"
#include "fuzz/FuzzEntries.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthFit.h"
#include "growth/GrowthPlot.h"
#include "project/PlantGrowth.h"

namespace burgeon {

// "Read Data", "Fit Curve" with "All" committed, then every organ's plot, through the
// functions the page and `burgeon fit` call.
void runGrowthDataInput(std::string_view bytes) {
    const std::string text = growthDataText(bytes);
    PlantGrowth growth;
    const FitOutcome fitted = fitGrowthData(splitLines(text), growth.fittedData);
    if (fitted.messages.empty()) {
        throw FuzzFinding("a fit ended without a message");
    }
    if (!fitted.completed) {
        return; // the message is the answer to such data
    }
    commitFittedCurve(growth, GrowthOrgan::All, curveAsShown(fitted.curve), text);
    // Every plot magnification gets its share of the inputs.
    const int plotScale = 1 + static_cast<int>(bytes.size() % 10);
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        try {
            const RgbImage plot =
                plotCurve(growth.fittedData,
                          growth.curves.getCurve(static_cast<GrowthOrgan>(organ)), plotScale);
            // Drawing clips at the edges: whatever the data, the plot keeps its size.
            if (plot.width() != PlotWidth || plot.height() != PlotHeight ||
                plot.bytes().size() != std::size_t{PlotWidth} * PlotHeight * 3) {
                throw FuzzFinding("a plot changed its size");
            }
        } catch (const StandardError&) {
            // "Invalid floating point operation": a curve without a value at some time.
        }
    }
}

} // namespace burgeon
