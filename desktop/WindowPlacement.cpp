#include "desktop/WindowPlacement.h"

#include <algorithm>

namespace burgeon {

WindowRect mainWindowPlacement(const ScreenArea& screen, int mainWindowHeight) {
    return {screen.left, screen.top, screen.width, mainWindowHeight};
}

int tabStripWidth(const ScreenArea& screen) {
    return std::max(0, screen.width - 100);
}

WindowRect toolWindowPlacement(const ScreenArea& screen, int mainWindowHeight) {
    return {screen.left, screen.top + mainWindowHeight, ToolWindowWidth,
            std::max(0, screen.height - mainWindowHeight)};
}

WindowRect viewWindowPlacement(const ScreenArea& screen, const WindowRect& toolWindow) {
    return {screen.left + toolWindow.width, toolWindow.top,
            std::max(0, screen.width - toolWindow.width), toolWindow.height};
}

} // namespace burgeon
