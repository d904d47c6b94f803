#include "lsystem/StringRewriter.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace burgeon {

namespace {

std::string reportHead(const LSystemDefinition& d) {
    std::string report = "This is the result of syntax checked.\n";
    report += std::string(39, '-') + "\n";
    report += "Iteration = " + std::to_string(d.Iterations) + "\n";
    report += "Direction = " + formatGeneral(d.AngleSetting) + "\n";
    report += "Thickness = " + formatGeneral(d.DiameterSetting) + "\n";
    report += "Axiom = " + d.Axiom + "\n";
    for (std::int32_t i = 0; i < d.RuleCount; ++i) {
        const RewriteRule& rule = d.Rules[static_cast<std::size_t>(i)];
        report += "Rule " + std::to_string(i + 1) + " = " + rule.Predecessor + ":" +
                  rule.Successor + "\n";
    }
    for (std::int32_t i = 0; i < d.EndRuleCount; ++i) {
        const RewriteRule& rule = d.EndRules[static_cast<std::size_t>(i)];
        report += "EndRule " + std::to_string(i + 1) + " = " + rule.Predecessor + ":" +
                  rule.Successor + "\n";
    }
    return report;
}

std::string grewTooLong(std::int64_t iteration) {
    return "The result string grew beyond " + std::to_string(MaxResultLength) +
           " characters at iteration " + std::to_string(iteration) + "; expansion stopped.";
}

int percentDone(std::int64_t done, std::int64_t total) {
    return static_cast<int>(done * 100 / total);
}

} // namespace

bool applyRuleInto(const std::string& text, const RewriteRule& rule, std::string& out,
                   std::size_t limit) {
    if (rule.Predecessor.size() != 1) {
        if (text.size() > limit) {
            return false;
        }
        out.assign(text);
        return true;
    }
    const char symbol = rule.Predecessor[0];
    const std::string& successor = rule.Successor;
    const std::size_t matches =
        static_cast<std::size_t>(std::count(text.begin(), text.end(), symbol));
    const std::size_t kept = text.size() - matches;
    // kept + matches * |successor|, checked without overflow.
    if (kept > limit || (successor.size() != 0 && matches > (limit - kept) / successor.size())) {
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

RewriteOutcome rewriteLSystem(const LSystemDefinition& d, const ProgressCallback& progress) {
    RewriteOutcome outcome;
    std::string report = reportHead(d);

    std::string result = d.Axiom;
    std::string scratch;
    scratch.reserve(result.size());
    for (std::int64_t n = 1; n <= d.Iterations && d.RuleCount > 0; ++n) {
        bool changed = false;
        for (std::int32_t r = 1; r <= d.RuleCount; ++r) {
            const RewriteRule& rule = d.Rules[static_cast<std::size_t>(r - 1)];
            if (!applyRuleInto(result, rule, scratch)) {
                addError(outcome.messages, grewTooLong(n));
                return outcome;
            }
            changed = changed || scratch != result;
            result.swap(scratch);
            reportProgress(progress, percentDone(n * r, std::int64_t{d.RuleCount} * d.Iterations));
        }
        if (!changed) {
            // The rules map this string to itself: the remaining iterations change nothing.
            reportProgress(progress, 100);
            break;
        }
    }
    if (d.HasEndRuleLine) {
        for (std::int32_t r = 1; r <= d.EndRuleCount; ++r) {
            const RewriteRule& rule = d.EndRules[static_cast<std::size_t>(r - 1)];
            if (!applyRuleInto(result, rule, scratch)) {
                // The end rules run as one more pass after the last iteration.
                addError(outcome.messages,
                         grewTooLong(std::max<std::int64_t>(d.Iterations, 0) + 1));
                return outcome;
            }
            result.swap(scratch);
            reportProgress(progress, percentDone(r, d.EndRuleCount));
        }
    }

    const std::string equalsLine(29, '=');
    report += equalsLine + "\n";
    report +=
        "The Result String after running at " + std::to_string(d.Iterations) + " iterations.\n";
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
