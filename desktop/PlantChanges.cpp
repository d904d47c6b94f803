#include "desktop/PlantChanges.h"

#include "project/Session.h"

#include <exception>

namespace burgeon {

namespace {

// Sets the clock to a value for its lifetime, then back.
class ClockSetAside {
public:
    ClockSetAside(double& clock, double value) : clock_(clock), shown_(clock) { clock_ = value; }
    ~ClockSetAside() { clock_ = shown_; }
    ClockSetAside(const ClockSetAside&) = delete;
    ClockSetAside& operator=(const ClockSetAside&) = delete;

private:
    double& clock_;
    double shown_;
};

} // namespace

void PlantChanges::markUnchanged() {
    unchanged_ = savedForm();
}

bool PlantChanges::changed() {
    const auto now = savedForm();
    // A plant that cannot be put in a session's form (a text that is no UTF-8) counts as changed.
    return !now || !unchanged_ || *now != *unchanged_;
}

std::optional<std::string> PlantChanges::savedForm() {
    // Every form is taken at the same time of the clock; the folder decides only how the leaf
    // texture's file is named, and is the same for every form.
    const ClockSetAside clock(project_.animation.currentTime, 1.0);
    try {
        return sessionText(project_, "/");
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace burgeon
