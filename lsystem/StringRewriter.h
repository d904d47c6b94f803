#pragma once

#include "lsystem/LSystemWorkspace.h"

#include <cstddef>
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

// Expands the axiom into ResultString, writes the compile report and shows the closing
// messages. Returns false when the expansion grew beyond MaxResultLength and was stopped.
bool rewriteLSystem(LSystemWorkspace& workspace);

} // namespace burgeon
