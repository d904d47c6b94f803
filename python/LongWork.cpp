#include "python/LongWork.h"

namespace burgeon::python {

namespace {

// How often the work lets Python look at its signals.
constexpr std::chrono::milliseconds SignalCheckInterval{50};

} // namespace

LongWork::LongWork(std::optional<double> maxSeconds, py::object progress)
    : callback_(std::move(progress)), lastCheck_(std::chrono::steady_clock::now()),
      stop_(maxSeconds, [this] { return interrupted(); }) {}

bool LongWork::interrupted() {
    if (pending_) {
        return true;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - lastCheck_ < SignalCheckInterval) {
        return false;
    }
    lastCheck_ = now;
    const py::gil_scoped_acquire gil;
    if (PyErr_CheckSignals() != 0) {
        pending_.emplace();
    }
    return pending_.has_value();
}

void LongWork::tell(int percent) {
    // Told only as it grows: the engine's stages may each count from the start again.
    if (callback_.is_none() || percent <= lastPercent_ || pending_) {
        return;
    }
    lastPercent_ = percent;
    const py::gil_scoped_acquire gil;
    try {
        callback_(percent);
    } catch (py::error_already_set& error) {
        pending_.emplace(std::move(error));
    }
}

ProgressCallback LongWork::progress() {
    if (callback_.is_none()) {
        return {};
    }
    return [this](int percent) { tell(percent); };
}

void LongWork::raisePending() {
    if (pending_) {
        py::error_already_set error = std::move(*pending_);
        pending_.reset();
        throw error;
    }
}

} // namespace burgeon::python
