#include "desktop/SessionActions.h"

#include "base/HandlerGuard.h"
#include "pages/LSystemActions.h"
#include "project/PlantBuild.h"
#include "project/Session.h"

#include <filesystem>

namespace burgeon {

SessionActions::SessionActions(AppState& state, UserInterface& ui)
    : state_(state), ui_(ui), changes_(state.project) {}

void SessionActions::openWithDialog() {
    if (!settleChanges()) {
        return;
    }
    runHandler(ui_, [this] {
        if (const auto file = ui_.openFileDialog(".", SessionFileFilter)) {
            open(*file);
        }
    });
}

void SessionActions::saveWithDialog() {
    runHandler(ui_, [this] {
        const std::string suggested = fileName_.empty() ? "plant.burgeon" : fileName_;
        if (auto file = ui_.saveFileDialog(".", SessionFileFilter, suggested)) {
            if (std::filesystem::path(*file).extension().empty()) {
                *file += ".burgeon";
            }
            save(*file);
        }
    });
}

bool SessionActions::open(const std::string& fileName) {
    SessionReading reading = openSession(fileName, state_.startFolder);
    if (!reading.opened) {
        showMessages(ui_, reading.messages);
        return false;
    }
    if (!reading.messages.empty()) {
        std::string warnings;
        for (const Message& message : reading.messages) {
            warnings += (warnings.empty() ? "" : "\n") + message.text;
        }
        ui_.showMessage(warnings);
    }
    BusyCursor busy(ui_);
    replacePlant(std::move(reading.project));
    showOnPages(std::filesystem::path(fileName).filename().string());
    buildAndShow();
    fileName_ = fileName;
    changes_.markUnchanged();
    tellFileChanged();
    return true;
}

bool SessionActions::save(const std::string& fileName) {
    const bool saved = runHandler(ui_, [&] { saveSession(state_.project, fileName); });
    if (saved) {
        fileName_ = fileName;
        changes_.markUnchanged();
        tellFileChanged();
    }
    return saved;
}

bool SessionActions::settleChanges() {
    if (!changes_.changed()) {
        return true;
    }
    switch (ui_.askToSaveChanges(saveQuestion())) {
    case SaveChoice::Save:
        return saveWhereItBelongs();
    case SaveChoice::Discard:
        return true;
    default:
        return false;
    }
}

std::string SessionActions::saveQuestion() const {
    if (fileName_.empty()) {
        return "Save the changed plant as a session?";
    }
    return "Save the changes to \"" + std::filesystem::path(fileName_).filename().string() + "\"?";
}

bool SessionActions::saveWhereItBelongs() {
    if (fileName_.empty()) {
        saveWithDialog();
        return !changes_.changed();
    }
    return save(fileName_);
}

void SessionActions::tellFileChanged() {
    if (fileChanged) {
        fileChanged();
    }
}

void SessionActions::replacePlant(PlantProject&& project) {
    // The renderer uploads a texture slot again when its generation changes, so the new slots
    // must not repeat the old generations.
    const LeafTextures& old = state_.project.leafTextures;
    for (std::size_t i = 0; i < project.leafTextures.slots.size(); ++i) {
        project.leafTextures.slots[i].generation = old.slots[i].generation + 1;
    }
    // The pages hold the project's parts, so it is replaced in place.
    state_.project = std::move(project);
}

void SessionActions::showOnPages(const std::string& sessionName) {
    state_.lsystemEditor.sourceEditor.setText(state_.project.lsystemText);
    state_.parameterPage.showParameters();
    state_.componentPage.showSurfaces();
    state_.componentPage.showShapesOf(sessionName);
    state_.materialPage.showMaterials();
    state_.animationPage.showSettings();
}

void SessionActions::buildAndShow() {
    PlantProject& project = state_.project;
    state_.animation.paintBusy = true;
    RewriteControl control;
    LSystemEditorPage& editor = state_.lsystemEditor;
    control.progress = [&editor](int percent) { editor.compileProgress.setPosition(percent); };
    const BuildOutcome built =
        buildPlant(project, state_.random, HeaderParameters::FromProject, control);
    showCompileOutcome(state_.lsystemEditor, built.compiled);
    state_.lsystemEditor.treeResultsPane.setText(built.treeResultsPane);
    Messages errors;
    for (const Message& message : built.messages) {
        if (message.kind == MessageKind::Error) {
            errors.push_back(message);
        }
    }
    showMessages(ui_, errors);
    refitMeasuredSeries(project);
    runHandler(ui_, [this] { state_.growthPage.showGrowth(); });
    if (built.completed) {
        state_.animation.paintBusy = false;
        if (showPlant) {
            showPlant();
        }
    }
}

} // namespace burgeon
