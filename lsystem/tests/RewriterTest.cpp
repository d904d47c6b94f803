#include "lsystem/StringRewriter.h"
#include "lsystem/tests/LSystemFixture.h"

#include <random>

namespace burgeon::testing {
namespace {

using Lines = std::vector<std::string>;
using RewriterTest = LSystemFixture;

// The replacement exactly as described: text before p, successor, text after p, then resume
// after the inserted text.
std::string replaceStepByStep(std::string text, const RewriteRule& rule) {
    std::size_t p = 0;
    while (p < text.size()) {
        if (std::string(1, text[p]) == rule.predecessor) {
            text = text.substr(0, p) + rule.successor + text.substr(p + 1);
            p += rule.successor.size();
        } else {
            ++p;
        }
    }
    return text;
}

TEST(ApplyRule, OnePassResumesAfterTheInsertedText) {
    EXPECT_EQ(applyRule("A", {"A", "AA"}), "AA");
    EXPECT_EQ(applyRule("xAyA", {"A", ""}), "xy") << "an empty successor deletes";
    EXPECT_EQ(applyRule("AAB", {"A", ""}), "B");
    EXPECT_EQ(applyRule("AB", {"AB", "I"}), "AB") << "only one-character predecessors match";
    EXPECT_EQ(applyRule("AB", {"", "I"}), "AB");
    EXPECT_EQ(applyRule("I1I1", {"1", "II[/IL][\\IL]A"}), "III[/IL][\\IL]AIII[/IL][\\IL]A");
    EXPECT_EQ(applyRule("aA", {"a", "b"}), "bA") << "case-sensitive";
    EXPECT_EQ(applyRule("", {"A", "B"}), "");

    std::string out = "stale";
    EXPECT_FALSE(applyRuleInto("AAAA", {"A", "AAA"}, out, 11));
    EXPECT_TRUE(applyRuleInto("AAAA", {"A", "AAA"}, out, 12));
    EXPECT_EQ(out, "AAAAAAAAAAAA");
    EXPECT_TRUE(applyRuleInto("xAx", {"A", ""}, out, 2));
    EXPECT_EQ(out, "xx");
}

TEST(ApplyRule, MatchesTheStepByStepReplacementOnRandomInput) {
    std::mt19937 generator(2024);
    const std::string alphabet = "AB1I[]+";
    const auto randomText = [&](std::size_t maxLength) {
        std::string text(generator() % (maxLength + 1), ' ');
        for (char& c : text) {
            c = alphabet[generator() % alphabet.size()];
        }
        return text;
    };
    for (int round = 0; round < 500; ++round) {
        const std::string text = randomText(30);
        const RewriteRule rule{randomText(round % 7 == 0 ? 2 : 1), randomText(6)};
        ASSERT_EQ(applyRule(text, rule), replaceStepByStep(text, rule))
            << text << " with " << rule.predecessor << "=" << rule.successor;
    }
}

TEST_F(RewriterTest, RulesApplyInSourceOrderWithinAnIteration) {
    EXPECT_TRUE(compile(lsystemLines("A", {"A=IA", "I=II"})));
    EXPECT_EQ(plant.resultString, "IIA");
    EXPECT_TRUE(compile(lsystemLines("A", {"I=II", "A=IA"})));
    EXPECT_EQ(plant.resultString, "IA");
    EXPECT_TRUE(compile(lsystemLines("A", {"A=AA"}, 3)));
    EXPECT_EQ(plant.resultString, "AAAAAAAA");
    EXPECT_TRUE(compile(lsystemLines("IAIA", {"A="})));
    EXPECT_EQ(plant.resultString, "II");
}

TEST_F(RewriterTest, EndRulesRunOnceAfterTheLastIteration) {
    EXPECT_TRUE(compile(lsystemLines("1A2", {"A=1A", "Endrule", "1=I", "2=I"}, 2)));
    EXPECT_EQ(plant.resultString, "IIIAI") << "1A2 -> 11A2 -> 111A2, then 1 and 2 become I";
    EXPECT_EQ(messages, (Lines{"Rule=1, EndRule=2", "all string =5", "Generate Completed"}));

    // Without an "Endrule" line the same lines are ordinary rules, used in every iteration.
    EXPECT_TRUE(compile(lsystemLines("A", {"A=AB", "Endrule", "B=A"}, 2)));
    EXPECT_EQ(plant.resultString, "AAA");
    EXPECT_TRUE(compile(lsystemLines("A", {"A=AB", "B=A"}, 2)));
    EXPECT_EQ(plant.resultString, "AAAA");

    for (int iterations : {0, -3}) {
        EXPECT_TRUE(compile(lsystemLines("A1", {"A=AA", "Endrule", "1=I"}, iterations)));
        EXPECT_EQ(plant.resultString, "AI") << "only the end rules act";
        EXPECT_NE(plant.compileReport.find("The Result String after running at " +
                                           std::to_string(iterations) + " iterations.\nAI\n"),
                  std::string::npos);
    }
}

TEST_F(RewriterTest, ReportListsRulesAndResult) {
    EXPECT_TRUE(compile({"Plant{", "  Iterations=2", "  Angle=22.5", "  Diameter=2.50", "  Axiom=A",
                         "  A=I[+A]", "  Endrule", "  A=IF", "}"}));
    EXPECT_EQ(plant.compileReport, "This is the result of syntax checked.\n"
                                   "---------------------------------------\n"
                                   "Iteration = 2\n"
                                   "Direction = 22.5\n"
                                   "Thickness = 2.5\n"
                                   "Axiom = A\n"
                                   "Rule 1 = A:I[+A]\n"
                                   "EndRule 1 = A:IF\n"
                                   "=============================\n"
                                   "The Result String after running at 2 iterations.\n"
                                   "I[+I[+IF]]\n"
                                   "=============================\n"
                                   "End of Compiling\n");
    EXPECT_EQ(messages.back(), "Generate Completed");
    EXPECT_EQ(messages[1], "all string =10");
}

TEST_F(RewriterTest, ProgressFollowsRulesThenEndRules) {
    EXPECT_TRUE(compile(lsystemLines("A", {"A=IA", "I=II", "Endrule", "A=F", "I=i", "F=L"}, 2)));
    // From 0, the rules: n*r*100/(2*2) = 25, 50, 50, 100; the end rules: 33, 66, 100.
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 50, 100, 33, 66, 100}));
}

