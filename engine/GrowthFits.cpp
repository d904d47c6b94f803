#include "engine/GrowthFits.h"

#include "base/NumberText.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "growth/GrowthDataFile.h"
#include "growth/GrowthFit.h"

#include <charconv>
#include <cmath>

namespace burgeon {

namespace {

// The shortest decimals without an exponent that read back to the same value.
void appendPlainNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
        return;
    }
    std::array<char, 400> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::fixed);
    out.append(digits.data(), result.ptr);
}

} // namespace

GrowthFitReport fitGrowthText(const std::string& text, GrowthOrgan organ, const std::string& name) {
    GrowthFitReport report;
    const FitOutcome fitted = fitGrowthData(splitLines(text), report.growth.fittedData);
    report.messages = placeMessages(fitted.messages, name);
    if (!fitted.completed) {
        return report;
    }
    report.curve = curveAsShown(fitted.curve);
    report.boxes = {formatGeneral(fitted.curve.bottom), formatGeneral(fitted.curve.top),
                    formatGeneral(fitted.curve.slope), formatGeneral(fitted.curve.tmid)};
    commitFittedCurve(report.growth, organ, fitted.curve, text);
    report.completed = true;
    return report;
}

GrowthFitReport fitGrowthFile(const std::string& fileName, GrowthOrgan organ) {
    std::string text;
    try {
        text = readGrowthDataFile(fileName);
    } catch (const StandardError& error) {
        GrowthFitReport report;
        report.messages.push_back({MessageKind::Error, error.what(), {}});
        return report;
    }
    return fitGrowthText(text, organ, fileName);
}

std::string growthDataFromArrays(std::span<const double> times, std::span<const double> sizes,
                                 std::size_t columns) {
    std::string text;
    for (std::size_t row = 0; row < times.size(); ++row) {
        appendPlainNumber(text, times[row]);
        for (std::size_t column = 0; column < columns; ++column) {
            text += ' ';
            appendPlainNumber(text, sizes[row * columns + column]);
        }
        text += '\n';
    }
    return text;
}

} // namespace burgeon
