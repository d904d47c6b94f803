#include "desktop/ToolWindowModel.h"

#include "base/DataFolder.h"
#include "base/FileIo.h"
#include "base/HandlerGuard.h"

#include <algorithm>
#include <utility>

namespace burgeon {

namespace {

struct Hint {
    std::string_view control;
    std::string_view text;
};

constexpr std::array<Hint, 14> Hints = {{
    {"sourceEditor", "L-system Editor"},
    {"resultsPane", "L-system Result"},
    {"compilesPane", "L-system Syntax error"},
    {"treeResultsPane", "Tree Result"},
    {"helpText", "Help Manual"},
    {"textureButton", "Open Leaf Texture Image"},
    {"lsystemEditorBackground", "L-system Editor page"},
    {"growthFunctionBackground", "Growth Function page"},
    {"componentBackground", "Component page"},
    {"parameterScrollBox", "Parameter page"},
    {"animationBackground", "Animation page"},
    {"materialBackground", "Material page"},
    {"textEditorBackground", "Text Editor page"},
    {"helpBackground", "Help page"},
}};

} // namespace

std::optional<std::string_view> hintForControl(std::string_view controlName) {
    for (const auto& hint : Hints) {
        if (hint.control == controlName) {
            return hint.text;
        }
    }
    return std::nullopt;
}

const std::array<std::string_view, 14>& hintControlNames() {
    static const std::array<std::string_view, 14> names = [] {
        std::array<std::string_view, 14> result{};
        for (std::size_t i = 0; i < Hints.size(); ++i) {
            result[i] = Hints[i].control;
        }
        return result;
    }();
    return names;
}

std::optional<PaneFit> paneFitForPage(int index) {
    switch (index) {
    case 0:
        return PaneFit{"treeResultsPane", 50};
    case 6:
        return PaneFit{"exampleEditor", 160};
    case 7:
        return PaneFit{"helpText", 160};
    default:
        return std::nullopt;
    }
}

int fittedPaneHeight(int screenBottom, int paneTop, int roomBelow, int minimum) {
    return std::max(minimum, screenBottom - paneTop - roomBelow);
}

ToolWindowModel::ToolWindowModel(AppState& state, UserInterface& ui) : state_(state), ui_(ui) {
    window.setVisible(false);
    for (int i = 0; i < PageCount; ++i) {
        pages[static_cast<std::size_t>(i)].setCaption(
            ToolPageCaptions[static_cast<std::size_t>(i)]);
    }
}

void ToolWindowModel::create(const ScreenArea& screen, const WindowRect& mainFrame) {
    state_.project.view.plantScale =
        static_cast<float>(state_.animationPage.scaleSlider.position() / 10.0);
    place(screen, mainFrame);
}

void ToolWindowModel::place(const ScreenArea& screen, const WindowRect& mainFrame) {
    geometry = toolWindowPlacement(screen, mainFrame, frame);
    window.views.notify();
}

void ToolWindowModel::showWindow() {
    if (window.visible()) {
        return;
    }
    window.setVisible(true);
    show();
}

void ToolWindowModel::hideWindow() {
    window.setVisible(false);
}

void ToolWindowModel::show() {
    // A file that cannot be read is reported and the showing goes on: the steps after the
    // reads do not depend on the files, and skipping them would leave the values they derive
    // unset at the first showing.
    if (auto text = readFile(ExampleFileName)) {
        state_.textEditor.exampleEditor.setText(decodeEditorFile(*text));
        state_.textEditor.selection = {};
    }
    if (auto text = readFile(ManualFileName)) {
        helpText.setText(std::move(*text));
    }
    runHandler(ui_, [this] { deriveFromControls(); });
}

void ToolWindowModel::deriveFromControls() {
    state_.parameterPage.deriveStoredParameters();
    state_.animationPage.applyCaptureFormats();
    state_.project.placement.petalCount = state_.componentPage.petalCountBox.position();
    state_.componentPage.applySurfaceMode();
}

std::optional<std::string> ToolWindowModel::readFile(const std::string& fileName) {
    std::optional<std::string> text;
    // A file missing from the start folder is read from the installed data.
    runHandler(ui_, [&] { text = readFileText(findDataFile(fileName, state_.startFolder)); });
    return text;
}

void ToolWindowModel::showOnlyPage(int index) {
    for (int i = 0; i < PageCount; ++i) {
        pages[static_cast<std::size_t>(i)].setVisible(i == index);
    }
}

void ToolWindowModel::fitPaneOf(int index) {
    const auto fit = paneFitForPage(index);
    if (fit && fitPane) {
        fitPane(*fit);
    }
}

void ToolWindowModel::mouseMoveOver(std::string_view controlName) {
    if (const auto hint = hintForControl(controlName)) {
        ui_.setStatusText(std::string(*hint));
    }
}

} // namespace burgeon
