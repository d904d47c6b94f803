#include "base/Controls.h"
#include "base/HandlerGuard.h"
#include "base/RecordingUserInterface.h"

#include <gtest/gtest.h>

using namespace burgeon;

TEST(RangeControl, ClampsAndRunsItsHandlerOnlyOnRealChanges) {
    RangeControl slider(-720, 720, 450);
    int runs = 0;
    slider.onChange = [&] { ++runs; };
    slider.setPosition(450);
    EXPECT_EQ(runs, 0);
    slider.setPosition(1000);
    EXPECT_EQ(slider.position(), 720);
    EXPECT_EQ(runs, 1);
    slider.setPosition(900); // clamps to the same position: no handler
    EXPECT_EQ(runs, 1);
    slider.step(-1);
    EXPECT_EQ(slider.position(), 719);
    EXPECT_EQ(runs, 2);
}

TEST(RangeControl, LoweringTheMaximumBelowThePositionMovesItAndRunsTheHandler) {
    RangeControl timeBar(1, 1000, 1000);
    int seen = 0;
    timeBar.onChange = [&] { seen = timeBar.position(); };
    timeBar.setMaximum(150);
    EXPECT_EQ(timeBar.position(), 150);
    EXPECT_EQ(seen, 150);
    seen = 0;
    timeBar.setMaximum(200); // position stays inside: no handler
    EXPECT_EQ(seen, 0);
}

TEST(RangeControl, ViewsHearEveryChangeButTheHandlerOnlyPositionChanges) {
    RangeControl spin(0, 255, 0);
    int handler = 0;
    int views = 0;
    spin.onChange = [&] { ++handler; };
    spin.views.subscribe([&] { ++views; });
    spin.setPosition(10);
    spin.setVisible(false);
    EXPECT_EQ(handler, 1);
    EXPECT_EQ(views, 2);
}

TEST(TextControl, HandlerRunsOnEveryTextChange) {
    TextControl box("0");
    int runs = 0;
    box.onChange = [&] { ++runs; };
    box.setText("0");
    EXPECT_EQ(runs, 0);
    box.setLines({"a", "b"});
    EXPECT_EQ(box.text(), "a\nb");
    EXPECT_EQ(box.lineCount(), 2);
    EXPECT_EQ(runs, 1);
}

TEST(ChoiceControl, UserChoiceRunsTheHandlerCodeDoesNot) {
    ChoiceControl list("", {"one", "two"}, -1, "No Library");
    int runs = 0;
    list.onChange = [&] { ++runs; };
    list.setItemIndex(1);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(list.text(), "two");
    list.choose(0);
    EXPECT_EQ(runs, 1);
    list.typeText("typed");
    EXPECT_EQ(list.itemIndex(), -1);
    EXPECT_EQ(runs, 2);
}

TEST(HandlerGuard, ShowsTheStandardTextAndRestoresTheCursor) {
    RecordingUserInterface ui;
    const bool finished = runHandler(ui, [&] {
        BusyCursor busy(ui);
        throw StandardError::cannotOpenFile("x.txt");
    });
    EXPECT_FALSE(finished);
    EXPECT_FALSE(ui.busy);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Cannot open file x.txt");
    EXPECT_TRUE(runHandler(ui, [] {}));
}

TEST(HandlerGuard, RunningOutOfMemoryEndsTheHandlerWithAMessage) {
    RecordingUserInterface ui;
    const bool finished = runHandler(ui, [&] {
        BusyCursor busy(ui);
        throw std::bad_alloc();
    });
    EXPECT_FALSE(finished);
    EXPECT_FALSE(ui.busy);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Not enough memory to complete this action."});
}

TEST(RecordingUserInterface, AnswersFromItsScriptThenCancels) {
    RecordingUserInterface ui;
    ui.inputAnswers.push_back(std::string("MyRun"));
    EXPECT_EQ(ui.inputBox("Input Folder Name", "Prompt", "PlantCap1"), "MyRun");
    EXPECT_EQ(ui.inputBox("Input Folder Name", "Prompt", "PlantCap1"), std::nullopt);
    ui.fileAnswers.push_back(std::string("data.txt"));
    EXPECT_EQ(ui.openFileDialog(".", ""), "data.txt");
    EXPECT_EQ(ui.openFileDialog(".", ""), std::nullopt);
}
