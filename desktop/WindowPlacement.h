#pragma once

namespace burgeon {

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }  // the first column past the rectangle
    int bottom() const { return top + height; } // the first row below it
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// The desktop's usable area in which the three windows are laid out: the screen without the
// room panels keep.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 1024;
    int height = 768;
};

// What a window manager's frame (title bar, borders) adds around a window's client area; none
// without a window manager.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const FrameMargins&, const FrameMargins&) = default;
};

// The frame around a client area.
WindowRect frameAround(const WindowRect& client, const FrameMargins& frame);

inline constexpr int ToolWindowWidth = 486;

// The main strip: its frame at the top-left corner of the screen, as wide as the screen; the
// client area inside the frame, `height` high.
WindowRect mainWindowPlacement(const ScreenArea& screen, int height, const FrameMargins& frame);
// The tab strip of the main window: 100 pixels narrower than the window.
int tabStripWidth(int mainWindowWidth);
// The "Simulation" window at the left edge directly below the main window's frame, its frame
// down to the bottom of the screen; the client area is ToolWindowWidth wide.
WindowRect toolWindowPlacement(const ScreenArea& screen, const WindowRect& mainFrame,
                               const FrameMargins& frame);
// The view's frame to the right of the tool window's, as high, out to the screen's right edge.
WindowRect viewWindowPlacement(const ScreenArea& screen, const WindowRect& toolFrame,
                               const FrameMargins& frame);

} // namespace burgeon
