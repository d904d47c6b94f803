#pragma once

#include "base/Message.h"
#include "base/Progress.h"
#include "lsystem/PlantState.h"

#include <cstddef>
#include <functional>
#include <string>

namespace burgeon {

// The longest result string an expansion may build.
constexpr std::size_t MaxResultLength = 10'000'000;

// One left-to-right pass of a rule: every character equal to the one-character Predecessor is
// replaced by Successor and scanning resumes after the inserted text, so the pass is a map
// over the characters. A Predecessor that is empty or longer than one character never matches.
std::string applyRule(const std::string& text, const RewriteRule& rule);

// The same pass into `out` (whose capacity is reused). Returns false, leaving `out`
// unspecified, when the result would be longer than `limit` characters.
bool applyRuleInto(const std::string& text, const RewriteRule& rule, std::string& out,
                   std::size_t limit = MaxResultLength);

// How an expansion is watched: its progress in percent, a request to stop it (asked after
// every rule applied) and the longest result string it may build.
struct RewriteControl {
    ProgressCallback progress;
    std::function<bool()> stopRequested;
    std::size_t maxLength = MaxResultLength;
};

// What the rewriting of a definition gives: the result string, the compile report and the
// closing messages; or, when the expansion grew too long or was stopped, the message that says
// so.
struct RewriteOutcome {
    bool completed = false;
    bool stopped = false;
    std::string resultString;
    std::string report;
    Messages messages;
};

// Expands the axiom: the rules for the given number of iterations, then the end rules once.
// Rules that bring the string back to one they made before repeat themselves from there on, so
// the rest of the iterations is worked out at once with the same result.
RewriteOutcome rewriteLSystem(const LSystemDefinition& definition,
                              const RewriteControl& control = {});

} // namespace burgeon
