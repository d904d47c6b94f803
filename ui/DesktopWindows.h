#pragma once

#include "desktop/Desktop.h"
#include "ui/MainWindowView.h"
#include "ui/QtUserInterface.h"
#include "ui/ToolWindowView.h"
#include "ui/ViewWindowView.h"
#include "ui/WindowFrameWatcher.h"

#include <memory>
#include <string>

namespace burgeon {

// The whole desktop on screen: the port, the models and the three windows bound to them.
class DesktopWindows {
public:
    DesktopWindows();
    ~DesktopWindows();
    DesktopWindows(const DesktopWindows&) = delete;
    DesktopWindows& operator=(const DesktopWindows&) = delete;

    // Program start-up in the given folder: creates the windows' state and shows them.
    void start(const std::string& startFolder);

    QtUserInterface ui;
    Desktop desktop{ui};
    std::unique_ptr<MainWindowView> mainWindow;
    std::unique_ptr<ToolWindowView> toolWindow;
    std::unique_ptr<ViewWindowView> viewWindow;
    std::unique_ptr<WindowFrameWatcher> frameWatcher;
};

} // namespace burgeon
