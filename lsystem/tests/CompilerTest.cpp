#include "lsystem/tests/LSystemFixture.h"

#include "base/TextLines.h"

namespace burgeon::testing {
namespace {

using Lines = std::vector<std::string>;
using CompilerTest = LSystemFixture;

const char* const AllPasses =
    "Header Pass.\nIterations Pass.\nAngle Pass.\nDiameter Pass.\nAxiom Pass.\n";

TEST_F(CompilerTest, DefaultTextCompilesToTheAxiom) {
    EXPECT_TRUE(compile(defaultEditorLines()));
    EXPECT_EQ(messages, (Lines{"Rule=0, EndRule=0", "all string =1", "Generate Completed"}));
    EXPECT_EQ(plant.resultString, "I");
    EXPECT_EQ(compiled.compilesPane, AllPasses);
    EXPECT_FALSE(compiled.compilesPaneRed);
    EXPECT_EQ(compiled.lsystemName, "Plant");
    EXPECT_EQ(plant.definition.iterations, 1);
    EXPECT_EQ(compiled.angle, 45.0);
    EXPECT_EQ(compiled.diameter, 1.0);
    EXPECT_EQ(progress, std::vector<int>{0}) << "no rules: the bar is never advanced";

    const std::string report = "This is the result of syntax checked.\n"
                               "---------------------------------------\n"
                               "Iteration = 1\nDirection = 45\nThickness = 1\nAxiom = I\n"
                               "=============================\n"
                               "The Result String after running at 1 iterations.\nI\n"
                               "=============================\n"
                               "End of Compiling\n";
    EXPECT_EQ(plant.compileReport, report);
    EXPECT_EQ(compiled.resultsPane, report);
}

TEST_F(CompilerTest, HeaderFailuresStopWithTheirTextsAndARedPane) {
    struct Case {
        Lines header;
        std::string pane;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"Plant", "Iterations=1", "Angle=45", "Diameter=1", "Axiom=I"},
         "Error line 1 : \"Lsystem Head Name\", Such as Lsystem1 {\n",
         "Lsystem Error in line 1,\"Lsystem Name {\""},
        {{"{", "Iterations=1", "Angle=45", "Diameter=1", "Axiom=I"},
         "Error line 1 : \"Lsystem Head Name\", Such as Lsystem1 {\n",
         "Lsystem Error in line 1,\"Lsystem Name {\""},
        {{"Plant{", "Iteration=3", "Angle=45", "Diameter=1", "Axiom=I"},
         "Header Pass.\nError line 2 : \"Iterations=N\", Such as Iterations=3\n",
         "Iterations Error in line 2,\"Iterations=N\""},
        {{"Plant{", "Iterations=", "Angle=45", "Diameter=1", "Axiom=I"},
         "Header Pass.\nError line 2 : \"Iterations=N\", Such as Iterations=3\n",
         "Iterations Error in line 2,\"Iterations=N\""},
        {{"Plant{", "Iterations=1", "Angle 45", "Diameter=1", "Axiom=I"},
         "Header Pass.\nIterations Pass.\nError line 3 : \"Angle=N\", Such as Angle=45\n",
         "Angle Error in line 3,\"Angle=N\""},
        {{"Plant{", "Iterations=1", "Angle=45", "Axiom=I", "Diameter=1"},
         "Header Pass.\nIterations Pass.\nAngle Pass.\n"
         "Error line 4 : \"Diameter=N\", Such as Diameter=20\n",
         "Diameter Error in line 4,\"Diameter=N\""},
        {{"Plant{", "Iterations=1", "Angle=45", "Diameter=1", "Axiom=  "},
         "Header Pass.\nIterations Pass.\nAngle Pass.\nDiameter Pass.\n"
         "Error line 5 : \"Axiom=String\", Such as Axiom=I[-IL][+IL]IF\n",
         "Axiom Error in line 5,\"Axiom=String\""},
        // Another order fails at the first misplaced line.
        {{"Plant{", "Angle=45", "Iterations=1", "Diameter=1", "Axiom=I"},
         "Header Pass.\nError line 2 : \"Iterations=N\", Such as Iterations=3\n",
         "Iterations Error in line 2,\"Iterations=N\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        plant.resultString = "before";
        Lines lines = c.header;
        lines.push_back("}");
        EXPECT_FALSE(compile(lines));
        EXPECT_EQ(messages, Lines{c.message});
        // The failing line, for the command line to name the place in the file.
        EXPECT_EQ(compiled.messages.front().line,
                  static_cast<std::size_t>(c.message[c.message.find("line ") + 5] - '0'));
        EXPECT_EQ(compiled.compilesPane, c.pane);
        EXPECT_TRUE(compiled.compilesPaneRed);
        EXPECT_EQ(compiled.resultsPane, "L-system Results");
        EXPECT_EQ(plant.resultString, "before");
    }
    // The next good compilation turns the pane black again.
    EXPECT_TRUE(compile(lsystemLines("I", {})));
    EXPECT_FALSE(compiled.compilesPaneRed);
}

TEST_F(CompilerTest, SettingsOfPassedLinesStayWhenALaterLineFails) {
    plant.definition.rules[0] = {"A", "IA"};
    plant.definition.ruleCount = 1;
    EXPECT_FALSE(compile({"Tree {", "Iterations=4", "Angle=30", "Diameter=oops"}));
    EXPECT_EQ(messages, Lines{"Incorrect L-system, Please Enter L-system Code."});
    EXPECT_FALSE(compiled.compilesPane) << "fewer than six lines: the pane keeps its text";

    EXPECT_FALSE(compile({"Tree {", "Iterations=4", "Angle=30", "Diameter=oops", "Axiom=I", "}"}));
    EXPECT_EQ(messages, Lines{"'oops' is not a valid floating point value"});
    EXPECT_EQ(compiled.messages.front().line, 4u);
    EXPECT_EQ(plant.definition.lsystemName, "Tree");
    EXPECT_EQ(compiled.lsystemName, "Tree");
    EXPECT_EQ(plant.definition.iterations, 4);
    EXPECT_EQ(plant.definition.angleSetting, 30.0);
    EXPECT_EQ(compiled.angle, 30.0);
    EXPECT_FALSE(compiled.diameter);
    EXPECT_EQ(compiled.compilesPane, "Header Pass.\nIterations Pass.\nAngle Pass.\n");
    EXPECT_FALSE(compiled.compilesPaneRed);
    EXPECT_EQ(plant.definition.ruleCount, 1) << "rules untouched";
    EXPECT_EQ(plant.definition.rules[0].successor, "IA");

    EXPECT_FALSE(compile({"Tree {", "Iterations=4.5", "Angle=30", "Diameter=1", "Axiom=I", "}"}));
    EXPECT_EQ(messages, Lines{"'4.5' is not a valid integer value"});
    EXPECT_EQ(compiled.compilesPane, "Header Pass.\n");
}

TEST_F(CompilerTest, HeaderKeywordsIgnoreCaseIndentationAndBlanksAroundTheSign) {
    EXPECT_TRUE(compile({"  Plant {", "     ITERATIONS = 3", "\tangle= 2.5 ", "DIAMETER =20",
                         "   Axiom = I A ", "}"}));
    EXPECT_EQ(plant.definition.lsystemName, "Plant");
    EXPECT_EQ(plant.definition.iterations, 3);
    EXPECT_EQ(plant.definition.axiom, "I A") << "the axiom is taken verbatim";
    EXPECT_NE(plant.compileReport.find("Direction = 2.5\nThickness = 20\n"), std::string::npos);
}

TEST_F(CompilerTest, ClosingLineIsFoundOrAdded) {
    // No "}": appended as a new last line.
    EXPECT_TRUE(compile({"P{", "Iterations=1", "Angle=45", "Diameter=1", "Axiom=A", "A=IA"}));
    ASSERT_TRUE(compiled.closedLines);
    EXPECT_EQ(compiled.closedLines->back(), "}");
    EXPECT_EQ(compiled.closedLines->size(), 7u);
    EXPECT_EQ(plant.resultString, "IA");

    // A blank last line is written over.
    EXPECT_TRUE(compile({"P{", "Iterations=1", "Angle=45", "Diameter=1", "Axiom=A", "A=IA", "  "}));
    EXPECT_EQ(compiled.closedLines,
              (Lines{"P{", "Iterations=1", "Angle=45", "Diameter=1", "Axiom=A", "A=IA", "}"}));

    // Only the first L-system of a text is compiled.
    Lines two = lsystemLines("A", {"A=IA"});
    const Lines second = lsystemLines("B", {"B=XX"});
    two.insert(two.end(), second.begin(), second.end());
    EXPECT_TRUE(compile(two));
    EXPECT_EQ(plant.definition.ruleCount, 1);
    EXPECT_EQ(plant.resultString, "IA");
}

TEST_F(CompilerTest, RuleLinesAndEndRuleLines) {
    EXPECT_TRUE(compile(lsystemLines(
        "AB", {"", "A = I[+A] ", "AB=I", "B=C=D", "  endrule", "", "End rule", "A=", "EndRule"})));
    EXPECT_EQ(messages.front(), "Rule=3, EndRule=3");
    const LSystemDefinition& d = plant.definition;
    EXPECT_EQ(d.rules[0].predecessor, "A");
    EXPECT_EQ(d.rules[0].successor, "I[+A]");
    EXPECT_EQ(d.rules[1].predecessor, "AB");
    EXPECT_EQ(d.rules[2].predecessor, "B=C");
    EXPECT_EQ(d.rules[2].successor, "D");
    EXPECT_TRUE(d.hasEndRuleLine);
    EXPECT_EQ(d.endRules[1].predecessor, "A");
    EXPECT_EQ(d.endRules[1].successor, "");
    // "End rule" and a second "EndRule" have no "=": their entries stay as they were.
    EXPECT_EQ(d.endRules[0].predecessor, "");
    EXPECT_EQ(plant.resultString, "I[+]B") << "A becomes I[+A], then the end rule removes A";
    EXPECT_NE(plant.compileReport.find("Axiom = AB\nRule 1 = A:I[+A]\nRule 2 = AB:I\n"
                                       "Rule 3 = B=C:D\nEndRule 1 = :\nEndRule 2 = A:\n"
                                       "EndRule 3 = :\n=="),
              std::string::npos)
        << plant.compileReport;

    // Entries persist: a line without "=" keeps what the previous compilation left.
    EXPECT_TRUE(compile(lsystemLines("A", {"nothing here"})));
    EXPECT_EQ(messages.front(), "Rule=1, EndRule=0");
    EXPECT_EQ(d.rules[0].successor, "I[+A]");
    EXPECT_EQ(plant.resultString, "I[+A]");
    EXPECT_FALSE(d.hasEndRuleLine);
}

TEST_F(CompilerTest, MoreThanTwentyRulesAreRejectedAfterTheHeader) {
    const Lines twenty(20, "A=A");
    Lines lines = lsystemLines("A", twenty);
    EXPECT_TRUE(compile(lines));
    EXPECT_EQ(messages.front(), "Rule=20, EndRule=0");

    plant.resultString = "kept";
    plant.definition.rules[0] = {"K", "kept"};
    Lines tooMany = lsystemLines("A", Lines(21, "A=IA"));
    tooMany.pop_back(); // without "}": the editor must not gain one either
    EXPECT_FALSE(compile(tooMany));
    EXPECT_EQ(messages, Lines{"Too many rules: at most 20 rules and 20 end rules are allowed."});
    EXPECT_FALSE(compiled.closedLines);
    EXPECT_EQ(plant.resultString, "kept");
    EXPECT_EQ(plant.definition.rules[0].predecessor, "K");
    EXPECT_EQ(plant.definition.ruleCount, 20);
    EXPECT_EQ(compiled.compilesPane, AllPasses);

    Lines endRules = {"Endrule"};
    endRules.insert(endRules.end(), 21, "A=I");
    EXPECT_FALSE(compile(lsystemLines("A", endRules)));
    EXPECT_EQ(messages, Lines{"Too many rules: at most 20 rules and 20 end rules are allowed."});
}

} // namespace
} // namespace burgeon::testing
