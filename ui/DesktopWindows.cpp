#include "ui/DesktopWindows.h"

#include "ui/ScreenArea.h"

#include <QApplication>

namespace burgeon {

DesktopWindows::DesktopWindows() {
    mainWindow = std::make_unique<MainWindowView>(desktop.mainWindow, ui);
    toolWindow = std::make_unique<ToolWindowView>(desktop);
    viewWindow = std::make_unique<ViewWindowView>(desktop);
    ui.setMainWindow(mainWindow.get());
    ui.setStatusPanel(toolWindow->statusPanel(0));
    desktop.mainWindow.quitApplication = [] { QApplication::quit(); };
}

DesktopWindows::~DesktopWindows() {
    // The models outlive the windows: stop the callbacks into them first.
    desktop.viewWindow.requestFrame = nullptr;
    ui.setMainWindow(nullptr);
    ui.setStatusPanel(nullptr);
}

void DesktopWindows::start(const std::string& startFolder) {
    mainWindow->adjustSize();
    const int mainHeight = mainWindow->sizeHint().height();
    // The main window is placed first so that the others can sit below it.
    desktop.mainWindow.activate(screenArea(mainWindow.get()), mainHeight);
    mainWindow->show();
    desktop.startUp(startFolder, screenArea(mainWindow.get()), mainHeight);
    // A window manager frames the windows only once they are on the screen.
    frameWatcher = std::make_unique<WindowFrameWatcher>(desktop, mainWindow.get(), toolWindow.get(),
                                                        viewWindow.get());
}

} // namespace burgeon
