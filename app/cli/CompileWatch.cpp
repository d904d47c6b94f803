#include "app/cli/CompileWatch.h"

#include "base/NumberText.h"

#include <atomic>
#include <csignal>

namespace burgeon {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void noteInterrupt(int) {
    interrupted = true;
}

} // namespace

CompileWatch::CompileWatch(std::optional<double> maxSeconds)
    : maxSeconds_(maxSeconds), start_(std::chrono::steady_clock::now()) {
    interrupted = false;
    previousHandler_ = std::signal(SIGINT, noteInterrupt);
}

CompileWatch::~CompileWatch() {
    std::signal(SIGINT, previousHandler_ == SIG_ERR ? SIG_DFL : previousHandler_);
}

RewriteControl CompileWatch::control() const {
    RewriteControl control;
    control.stopRequested = [this] {
        if (interrupted) {
            return true;
        }
        if (!maxSeconds_) {
            return false;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
        return elapsed.count() > *maxSeconds_;
    };
    return control;
}

std::string CompileWatch::reason() const {
    if (interrupted) {
        return "stopped by Ctrl-C";
    }
    return "it took longer than --max-seconds " + formatGeneral(maxSeconds_.value_or(0.0));
}

} // namespace burgeon