TEST_F(RewriterTest, AStringThatStopsChangingEndsTheIterationsEarly) {
    EXPECT_TRUE(compile(lsystemLines("AB", {"A=B", "B=C"}, 2'000'000'000)));
    EXPECT_EQ(plant.resultString, "CC");
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(RewriterTest, ExpansionBeyondTenMillionCharactersStops) {
    EXPECT_TRUE(compile(lsystemLines("I", {})));
    const std::string reportBefore = plant.compileReport;
    // 2^23 = 8388608 characters after 23 iterations; the 24th would double past the limit.
    EXPECT_FALSE(compile(lsystemLines("A", {"A=AA"}, 30)));
    EXPECT_EQ(messages, (Lines{"Rule=1, EndRule=0",
                               "The result string grew beyond 10000000 characters at iteration "
                               "24; expansion stopped."}));
    EXPECT_EQ(plant.resultString, "I");
    EXPECT_EQ(plant.compileReport, reportBefore);
    EXPECT_EQ(compiled.resultsPane, "L-system Results");
    EXPECT_EQ(progress.back(), 23 * 100 / 30);

    // Exactly ten million is allowed; the end rules count as the pass after the last iteration.
    EXPECT_FALSE(compile(lsystemLines(
        "AB", {"Endrule", "A=" + std::string(5'000'000, 'I'), "B=" + std::string(5'000'001, 'I')},
        0)));
    EXPECT_EQ(messages.back(), "The result string grew beyond 10000000 characters at iteration "
                               "1; expansion stopped.");
    EXPECT_TRUE(compile(lsystemLines(
        "AB", {"Endrule", "A=" + std::string(5'000'000, 'I'), "B=" + std::string(5'000'000, 'I')},
        0)));
    EXPECT_EQ(plant.resultString.size(), 10'000'000u);
}

} // namespace
} // namespace burgeon::testing

namespace burgeon::testing {
namespace {

// The expansion by applying every rule of every iteration, without shortcuts.
std::string expandStepByStep(const std::string& axiom, const std::vector<RewriteRule>& rules,
                             int iterations) {
    std::string text = axiom;
    for (int n = 0; n < iterations; ++n) {
        for (const RewriteRule& rule : rules) {
            text = applyRule(text, rule);
        }
    }
    return text;
}

LSystemDefinition definitionOf(const std::string& axiom, const std::vector<RewriteRule>& rules,
                               int iterations) {
    LSystemDefinition definition;
    definition.axiom = axiom;
    definition.iterations = iterations;
    definition.ruleCount = static_cast<std::int32_t>(rules.size());
    std::copy(rules.begin(), rules.end(), definition.rules.begin());
    return definition;
}

TEST(RewriteCycles, RulesThatComeBackToAStringRepeatWithTheSameResultAsStepByStep) {
    // A -> C, B -> A, C -> B turn "AB" into "BA" and back: a period of two.
    const std::vector<RewriteRule> swap = {{"A", "C"}, {"B", "A"}, {"C", "B"}};
    RewriteOutcome outcome = rewriteLSystem(definitionOf("AB", swap, 2'147'483'647));
    ASSERT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.resultString, "BA");
    EXPECT_EQ(rewriteLSystem(definitionOf("AB", swap, 2'000'000'000)).resultString, "AB");

    std::mt19937 generator(77);
    const std::string alphabet = "ABCD";
    for (int round = 0; round < 300; ++round) {
        std::vector<RewriteRule> rules;
        for (int r = 0; r < 1 + static_cast<int>(generator() % 4); ++r) {
            std::string successor(generator() % 2 == 0 ? 1 : generator() % 3, ' ');
            for (char& c : successor) {
                c = alphabet[generator() % alphabet.size()];
            }
            rules.push_back({std::string(1, alphabet[generator() % alphabet.size()]), successor});
        }
        const int iterations = static_cast<int>(generator() % 12);
        const std::string expected = expandStepByStep("ABCD", rules, iterations);
        if (expected.size() > 1000) {
            continue;
        }
        ASSERT_EQ(rewriteLSystem(definitionOf("ABCD", rules, iterations)).resultString, expected)
            << "round " << round;
    }
}

TEST(RewriteCycles, AnExpansionCanBeStoppedOrLimitedAndLeavesNoResult) {
    int asked = 0;
    RewriteControl control;
    control.stopRequested = [&asked] { return ++asked == 5; };
    const RewriteOutcome stopped =
        rewriteLSystem(definitionOf("A", {{"A", "IA"}}, 1'000'000), control);
    EXPECT_FALSE(stopped.completed);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_TRUE(stopped.resultString.empty());
    EXPECT_EQ(messageTexts(stopped.messages),
              std::vector<std::string>{"Compiling was stopped at iteration 5 of 1000000; the "
                                       "result string stays as it was."});

    RewriteControl limited;
    limited.maxLength = 100;
    const RewriteOutcome tooLong = rewriteLSystem(definitionOf("A", {{"A", "AA"}}, 10), limited);
    EXPECT_FALSE(tooLong.completed);
    EXPECT_EQ(messageTexts(tooLong.messages),
              std::vector<std::string>{"The result string grew beyond 100 characters at "
                                       "iteration 7; expansion stopped."});
}

} // namespace
} // namespace burgeon::testing
