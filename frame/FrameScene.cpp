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

double turntableDegrees(const PlantProject& project, double time) {
    return time > turntableStart(project) ? time * DegreesPerTurn / TimePerTurn : 0.0;
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
    if (time > turntableStart(project)) {
        canvas.rotateTurntable(turntableDegrees(project, time));
    }
    canvas.drawPlant(time);
}

} // namespace burgeon
