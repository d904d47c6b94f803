#include "desktop/MeshExportAction.h"

#include "mesh/MeshFormats.h"

#include "base/HandlerGuard.h"
#include "base/NumberText.h"
#include "mesh/ProjectMeshExport.h"

#include <filesystem>

namespace burgeon {

MeshExportAction::MeshExportAction(PlantProject& project, Clock& clock, UserInterface& ui)
    : tick([&clock] { return clock.tickMilliseconds(); }), project_(project), clock_(clock),
      ui_(ui) {}

void MeshExportAction::exportWithDialog() {
    const Moment asked = now();
    runHandler(ui_, [this, &asked] {
        // The first format of the table when the name gives none.
        const std::string defaultExtension = "." + std::string(meshFormats().front().extension);
        const std::string suggested = fileName_.empty() ? "plant" + defaultExtension : fileName_;
        if (auto file = ui_.saveFileDialog(".", meshFileFilter(), suggested)) {
            if (std::filesystem::path(*file).extension().empty()) {
                *file += defaultExtension;
            }
            exportAt(*file, asked);
        }
    });
}

MeshExportAction::Moment MeshExportAction::now() const {
    return {project_.animation.currentTime, clock_.millisecondsOfDay()};
}

bool MeshExportAction::exportTo(const std::string& fileName) {
    return exportAt(fileName, now());
}

bool MeshExportAction::exportAt(const std::string& fileName, const Moment& moment) {
    MeshExportRequest request;
    request.fileName = fileName;
    request.time = moment.time;
    FixedClock clock; // the wind as it blew at that moment
    clock.millisecondsOfDayValue = moment.millisecondsOfDay;
    const std::int64_t start = tick();
    const ProgressCallback progress = [this, start](int percent) {
        if (tick() - start > ProgressDelayMilliseconds) {
            ui_.setStatusText("Exporting mesh\u2026 " + std::to_string(percent) + "%");
        }
    };
    MeshExportSummary summary;
    const bool written = runHandler(ui_, [&] {
        BusyCursor busy(ui_);
        summary = exportProjectMesh(project_, clock, request, progress);
    });
    if (!written) {
        ui_.setStatusText("");
        return false;
    }
    fileName_ = fileName;
    ui_.setStatusText(std::filesystem::path(fileName).filename().string() + ": " +
                      std::to_string(summary.organs) + " organs at time " +
                      formatGeneral(request.time));
    return true;
}

} // namespace burgeon
