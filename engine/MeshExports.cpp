#include "engine/MeshExports.h"

#include "base/StandardError.h"

namespace burgeon {

namespace {

// Thrown from the progress callback to leave the export when the stop condition is met; the
// files not yet renamed are removed on the way out.
struct ExportStopped {};

} // namespace

Outcome exportPlantMesh(const PlantProject& project, Clock& clock, const MeshExportRequest& request,
                        MeshExportSummary& summary, const ProgressCallback& progress,
                        const StopCondition& stop) {
    Outcome outcome;
    const ProgressCallback watched = [&](int percent) {
        if (stop.stopRequested()) {
            throw ExportStopped{};
        }
        reportProgress(progress, percent);
    };
    try {
        summary = exportProjectMesh(project, clock, request, watched);
    } catch (const ExportStopped&) {
        outcome.ending = Outcome::Ending::Stopped;
        outcome.stopCause = stop.cause();
    } catch (const StandardError& error) {
        outcome.fail(error.what());
    }
    return outcome;
}

} // namespace burgeon
