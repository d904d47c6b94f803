#pragma once

namespace burgeon {

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// The desktop's usable area in which the three windows are laid out.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 1024;
    int height = 768;
};

inline constexpr int ToolWindowWidth = 486;

// The main strip across the top of the screen, as wide as the screen.
WindowRect mainWindowPlacement(const ScreenArea& screen, int mainWindowHeight);
// The tab strip of the main window: 100 pixels narrower than the screen.
int tabStripWidth(const ScreenArea& screen);
// The "Simulation" window at the left edge directly below the main window, down to the
// bottom of the screen.
WindowRect toolWindowPlacement(const ScreenArea& screen, int mainWindowHeight);
// The view to the right of the tool window, as high as the tool window.
WindowRect viewWindowPlacement(const ScreenArea& screen, const WindowRect& toolWindow);

} // namespace burgeon
