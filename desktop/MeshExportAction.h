#pragma once

#include "base/Clock.h"
#include "base/UserInterface.h"
#include "project/PlantProject.h"

#include <cstdint>
#include <functional>
#include <string>

namespace burgeon {

// "Export Mesh…": the plant the view shows, at its current time, as a mesh file. The busy
// cursor shows while it is written; an export that takes longer than half a second shows its
// progress in the status panel, and the panel names the file when it is done.
class MeshExportAction {
public:
    // The walk's wind follows the clock, as in the view.
    MeshExportAction(PlantProject& project, Clock& clock, UserInterface& ui);

    // Asks for a file (.glb unless another extension is given), then exports the plant as it
    // was when asked: the view goes on growing it behind the dialog. A cancelled dialog does
    // nothing.
    void exportWithDialog();
    // Exports the plant as it is now. True when every file was written; a failure is shown as
    // a message.
    bool exportTo(const std::string& fileName);

    // The file exported last, empty before the first export.
    const std::string& fileName() const { return fileName_; }
    // Milliseconds of a steady tick, for the time an export has taken; the clock's by default.
    std::function<std::int64_t()> tick;

    static constexpr std::int64_t ProgressDelayMilliseconds = 500;

private:
    // The view's time and the time of day its wind follows, at one moment.
    struct Moment {
        double time = 1.0;
        std::int64_t millisecondsOfDay = 0;
    };
    Moment now() const;
    bool exportAt(const std::string& fileName, const Moment& moment);

    PlantProject& project_;
    Clock& clock_;
    UserInterface& ui_;
    std::string fileName_;
};

} // namespace burgeon
