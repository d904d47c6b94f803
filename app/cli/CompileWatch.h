#pragma once

#include "lsystem/StringRewriter.h"

#include <chrono>
#include <optional>
#include <string>

namespace burgeon {

// How long a command lets a compilation run: until Ctrl-C, or past --max-seconds. Ctrl-C is
// caught only while the watch lives, so it still ends the rest of a command at once.
class CompileWatch {
public:
    explicit CompileWatch(std::optional<double> maxSeconds);
    ~CompileWatch();
    CompileWatch(const CompileWatch&) = delete;
    CompileWatch& operator=(const CompileWatch&) = delete;

    // The rewriting's control: stops at Ctrl-C or when the time is up.
    RewriteControl control() const;
    // Why a stopped compilation stopped, as the command says it after the compiler's message.
    std::string reason() const;

private:
    std::optional<double> maxSeconds_;
    std::chrono::steady_clock::time_point start_;
    void (*previousHandler_)(int) = nullptr;
};

} // namespace burgeon
