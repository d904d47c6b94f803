#include "frame/FrameScene.h"

#include "base/NumberText.h"
#include "project/PlantProject.h"

#include <cmath>

namespace burgeon {

namespace {

// The turntable turns once in 40 time units, starting 100 after the levels' births.
constexpr double DegreesPerTurn = 360.0;
constexpr double TimePerTurn = 40.0;
constexpr double TurntableDelay = 100.0;
constexpr std::int32_t TimeAxisMargin = 150;

// How long the levels of the plant take to be born, as the time axis reckons it.
double birthSpan(const PlantProject& project) {
    const int lifeCycle = project.growth.fittedData.lifeCycleTime;
    return std::fabs(1.0 - project.parameters.nodeBirthRate) * lifeCycle;
}

} // namespace

double turntableStart(const PlantProject& project) {
    return static_cast<double>(roundHalfEven(birthSpan(project) + TurntableDelay));
}

std::optional<double> turntableDegrees(const PlantProject& project, double time) {
    if (time > turntableStart(project)) {
        return time * DegreesPerTurn / TimePerTurn;
    }
    return std::nullopt;
}

std::int32_t timeAxisEnd(const PlantProject& project) {
    return static_cast<std::int32_t>(roundHalfEven(birthSpan(project)) + TimeAxisMargin);
}

void drawScene(FrameCanvas& canvas, const PlantProject& project, double time) {
    canvas.beginFrame();
    canvas.applyViewTransform();
    canvas.drawLand();
    if (project.view.showAxes) {
        canvas.drawAxes();
    }
    if (const auto turn = turntableDegrees(project, time)) {
        canvas.rotateTurntable(*turn);
    }
    canvas.drawPlant(time);
}

} // namespace burgeon
