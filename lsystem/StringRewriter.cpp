#include "lsystem/StringRewriter.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <vector>

namespace burgeon {

namespace {

std::string reportHead(const LSystemDefinition& d) {
    std::string report = "This is the result of syntax checked.\n";
    report += std::string(39, '-') + "\n";
    report += "Iteration = " + std::to_string(d.iterations) + "\n";
    report += "Direction = " + formatGeneral(d.angleSetting) + "\n";
    report += "Thickness = " + formatGeneral(d.diameterSetting) + "\n";
    report += "Axiom = " + d.axiom + "\n";
    for (std::int32_t i = 0; i < d.ruleCount; ++i) {
        const RewriteRule& rule = d.rules[static_cast<std::size_t>(i)];
        report += "Rule " + std::to_string(i + 1) + " = " + rule.predecessor + ":" +
                  rule.successor + "\n";
    }
    for (std::int32_t i = 0; i < d.endRuleCount; ++i) {
        const RewriteRule& rule = d.endRules[static_cast<std::size_t>(i)];
        report += "EndRule " + std::to_string(i + 1) + " = " + rule.predecessor + ":" +
                  rule.successor + "\n";
    }
    return report;
}

std::string grewTooLong(std::size_t limit, std::int64_t iteration) {
    return "The result string grew beyond " + std::to_string(limit) + " characters at iteration " +
           std::to_string(iteration) + "; expansion stopped.";
}

std::string stoppedAt(std::int64_t iteration, std::int64_t iterations) {
    return "Compiling was stopped at iteration " + std::to_string(iteration) + " of " +
           std::to_string(iterations) + "; the result string stays as it was.";
}

int percentDone(std::int64_t done, std::int64_t total) {
    return static_cast<int>(done * 100 / total);
}

} // namespace

bool applyRuleInto(const std::string& text, const RewriteRule& rule, std::string& out,
                   std::size_t limit) {
    if (rule.predecessor.size() != 1) {
        if (text.size() > limit) {
            return false;
        }
        out.assign(text);
        return true;
    }
    const char symbol = rule.predecessor[0];
    const std::string& successor = rule.successor;
    const auto matches = static_cast<std::size_t>(std::count(text.begin(), text.end(), symbol));
    const std::size_t kept = text.size() - matches;
    // kept + matches * |successor|, checked without overflow.
    if (kept > limit || (!successor.empty() && matches > (limit - kept) / successor.size())) {
        return false;
    }
    // The result's size is known, so it is written in place: no appends, no reallocation.
    out.resize(kept + matches * successor.size());
    char* target = out.data();
    const char* const replacement = successor.data();
    const std::size_t replacementSize = successor.size();
    for (const char c : text) {
        if (c != symbol) {
            *target++ = c;
        } else if (replacementSize == 1) {
            *target++ = *replacement;
        } else if (replacementSize <= 16) {
            // Short successors, the usual case, are cheaper copied inline than by a call.
            for (std::size_t i = 0; i < replacementSize; ++i) {
                target[i] = replacement[i];
            }
            target += replacementSize;
        } else {
            std::memcpy(target, replacement, replacementSize);
            target += replacementSize;
        }
    }
    return true;
}

std::string applyRule(const std::string& text, const RewriteRule& rule) {
    std::string out;
    applyRuleInto(text, rule, out, std::string::npos - 1);
    return out;
}

namespace {

// The strings the iterations made, kept while they fit a budget, to see the rules come back
// to a string they made before: from there on the iterations repeat with that period.
class IterationHistory {
public:
    // The iteration an equal string was made at, if one was kept; records this one.
    std::optional<std::int64_t> record(std::int64_t iteration, const std::string& text) {
        if (full_) {
            return std::nullopt;
        }
        const std::size_t hash = std::hash<std::string>{}(text);
        auto& candidates = byHash_[hash];
        for (const std::int64_t earlier : candidates) {
            if (strings_[static_cast<std::size_t>(earlier)] == text) {
                return earlier;
            }
        }
        bytes_ += text.size();
        full_ = bytes_ > Budget;
        candidates.push_back(iteration);
        strings_.push_back(text);
        return std::nullopt;
    }
    const std::string& at(std::int64_t iteration) const {
        return strings_[static_cast<std::size_t>(iteration)];
    }

private:
    static constexpr std::size_t Budget = 32u << 20;
    std::unordered_map<std::size_t, std::vector<std::int64_t>> byHash_;
    std::vector<std::string> strings_; // by iteration, from the axiom at 0
    std::size_t bytes_ = 0;
    bool full_ = false;
};

// The rewriting of one definition, iteration by iteration.
class Rewriting {
public:
    Rewriting(const LSystemDefinition& definition, const RewriteControl& control,
              RewriteOutcome& outcome)
        : d_(definition), control_(control), outcome_(outcome), result_(definition.axiom) {}

