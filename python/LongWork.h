#pragma once

#include "base/Progress.h"
#include "engine/StopCondition.h"

#include <pybind11/pybind11.h>

#include <chrono>
#include <optional>

namespace burgeon::python {

namespace py = pybind11;

// What one long engine call (a compilation, an export, a film) takes from Python: a stop
// condition that ends the work at Ctrl-C or past max_seconds, and progress told to a Python
// callback. The work runs with the GIL released; a few times a second the condition takes the
// GIL briefly to let Python handle its signals (KeyboardInterrupt), and the callback is called
// with the GIL whenever the percentage grows. A Python exception raised meanwhile (the
// interrupt, an error of the callback) ends the work, and raisePending() raises it again once
// the work has returned. Made and ended with the GIL held; it must stay where it is.
class LongWork {
public:
    LongWork(std::optional<double> maxSeconds, py::object progress);
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    const StopCondition& stop() const { return stop_; }
    // For the engine, called without the GIL.
    ProgressCallback progress();
    std::optional<double> maxSeconds() const { return stop_.maxSeconds(); }

    // With the GIL: raises the Python exception that ended the work, if there is one.
    void raisePending();

private:
    bool interrupted();
    void tell(int percent);

    py::object callback_;
    std::optional<py::error_already_set> pending_;
    std::chrono::steady_clock::time_point lastCheck_;
    int lastPercent_ = -1;
    StopCondition stop_;
};

} // namespace burgeon::python
