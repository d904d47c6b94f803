#include "desktop/Desktop.h"

namespace burgeon {

Desktop::Desktop(UserInterface& userInterface)
    : ui(userInterface), state(ui), toolWindow(state, ui), viewWindow(state, ui),
      mainWindow(state, ui, toolWindow, viewWindow) {}

void Desktop::startUp(const std::string& startFolder, const ScreenArea& screen,
                      int mainWindowHeight) {
    mainWindow.create(startFolder);
    mainWindow.activate(screen, mainWindowHeight);
    toolWindow.create(screen, mainWindowHeight);
    viewWindow.create(screen, toolWindow.geometry);
    mainWindow.show();
}

} // namespace burgeon
