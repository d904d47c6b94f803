#include "pages/TextEditorPage.h"

#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "base/RecordingUserInterface.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "lsystem/ExampleLSystems.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace burgeon {
namespace {

using testing::TempFolder;

TEST(TextEditorPage, DefaultContentHoldsTheSevenExampleBlocks) {
    const TextEditorPage page;
    EXPECT_EQ(page.exampleEditor.text(), std::string(ExampleLSystemsText));
    const auto lines = page.exampleEditor.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Plant{"), 7);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "}"), 7);
    ASSERT_GE(lines.size(), 18u);
    EXPECT_EQ(lines[0], "Plant{");
    EXPECT_EQ(lines[1], "     Iterations=7");
    EXPECT_EQ(lines[4], "     Axiom=I[-1][+2][/3][\\4]A");
    EXPECT_EQ(lines[10], "     Endrule");
    EXPECT_EQ(lines[15], "}");
    EXPECT_EQ(lines[16], "");
    // The rule with its trailing blank in blocks 2 and 3, and block 4's variant of it.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "     P=IILILI[\\IL][/IL][-IL]IF "), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "     P=IIII[\\IL][/IL][-IL]IF "), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "     A=I[-IF][+IF][\\IF][/IF]IFIA"), 1);
    // The comment lines with the blank lines around them.
    const auto at = [&lines](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    const auto soybean = at("// Soybean");
    EXPECT_EQ(lines[static_cast<std::size_t>(soybean - 1)], "");
    EXPECT_EQ(lines[static_cast<std::size_t>(soybean + 1)], "Plant{");
    const auto spiral = at("// Spiral Leaf and Flower");
    EXPECT_EQ(lines[static_cast<std::size_t>(spiral + 1)], "");
    EXPECT_EQ(lines[static_cast<std::size_t>(spiral + 2)], "Plant{");
    const auto test = at("// New define Test");
    EXPECT_EQ(lines[static_cast<std::size_t>(test - 1)], "");
    EXPECT_EQ(lines[static_cast<std::size_t>(test - 2)], "");
    EXPECT_EQ(lines.back(), "}");
    EXPECT_EQ(lines[lines.size() - 2], "     A=I[-P][+P]IF");
}

TEST(TextEditorPage, SaveFileWritesTheTextAndConfirms) {
    TempFolder folder;
    RecordingUserInterface ui;
    TextEditorPage page;
    page.exampleEditor.setText("Plant{\n     Axiom=I\n}\n");
    page.saveFile(folder.path(), ui);
    EXPECT_EQ(readFileText(folder.file("LsysExam.Lsys")), "Plant{\n     Axiom=I\n}\n");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "This text was saved to \"LsysExam.Lsys\" already.");

    // A saved text reads back unchanged, even one that looks like rich text.
    for (const std::string text : {"Plant{\n}\n", "{\\rtf1 not a document", ""}) {
        page.exampleEditor.setText(text);
        page.saveFile(folder.path(), ui);
        TextEditorPage fresh;
        fresh.loadExampleFile(folder.path());
        EXPECT_EQ(fresh.exampleEditor.text(), text);
    }
}

TEST(TextEditorPage, SaveFailureIsReportedWithoutConfirmation) {
    TempFolder folder;
    RecordingUserInterface ui;
    TextEditorPage page;
    const std::string missingFolder = folder.file("missing");
    try {
        page.saveFile(missingFolder, ui);
        FAIL() << "saving into a missing folder succeeded";
    } catch (const StandardError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file " + missingFolder + "/LsysExam.Lsys (no such folder)");
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(missingFolder));
}

TEST(TextEditorPage, LoadReadsRichOrPlainTextAndReportsAMissingFile) {
    TempFolder folder;
    TextEditorPage page;
    EXPECT_THROW(
        {
            try {
                page.loadExampleFile(folder.path());
            } catch (const StandardError& error) {
                EXPECT_EQ(std::string(error.what()),
                          "Cannot open file " + folder.file("LsysExam.Lsys"));
                throw;
            }
        },
        StandardError);
    EXPECT_EQ(page.exampleEditor.text(), std::string(ExampleLSystemsText)); // kept

    writeFileAtomically(folder.file("LsysExam.Lsys"),
                        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b Plant\\{\\par\\}\\par}");
    page.loadExampleFile(folder.path());
    EXPECT_EQ(page.exampleEditor.text(), "Plant{\n}\n");

    writeFileAtomically(folder.file("LsysExam.Lsys"), "Plant{\r\n}\r\n");
    page.loadExampleFile(folder.path());
    EXPECT_EQ(page.exampleEditor.lines(), (std::vector<std::string>{"Plant{", "}"}));
}

TEST(TextEditorPage, CopyAndPasteGoThroughTheClipboard) {
    RecordingUserInterface ui;
    TextEditorPage page;
    page.exampleEditor.setText("Plant{\n     Axiom=IA\n}");
    int changes = 0;
    page.exampleEditor.onChange = [&changes] { ++changes; };

    ui.clipboard = "kept";
    page.selection = {3, 0};
    page.copy(ui);
    EXPECT_EQ(ui.clipboard, "kept"); // nothing selected

    page.selection = {12, 7};
    page.copy(ui);
    EXPECT_EQ(ui.clipboard, "Axiom=I");
    EXPECT_EQ(changes, 0);

    // Paste replaces the selection and leaves the caret after the inserted text.
    ui.clipboard = "Axiom=F";
    page.selection = {12, 7};
    page.paste(ui);
    EXPECT_EQ(page.exampleEditor.text(), "Plant{\n     Axiom=FA\n}");
    EXPECT_EQ(page.selection.start, 19u);
    EXPECT_EQ(changes, 1);

    // A caret past the end pastes at the end.
    ui.clipboard = "\n";
    page.selection = {1000, 5};
    page.paste(ui);
    EXPECT_EQ(page.exampleEditor.text(), "Plant{\n     Axiom=FA\n}\n");
}

} // namespace
} // namespace burgeon
