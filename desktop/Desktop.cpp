#include "desktop/Desktop.h"

namespace burgeon {

Desktop::Desktop(UserInterface& userInterface)
    : ui(userInterface), state(ui), toolWindow(state, ui), viewWindow(state, ui),
      mainWindow(state, ui, toolWindow, viewWindow) {
    viewWindow.mayQuit = [this] { return mainWindow.sessions.settleChanges(); };
}

void Desktop::startUp(const std::string& startFolder, const ScreenArea& screen,
                      int mainWindowHeight) {
    mainWindow.create(startFolder);
    mainWindow.activate(screen, mainWindowHeight);
    toolWindow.create(screen, frameAround(mainWindow.geometry, mainWindow.frame));
    viewWindow.create(screen, frameAround(toolWindow.geometry, toolWindow.frame));
    mainWindow.show();
    mainWindow.sessions.startedWith();
}

void Desktop::placeWindows(const ScreenArea& screen) {
    mainWindow.activate(screen, mainWindow.geometry.height);
    toolWindow.place(screen, frameAround(mainWindow.geometry, mainWindow.frame));
    viewWindow.place(screen, frameAround(toolWindow.geometry, toolWindow.frame));
}

} // namespace burgeon
