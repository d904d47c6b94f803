#include "engine/StopCondition.h"

namespace burgeon {

StopCondition::StopCondition(std::optional<double> maxSeconds, std::function<bool()> interrupted)
    : maxSeconds_(maxSeconds), interrupted_(std::move(interrupted)),
      start_(std::chrono::steady_clock::now()) {}

bool StopCondition::stopRequested() const {
    if (cause_ != StopCause::None) {
        return true;
    }
    if (interrupted_ && interrupted_()) {
        cause_ = StopCause::Interrupted;
    } else if (maxSeconds_) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
        if (elapsed.count() > *maxSeconds_) {
            cause_ = StopCause::TimeLimit;
        }
    }
    return cause_ != StopCause::None;
}

RewriteControl StopCondition::rewriteControl() const {
    RewriteControl control;
    control.stopRequested = [this] { return stopRequested(); };
    return control;
}

} // namespace burgeon
