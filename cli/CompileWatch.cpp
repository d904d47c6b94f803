#include "cli/CompileWatch.h"

#include "base/NumberText.h"

#include <atomic>
#include <csignal>

namespace burgeon {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void noteInterrupt(int) {
    interrupted = true;
}

bool wasInterrupted() {
    return interrupted;
}

} // namespace

CompileWatch::CompileWatch(std::optional<double> maxSeconds)
    : maxSeconds_(maxSeconds), compilation_(maxSeconds, wasInterrupted),
      work_(std::nullopt, wasInterrupted) {
    interrupted = false;
    previousHandler_ = std::signal(SIGINT, noteInterrupt);
}

CompileWatch::~CompileWatch() {
    std::signal(SIGINT, previousHandler_ == SIG_ERR ? SIG_DFL : previousHandler_);
}

std::string CompileWatch::reason(StopCause cause) const {
    if (cause == StopCause::Interrupted) {
        return "stopped by Ctrl-C";
    }
    return "it took longer than --max-seconds " + formatGeneral(maxSeconds_.value_or(0.0));
}

} // namespace burgeon
