#pragma once

#include "base/UserInterface.h"
#include "desktop/AppState.h"
#include "desktop/MainWindowModel.h"
#include "desktop/ToolWindowModel.h"
#include "desktop/ViewWindowModel.h"
#include "desktop/WindowPlacement.h"

#include <string>

namespace burgeon {

// The running desktop: the process-wide state and the models of the three windows.
class Desktop {
public:
    explicit Desktop(UserInterface& userInterface);
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Program start-up: the main window's creation, the tool and view windows' creation,
    // then the main window's showing, which shows the other two.
    void startUp(const std::string& startFolder, const ScreenArea& screen, int mainWindowHeight);

    UserInterface& ui;
    AppState state;
    ToolWindowModel toolWindow;
    ViewWindowModel viewWindow;
    MainWindowModel mainWindow;
};

} // namespace burgeon
