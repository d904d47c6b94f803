#pragma once

#include "base/UserInterface.h"
#include "desktop/AppState.h"

#include <functional>
#include <string>

namespace burgeon {

inline constexpr const char* SessionFileFilter = "Burgeon sessions (*.burgeon)|*.burgeon";

// "Open Session…" and "Save Session…": the whole plant from and to a session file. Opening
// replaces the plant only when the file reads whole; then every page shows the session's
// values and the plant is compiled, generated, fitted and shown as if the buttons had been
// pressed (their information messages are not shown; errors are).
class SessionActions {
public:
    SessionActions(AppState& state, UserInterface& ui);

    // Asks for a file, then opens or saves it; a cancelled dialog does nothing.
    void openWithDialog();
    void saveWithDialog();

    // True when the file was read whole and became the open plant.
    bool open(const std::string& fileName);
    // True when the file was written whole.
    bool save(const std::string& fileName);

    // The open session's file, empty before the first open or save.
    const std::string& fileName() const { return fileName_; }
    // Told when the open session's file changes (the main window's title names it).
    std::function<void()> fileChanged;
    // Asks the view to show the newly opened plant.
    std::function<void()> showPlant;

private:
    void replacePlant(PlantProject&& project);
    // Every page shows the opened plant; the Component page names its shapes after the session.
    void showOnPages(const std::string& sessionName);
    void buildAndShow();

    AppState& state_;
    UserInterface& ui_;
    std::string fileName_;
};

} // namespace burgeon
