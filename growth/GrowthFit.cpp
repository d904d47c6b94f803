#include "growth/GrowthFit.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "growth/CurveFit.h"

namespace burgeon {

namespace {

bool fitInto(const std::vector<std::string>& lines, GrowthData& data, FitOutcome& outcome) {
    if (!withinGrowthDataLimits(lines)) {
        addError(outcome.messages,
                 "Growth data is limited to 501 lines of at most 101 values each.");
        return false;
    }
    FitWorkingState work;
    if (const int badLine = readDataRows(lines, data, work); badLine != 0) {
        outcome.messages.push_back({MessageKind::Error,
                                    "Error Data in line " + std::to_string(badLine),
                                    static_cast<std::size_t>(badLine)});
        return false;
    }
    addInformation(outcome.messages, "LifeCycle time=" + std::to_string(data.lifeCycleTime));
    alignColumns(work, data.dataLastRow);
    addInformation(outcome.messages, "# of Var = " + std::to_string(work.columnCount));
    if (data.dataLastRow < 0) {
        addError(outcome.messages, "No growth data to fit.");
        return false;
    }
    outcome.columnsCounted = true;
    computeMeans(work, data);
    const GrowthFunction& fitted = outcome.curve = fitCoefficients(data);
    addInformation(outcome.messages,
                   "L=" + formatGeneral(fitted.bottom) + ", U=" + formatGeneral(fitted.top) +
                       ", m=" + formatGeneral(fitted.slope) + ", T=" + formatGeneral(fitted.tmid));
    return true;
}

} // namespace

GrowthFunction curveAsShown(const GrowthFunction& curve) {
    return {parseFloat(formatGeneral(curve.bottom)), parseFloat(formatGeneral(curve.top)),
            parseFloat(formatGeneral(curve.slope)), parseFloat(formatGeneral(curve.tmid))};
}

FitOutcome fitGrowthData(const std::vector<std::string>& lines, GrowthData& data) {
    FitOutcome outcome;
    try {
        outcome.completed = fitInto(lines, data, outcome);
    } catch (const StandardError& error) {
        // A field that is not a number, or means that are no numbers.
        outcome.messages.push_back({MessageKind::Error, error.what(), error.lineNumber()});
    }
    return outcome;
}

} // namespace burgeon
