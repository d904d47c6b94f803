#include "desktop/MainWindowModel.h"

#include "base/HandlerGuard.h"
#include "pages/LSystemActions.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace burgeon {

MainWindowModel::MainWindowModel(AppState& state, UserInterface& ui, ToolWindowModel& toolWindow,
                                 ViewWindowModel& viewWindow)
    : tabs("", std::vector<std::string>(MainTabCaptions.begin(), MainTabCaptions.end()), 0),
      sessions(state, ui), state_(state), ui_(ui), toolWindow_(toolWindow),
      viewWindow_(viewWindow) {
    tabs.onChange = [this] { changeTab(); };
    sessions.fileChanged = [this] { lookForChanges(); };
    sessions.showPlant = [this] { animationShow(); };
}

void MainWindowModel::create(std::string startFolder) {
    state_.startFolder = std::move(startFolder);
    editorShown = true;
    state_.project.materials = MaterialSet{};
    auto& plant = state_.project.plant;
    plant.turnPendingX = plant.turnPendingY = plant.turnPendingZ = false;
    plant.turnX = plant.turnY = plant.turnZ = 0.0f;
    state_.animation.viewMaximised = false;
}

void MainWindowModel::show() {
    tabs.setItemIndex(0);
    changeTab();

    auto& placement = state_.project.placement;
    placement.leafSurfaceMode = true;
    state_.animation.captureActive = false;
    state_.project.leafTextures.texturesEnabled = true;
    placement.leafSizeX = 1.0f;
    placement.leafSizeY = 0.75f;
    placement.leafSizeZ = 1.0f;
    placement.leafAngleX = -60.0f;
    placement.leafAngleY = 0.0f;
    placement.leafAngleZ = 0.0f;
    placement.flowerSizeX = 1.0f;
    placement.flowerSizeY = 0.75f;
    placement.flowerSizeZ = 1.0f;
    placement.flowerAngleX = 0.0f;
    placement.flowerAngleY = 0.0f;
    placement.flowerAngleZ = 0.0f;

    toolWindow_.showWindow();
    viewWindow_.showWindow();
}

void MainWindowModel::activate(const ScreenArea& screen, int height) {
    geometry = mainWindowPlacement(screen, height, frame);
    tabWidth = tabStripWidth(geometry.width);
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
    if (editorShown) {
        toolWindow_.hideWindow();
        editorToggleButton.setCaption("Editor Show");
    } else {
        toolWindow_.showWindow();
        editorToggleButton.setCaption("Editor Hide");
    }
    editorShown = !editorShown;
}

void MainWindowModel::toolWindowClosed() {
    toolWindow_.hideWindow();
    editorToggleButton.setCaption("Editor Show");
    editorShown = false;
}

void MainWindowModel::animationShow() {
    state_.animation.paintBusy = false;
    viewWindow_.showWindow();
    viewWindow_.changed();
}

void MainWindowModel::exportMesh() {
    viewWindow_.exportMesh();
}

bool MainWindowModel::exit() {
    if (!sessions.settleChanges()) {
        return false;
    }
    if (quitApplication) {
        quitApplication();
    }
    return true;
}

void MainWindowModel::lookForChanges() {
    showTitle(sessions.hasChanges());
}

void MainWindowModel::showTitle(bool changed) {
    // The session's name, marked while it has changes; a plant never saved is a new plant.
    const std::string& file = sessions.fileName();
    if (file.empty() && !changed) {
        window.setCaption(MainWindowCaption);
        return;
    }
    const std::string name =
        file.empty() ? "New plant" : std::filesystem::path(file).filename().string();
    window.setCaption(name + (changed ? "*" : "") + " \u2014 " + MainWindowCaption);
}

} // namespace burgeon
