#include "pages/tests/LSystemPageFixture.h"

#include "base/FileIo.h"
#include "base/TextLines.h"

namespace burgeon::testing {
namespace {

using Lines = std::vector<std::string>;
using EditorPageTest = LSystemPageFixture;

constexpr RgbColor Black{0, 0, 0};
constexpr RgbColor Red{255, 0, 0};

TEST_F(EditorPageTest, DefaultsOfThePage) {
    EXPECT_EQ(editor.sourceEditor.lines(), (Lines{"Plant{", "     Iterations=1", "     Angle=45",
                                                  "     Diameter=1", "     Axiom=I", "}"}));
    EXPECT_EQ(editor.iterationsBox.text(), "0");
    EXPECT_EQ(editor.angleBox.text(), "0");
    EXPECT_EQ(editor.diameterBox.text(), "0");
    EXPECT_EQ(editor.lsystemNameBox.text(), "Plant");
    EXPECT_EQ(editor.resultsPane.text(), "L-system Results");
    EXPECT_EQ(editor.compilesPane.text(), "L-system Compiles");
    EXPECT_EQ(editor.treeResultsPane.text(), "Tree Results");
    EXPECT_EQ(editor.iterationsArrows.maximum(), 1000);
    EXPECT_EQ(editor.angleArrows.maximum(), 100);
    EXPECT_EQ(editor.compileProgress.maximum(), 100);
}

TEST_F(EditorPageTest, NumberBoxesFollowTheHeaderLinesAtFixedPositions) {
    editor.newLSystem();
    EXPECT_EQ(editor.iterationsBox.text(), "1");
    EXPECT_EQ(editor.angleBox.text(), "45");
    EXPECT_EQ(editor.diameterBox.text(), "1");
    EXPECT_EQ(editor.sourceEditor.lineCount(), 7);
    EXPECT_TRUE(compile(editor.sourceEditor.lines()));
    EXPECT_EQ(messages.front(), "Rule=0, EndRule=0");

    editor.sourceEditor.setLines({"Plant{", "     Iterations = 3", "Angle=7"});
    EXPECT_EQ(editor.iterationsBox.text(), "= 3");
    EXPECT_EQ(editor.angleBox.text(), "7");
    EXPECT_EQ(editor.diameterBox.text(), "") << "a missing line reads as empty";

    // The box holds no number: the arrow steps from where it was.
    editor.clickUpDown(1, true);
    EXPECT_EQ(editor.sourceEditor.lines()[1], "     Iterations =1");
    EXPECT_EQ(editor.iterationsBox.text(), "=1") << "read back at the fixed position";
}

TEST_F(EditorPageTest, ArrowsStepTheBoxAndRewriteTheLine) {
    editor.sourceEditor.setLines(LSystemEditorPage::DefaultLines); // runs the change handler
    editor.sourceEditor.setText(editor.sourceEditor.text() + "\n");
    editor.sourceEditor.setLines(LSystemEditorPage::DefaultLines);
    EXPECT_EQ(editor.iterationsBox.text(), "1");
    editor.clickUpDown(1, true);
    EXPECT_EQ(editor.sourceEditor.lines()[1], "     Iterations=2");
    editor.clickUpDown(1, false);
    editor.clickUpDown(1, false);
    editor.clickUpDown(1, false);
    EXPECT_EQ(editor.sourceEditor.lines()[1], "     Iterations=0") << "no wrap below 0";

    editor.clickUpDown(2, true);
    EXPECT_EQ(editor.sourceEditor.lines()[2], "     Angle=46");
    editor.sourceEditor.setLines({"Plant{", "It=9", "     Angle=100   ", "Diameter"});
    editor.clickUpDown(2, true);
    EXPECT_EQ(editor.sourceEditor.lines()[2], "     Angle=100") << "the arrow stops at 100";
    editor.clickUpDown(3, false);
    EXPECT_EQ(editor.sourceEditor.lines()[3], "Diameter0") << "no '=': the number is appended";
    EXPECT_EQ(editor.sourceEditor.lines()[1], "It=9");
}

TEST_F(EditorPageTest, ContextMenuActions) {
    editor.sourceEditor.setText("Plant{\nAxiom=I");
    editor.select(0, 5);
    editor.copy();
    EXPECT_EQ(ui.clipboard, "Plant");
    editor.select(7, 6);
    editor.cut();
    EXPECT_EQ(ui.clipboard, "Axiom=");
    EXPECT_EQ(editor.sourceEditor.text(), "Plant{\nI");
    editor.select(7, 0);
    editor.paste();
    editor.paste();
    EXPECT_EQ(editor.sourceEditor.text(), "Plant{\nAxiom=Axiom=I");
    editor.select(0, 100);
    EXPECT_EQ(editor.selectedText(), editor.sourceEditor.text()) << "the selection is clamped";

    editor.clearAll();
    EXPECT_EQ(editor.sourceEditor.text(), "");
    EXPECT_FALSE(compile(editor.sourceEditor.lines()));
    EXPECT_EQ(messages, Lines{"Incorrect L-system, Please Enter L-system Code."});

    editor.newLSystem();
    EXPECT_EQ(editor.sourceEditor.lines(), LSystemEditorPage::TemplateLines);
}

TEST_F(EditorPageTest, CompilingWithoutAClosingLineRefreshesTheBoxes) {
    int changes = 0;
    editor.sourceEditor.views.subscribe([&] { ++changes; });
    EXPECT_TRUE(
        compile({"Plant{", "Iterations=4", "Angle=45", "Diameter=1", "Axiom=I", "", "A=I"}));
    EXPECT_EQ(editor.sourceEditor.lines().back(), "}");
    EXPECT_EQ(editor.iterationsBox.text(), "4");
    EXPECT_EQ(changes, 2) << "the test's own text, then the added closing line";
}

TEST_F(EditorPageTest, CompilingShowsTheOutcomeOnThePages) {
    EXPECT_TRUE(compile(editor.sourceEditor.lines()));
    EXPECT_EQ(messages, (Lines{"Rule=0, EndRule=0", "all string =1", "Generate Completed"}));
    EXPECT_EQ(editor.compilesPane.text(),
              "Header Pass.\nIterations Pass.\nAngle Pass.\nDiameter Pass.\nAxiom Pass.\n");
    EXPECT_EQ(editor.compilesPane.textColor(), Black);
    EXPECT_EQ(editor.resultsPane.text(), plant.compileReport);
    EXPECT_EQ(editor.lsystemNameBox.text(), "Plant");
    EXPECT_EQ(editor.compileProgress.position(), 0) << "no rules: the bar is never advanced";
    EXPECT_GE(ui.busyCursorShown, 1);

    EXPECT_FALSE(compile({"Tree {", "Iterations=4", "Angle=30", "Diameter 1", "Axiom=I", "}"}));
    EXPECT_EQ(editor.compilesPane.textColor(), Red);
    EXPECT_EQ(editor.lsystemNameBox.text(), "Tree");
    EXPECT_EQ(parameters.turnStep, 30.0f) << "the angle line passed before the failing one";
    EXPECT_EQ(editor.resultsPane.text(), "L-system Results");

    EXPECT_TRUE(compile({"P{", "Iterations=2", "Angle=45", "Diameter=1", "Axiom=A", "A=IA"}));
    EXPECT_EQ(editor.compilesPane.textColor(), Black);
    EXPECT_EQ(editor.compileProgress.position(), 100);
    EXPECT_TRUE(generate(plant.resultString));
    EXPECT_EQ(editor.treeResultsPane.text(), "all string = IIA\n");
    EXPECT_TRUE(animation.paintBusy) << "drawing waits for \"Animation Show\"";
}

TEST_F(EditorPageTest, ALongCompilationCanBeStoppedAndLeavesTheResultAsItWas) {
    ASSERT_TRUE(compile({"P{", "Iterations=2", "Angle=45", "Diameter=1", "Axiom=A", "A=IA", "}"}));
    const std::string report = editor.resultsPane.text();
    ui.stopAfterProgress = 3;
    EXPECT_FALSE(
        compile({"P{", "Iterations=100000", "Angle=45", "Diameter=1", "Axiom=A", "A=IA", "}"}));
    EXPECT_EQ(messages, (Lines{"Rule=1, EndRule=0", "Compiling was stopped at iteration 3 of "
                                                    "100000; the result string stays as it was."}));
    EXPECT_EQ(plant.resultString, "IIA");
    EXPECT_EQ(plant.compileReport, report);
    EXPECT_EQ(editor.resultsPane.text(), "L-system Results");
    EXPECT_EQ(editor.compileProgress.position(), 0) << "3 of 100000 iterations";
    EXPECT_EQ(ui.stoppableCaptions.back(), "Compiling the L-system\u2026");
}

TEST_F(EditorPageTest, AngleAndDiameterSetTheirSlidersRoundedAndClamped) {
    EXPECT_TRUE(compile({"P{", "Iterations=1", "Angle=100", "Diameter=20", "Axiom=I", "}"}));
    EXPECT_EQ(parameterPage.petioleAngleSlider.position(), 720);
    EXPECT_EQ(parameters.turnStep, 72.0f);
    EXPECT_NE(plant.compileReport.find("Direction = 100\n"), std::string::npos);
    EXPECT_EQ(parameterPage.nodeDiameterSlider.position(), 100);
    EXPECT_EQ(parameters.nodeDiameter, 10.0);

    // x 10 rounds halves to the even neighbour: 2.5 -> 2, 7.5 -> 8.
    EXPECT_TRUE(compile({"P{", "Iterations=1", "Angle=0.25", "Diameter=0.75", "Axiom=I", "}"}));
    EXPECT_EQ(parameterPage.petioleAngleSlider.position(), 2);
    EXPECT_EQ(parameters.turnStep, 0.2f);
    EXPECT_EQ(parameterPage.nodeDiameterSlider.position(), 8);

    EXPECT_TRUE(compile({"P{", "Iterations=1", "Angle=-1e6", "Diameter=0", "Axiom=I", "}"}));
    EXPECT_EQ(parameters.turnStep, -72.0f);
    EXPECT_EQ(parameterPage.nodeDiameterSlider.position(), 1);
    EXPECT_EQ(ui.statusText, "Node Diamter = 0.1") << "the slider's change handler ran";
}

} // namespace
} // namespace burgeon::testing
