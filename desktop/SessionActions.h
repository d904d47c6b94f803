#pragma once

#include "base/UserInterface.h"
#include "desktop/AppState.h"
#include "desktop/PlantChanges.h"

#include <functional>
#include <string>

namespace burgeon {

inline constexpr const char* SessionFileFilter = "Burgeon sessions (*.burgeon)|*.burgeon";

// "Open Session…" and "Save Session…": the whole plant from and to a session file. Opening
// replaces the plant only when the file reads whole; then every page shows the session's
// values and the plant is compiled, generated, fitted and shown as if the buttons had been
// pressed (their information messages are not shown; errors are). It also knows whether the
// plant has changes its session does not hold yet, and asks about them before they are lost.
class SessionActions {
public:
    SessionActions(AppState& state, UserInterface& ui);

    // Asks for a file, then opens or saves it; a cancelled dialog does nothing. Opening first
    // asks about unsaved changes.
    void openWithDialog();
    void saveWithDialog();

    // True when the file was read whole and became the open plant.
    bool open(const std::string& fileName);
    // True when the file was written whole.
    bool save(const std::string& fileName);

    // The open session's file, empty before the first open or save.
    const std::string& fileName() const { return fileName_; }
    // Told when the open session's file changes or its changes are saved (the main window's
    // title names the session and marks its changes).
    std::function<void()> fileChanged;

    // The plant as it is now is the one the program started with: no changes.
    void startedWith() { changes_.markUnchanged(); }
    // Whether the plant has changed since it was opened, saved or started with.
    bool hasChanges() { return changes_.changed(); }
    // Before changes would be lost (leaving, opening another session): asks to save, discard or
    // cancel. True when there are none, or they were saved or discarded; false when the
    // person cancelled or the saving did not happen.
    bool settleChanges();
    // The question settleChanges asks.
    std::string saveQuestion() const;
    // Asks the view to show the newly opened plant.
    std::function<void()> showPlant;

private:
    void replacePlant(PlantProject&& project);
    // Every page shows the opened plant; the Component page names its shapes after the session.
    void showOnPages(const std::string& sessionName);
    void buildAndShow();
    // Saves to the session's own file, or asks for one when it has none; true when saved.
    bool saveWhereItBelongs();
    void tellFileChanged();

    AppState& state_;
    UserInterface& ui_;
    std::string fileName_;
    PlantChanges changes_;
};

} // namespace burgeon
