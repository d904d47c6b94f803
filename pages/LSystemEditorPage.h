#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"

#include <string>
#include <vector>

namespace burgeon {

// The "L-System Editor" page: the L-system source box, the three header number boxes with
// their arrows, the progress bar, the name box and the three output panes.
class LSystemEditorPage {
public:
    // The editor's text is kept in lsystemText as it changes.
    LSystemEditorPage(UserInterface& ui, std::string& lsystemText);
    LSystemEditorPage(const LSystemEditorPage&) = delete;
    LSystemEditorPage& operator=(const LSystemEditorPage&) = delete;

    TextControl sourceEditor;       // the L-system source
    TextControl iterationsBox{"0"}; // "Iteration"
    TextControl angleBox{"0"};      // "Angle"
    TextControl diameterBox{"0"};   // "Diameter"
    RangeControl iterationsArrows{0, 1000, 0};
    RangeControl angleArrows{0, 100, 0};
    RangeControl diameterArrows{0, 100, 0};
    RangeControl compileProgress{0, 100, 0};
    ChoiceControl lsystemNameBox{"L-systems", {}, -1, "Plant"};
    TextControl resultsPane{"L-system Results"};   // "L-system Results"
    TextControl compilesPane{"L-system Compiles"}; // "L-system Compiles"
    TextControl treeResultsPane{"Tree Results"};   // "Tree Results"

    // The editor's selection, in characters of sourceEditor's text; the caret is its start.
    std::size_t selectionStart = 0;
    std::size_t selectionLength = 0;
    void select(std::size_t start, std::size_t length);
    std::string selectedText() const;

    // An arrow of number box 1, 2 or 3 (header line 2, 3 or 4): up or down by one.
    void clickUpDown(int box, bool up);

    // The editor's context menu.
    void newLSystem(); // "New L-system"
    void copy();       // "Copy"
    void cut();        // "Cut"
    void paste();      // "Paste"
    void clearAll();   // "Clear All"

    static const std::vector<std::string> DefaultLines;
    static const std::vector<std::string> TemplateLines;

private:
    void refreshNumberBoxes();
    void replaceSelection(const std::string& replacement);

    UserInterface& ui_;
    std::string& lsystemText_;
};

} // namespace burgeon