    // False when the expansion grew too long or was stopped (with the message that says so).
    bool iterate();
    bool applyEndRules();
    std::string& result() { return result_; }

private:
    bool apply(const RewriteRule& rule, std::int64_t iteration);
    bool stopRequested(std::int64_t iteration);

    const LSystemDefinition& d_;
    const RewriteControl& control_;
    RewriteOutcome& outcome_;
    std::string result_;
    std::string scratch_;
    bool changed_ = false; // by a rule of the iteration under way
};

bool Rewriting::apply(const RewriteRule& rule, std::int64_t iteration) {
    if (!applyRuleInto(result_, rule, scratch_, control_.maxLength)) {
        addError(outcome_.messages, grewTooLong(control_.maxLength, iteration));
        return false;
    }
    changed_ = changed_ || scratch_ != result_;
    result_.swap(scratch_);
    return true;
}

bool Rewriting::stopRequested(std::int64_t iteration) {
    if (control_.stopRequested && control_.stopRequested()) {
        outcome_.stopped = true;
        addError(outcome_.messages, stoppedAt(iteration, d_.iterations));
        return true;
    }
    return false;
}

bool Rewriting::iterate() {
    IterationHistory history;
    history.record(0, result_);
    for (std::int64_t n = 1; n <= d_.iterations && d_.ruleCount > 0; ++n) {
        changed_ = false;
        for (std::int32_t r = 1; r <= d_.ruleCount; ++r) {
            if (!apply(d_.rules[static_cast<std::size_t>(r - 1)], n) || stopRequested(n)) {
                return false;
            }
            reportProgress(control_.progress,
                           percentDone(n * r, std::int64_t{d_.ruleCount} * d_.iterations));
        }
        // Rules that map a string back to one they made before repeat with that period; a
        // string that no longer changes is the period of one.
        const bool unchanged = !changed_;
        const std::optional<std::int64_t> earlier =
            unchanged ? std::optional<std::int64_t>(n - 1) : history.record(n, result_);
        if (earlier) {
            const std::int64_t period = n - *earlier;
            if (!unchanged) {
                result_ = history.at(*earlier + (d_.iterations - *earlier) % period);
            }
            reportProgress(control_.progress, 100);
            break;
        }
    }
    return true;
}

bool Rewriting::applyEndRules() {
    if (!d_.hasEndRuleLine) {
        return true;
    }
    // The end rules run as one more pass after the last iteration.
    const std::int64_t pass = std::max<std::int64_t>(d_.iterations, 0) + 1;
    for (std::int32_t r = 1; r <= d_.endRuleCount; ++r) {
        if (!apply(d_.endRules[static_cast<std::size_t>(r - 1)], pass)) {
            return false;
        }
        reportProgress(control_.progress, percentDone(r, d_.endRuleCount));
    }
    return true;
}

} // namespace

RewriteOutcome rewriteLSystem(const LSystemDefinition& d, const RewriteControl& control) {
    RewriteOutcome outcome;
    Rewriting rewriting(d, control, outcome);
    if (!rewriting.iterate() || !rewriting.applyEndRules()) {
        return outcome;
    }
    std::string& result = rewriting.result();
    const std::string equalsLine(29, '=');
    std::string report = reportHead(d);
    report += equalsLine + "\n";
    report +=
        "The Result String after running at " + std::to_string(d.iterations) + " iterations.\n";
    report += result + "\n";
    report += equalsLine + "\n";
    report += "End of Compiling\n";
    addInformation(outcome.messages, "all string =" + std::to_string(result.size()));
    addInformation(outcome.messages, "Generate Completed");
    outcome.completed = true;
    outcome.resultString = std::move(result);
    outcome.report = std::move(report);
    return outcome;
}

} // namespace burgeon
