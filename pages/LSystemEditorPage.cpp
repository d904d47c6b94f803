#include "pages/LSystemEditorPage.h"

#include "base/NumberText.h"
#include "base/TextLines.h"

#include <algorithm>
#include <array>

namespace burgeon {

const std::vector<std::string> LSystemEditorPage::DefaultLines = {
    "Plant{", "     Iterations=1", "     Angle=45", "     Diameter=1", "     Axiom=I", "}"};

const std::vector<std::string> LSystemEditorPage::TemplateLines = {"Plant{",
                                                                   "     Iterations=1",
                                                                   "     Angle=45",
                                                                   "     Diameter=1",
                                                                   "     Axiom=I",
                                                                   "     Endrule",
                                                                   "}"};

LSystemEditorPage::LSystemEditorPage(UserInterface& ui, std::string& lsystemText)
    : ui_(ui), lsystemText_(lsystemText) {
    sourceEditor.setLines(DefaultLines);
    lsystemText_ = sourceEditor.text();
    sourceEditor.onChange = [this] {
        lsystemText_ = sourceEditor.text();
        refreshNumberBoxes();
    };
    iterationsArrows.setCaption("Iteration");
    angleArrows.setCaption("Angle");
    diameterArrows.setCaption("Diameter");
}

// The boxes read the header lines at fixed positions: line 2 after "Iterations=", line 3
// after "Angle=", line 4 after "Diameter=".
void LSystemEditorPage::refreshNumberBoxes() {
    const std::vector<std::string> lines = sourceEditor.lines();
    const auto tail = [&lines](std::size_t lineNumber, std::size_t skip) {
        if (lines.size() < lineNumber) {
            return std::string();
        }
        const std::string_view line = trimControl(lines[lineNumber - 1]);
        return line.size() > skip ? std::string(line.substr(skip)) : std::string();
    };
    iterationsBox.setText(tail(2, 11));
    angleBox.setText(tail(3, 6));
    diameterBox.setText(tail(4, 9));
}

void LSystemEditorPage::clickUpDown(int box, bool up) {
    const std::array<TextControl*, 3> boxes{&iterationsBox, &angleBox, &diameterBox};
    const std::array<RangeControl*, 3> arrows{&iterationsArrows, &angleArrows, &diameterArrows};
    if (box < 1 || box > 3) {
        return;
    }
    TextControl& numberBox = *boxes[static_cast<std::size_t>(box - 1)];
    RangeControl& arrow = *arrows[static_cast<std::size_t>(box - 1)];

    // The arrow starts from the box's number; a box that holds no number leaves the arrow
    // where it was.
    std::int32_t current = 0;
    if (tryParseInteger(numberBox.text(), current)) {
        arrow.setPosition(std::clamp(current, arrow.minimum(), arrow.maximum()));
    }
    arrow.step(up ? 1 : -1);
    numberBox.setText(std::to_string(arrow.position()));

    std::vector<std::string> lines = sourceEditor.lines();
    const auto lineIndex = static_cast<std::size_t>(box); // header line box + 1
    if (lines.size() <= lineIndex) {
        lines.resize(lineIndex + 1);
    }
    std::string line(trimRightControl(lines[lineIndex]));
    if (const auto equals = line.find('='); equals != std::string::npos) {
        line.resize(equals + 1);
    }
    lines[lineIndex] = line + numberBox.text();
    sourceEditor.setLines(lines);
}

void LSystemEditorPage::select(std::size_t start, std::size_t length) {
    const std::size_t size = sourceEditor.text().size();
    selectionStart = std::min(start, size);
    selectionLength = std::min(length, size - selectionStart);
}

std::string LSystemEditorPage::selectedText() const {
    const std::string& text = sourceEditor.text();
    const std::size_t start = std::min(selectionStart, text.size());
    return text.substr(start, std::min(selectionLength, text.size() - start));
}

void LSystemEditorPage::replaceSelection(const std::string& replacement) {
    select(selectionStart, selectionLength);
    std::string text = sourceEditor.text();
    text.replace(selectionStart, selectionLength, replacement);
    selectionStart += replacement.size();
    selectionLength = 0;
    sourceEditor.setText(std::move(text));
}

void LSystemEditorPage::newLSystem() {
    sourceEditor.setLines(TemplateLines);
    select(0, 0);
}

void LSystemEditorPage::copy() {
    if (selectionLength > 0) {
        ui_.setClipboardText(selectedText());
    }
}

void LSystemEditorPage::cut() {
    if (selectionLength > 0) {
        ui_.setClipboardText(selectedText());
        replaceSelection({});
    }
}

void LSystemEditorPage::paste() {
    const std::string clipboard = ui_.clipboardText();
    if (!clipboard.empty()) {
        replaceSelection(clipboard);
    }
}

void LSystemEditorPage::clearAll() {
    sourceEditor.setText({});
    select(0, 0);
}

} // namespace burgeon
