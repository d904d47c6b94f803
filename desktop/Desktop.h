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
    // mainWindowHeight is the height of the main window's client area.
    void startUp(const std::string& startFolder, const ScreenArea& screen, int mainWindowHeight);
    // Places the three windows by their frames within the screen's available area: the main
    // window's frame across the top, the tool window's below it at the left, the view's
    // filling the rest.
    void placeWindows(const ScreenArea& screen);

    UserInterface& ui;
    AppState state;
    ToolWindowModel toolWindow;
    ViewWindowModel viewWindow;
    MainWindowModel mainWindow;
};

} // namespace burgeon
