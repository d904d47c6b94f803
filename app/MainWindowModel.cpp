#include "app/MainWindowModel.h"

#include "base/HandlerGuard.h"
#include "controls/LSystemActions.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace burgeon {

MainWindowModel::MainWindowModel(AppState& state, UserInterface& ui, ToolWindow& toolWindow,
                                 ViewWindow& viewWindow)
    : tabs("", std::vector<std::string>(MainTabCaptions.begin(), MainTabCaptions.end()), 0),
      sessions(state, ui), state_(state), ui_(ui), toolWindow_(toolWindow),
      viewWindow_(viewWindow) {
    tabs.onChange = [this] { changeTab(); };
    sessions.fileChanged = [this] {
        const std::string name = std::filesystem::path(sessions.fileName()).filename().string();
        window.setCaption(name + " \u2014 " + MainWindowCaption);
    };
    sessions.showPlant = [this] { animationShow(); };
}

void MainWindowModel::create(std::string startFolder) {
    state_.StartFolder = std::move(startFolder);
    EditorShown = true;
    state_.project.materials = MaterialSet{};
    auto& plant = state_.project.plant;
    plant.TurnPendingX = plant.TurnPendingY = plant.TurnPendingZ = false;
    plant.TurnX = plant.TurnY = plant.TurnZ = 0.0f;
    state_.animation.ViewMaximised = false;
}

void MainWindowModel::show() {
    tabs.setItemIndex(0);
    changeTab();

    auto& placement = state_.project.placement;
    placement.LeafSurfaceMode = true;
    state_.animation.CaptureActive = false;
    state_.project.leafTextures.TexturesEnabled = true;
    placement.LeafSizeX = 1.0f;
    placement.LeafSizeY = 0.75f;
    placement.LeafSizeZ = 1.0f;
    placement.LeafAngleX = -60.0f;
    placement.LeafAngleY = 0.0f;
    placement.LeafAngleZ = 0.0f;
    placement.FlowerSizeX = 1.0f;
    placement.FlowerSizeY = 0.75f;
    placement.FlowerSizeZ = 1.0f;
    placement.FlowerAngleX = 0.0f;
    placement.FlowerAngleY = 0.0f;
    placement.FlowerAngleZ = 0.0f;

    toolWindow_.showWindow();
    viewWindow_.showWindow();
}

void MainWindowModel::activate(const ScreenArea& screen, int height) {
    geometry = mainWindowPlacement(screen, height);
    tabWidth = tabStripWidth(screen);
    window.views.notify();
}

void MainWindowModel::changeTab() {
    const int index = tabs.itemIndex();
    if (index < 0 || index >= PageCount) {
        return;
    }
    toolWindow_.showOnlyPage(index);
    toolWindow_.fitPaneOf(index);
}

void MainWindowModel::mouseMoveOverTabs() {
    const int index = tabs.itemIndex();
    if (index >= 0 && index < PageCount) {
        ui_.setStatusText(MainTabStatusTexts[static_cast<std::size_t>(index)]);
    }
}

void MainWindowModel::compile() {
    runHandler(ui_, [this] {
        compileFromEditor(state_.lsystemEditor, state_.parameterPage, state_.project.plant, ui_);
    });
}

void MainWindowModel::generate() {
    runHandler(ui_, [this] {
        generateFromEditor(state_.lsystemEditor, state_.project.plant,
                           state_.project.parameters.turnStep, state_.random, state_.animation,
                           ui_);
    });
}

void MainWindowModel::toggleEditor() {
    if (EditorShown) {
        toolWindow_.hideWindow();
        editorToggleButton.setCaption("Editor Show");
    } else {
        toolWindow_.showWindow();
        editorToggleButton.setCaption("Editor Hide");
    }
    EditorShown = !EditorShown;
}

void MainWindowModel::animationShow() {
    state_.animation.PaintBusy = false;
    viewWindow_.showWindow();
    viewWindow_.changed();
}

void MainWindowModel::exportMesh() {
    viewWindow_.exportMesh();
}

void MainWindowModel::exit() {
    if (quitApplication) {
        quitApplication();
    }
}

} // namespace burgeon
