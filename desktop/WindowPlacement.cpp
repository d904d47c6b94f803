#include "desktop/WindowPlacement.h"

#include <algorithm>

namespace burgeon {

namespace {

// The client area inside a frame; never less than nothing.
WindowRect clientWithin(const WindowRect& outer, const FrameMargins& frame) {
    return {outer.left + frame.left, outer.top + frame.top,
            std::max(0, outer.width - frame.left - frame.right),
            std::max(0, outer.height - frame.top - frame.bottom)};
}

} // namespace

WindowRect frameAround(const WindowRect& client, const FrameMargins& frame) {
    return {client.left - frame.left, client.top - frame.top,
            client.width + frame.left + frame.right, client.height + frame.top + frame.bottom};
}

WindowRect mainWindowPlacement(const ScreenArea& screen, int height, const FrameMargins& frame) {
    const WindowRect outer{screen.left, screen.top, screen.width,
                           height + frame.top + frame.bottom};
    return clientWithin(outer, frame);
}

int tabStripWidth(int mainWindowWidth) {
    return std::max(0, mainWindowWidth - 100);
}

WindowRect toolWindowPlacement(const ScreenArea& screen, const WindowRect& mainFrame,
                               const FrameMargins& frame) {
    const int top = mainFrame.bottom();
    const WindowRect outer{screen.left, top, ToolWindowWidth + frame.left + frame.right,
                           std::max(0, screen.top + screen.height - top)};
    return clientWithin(outer, frame);
}

WindowRect viewWindowPlacement(const ScreenArea& screen, const WindowRect& toolFrame,
                               const FrameMargins& frame) {
    const int left = toolFrame.right();
    const WindowRect outer{left, toolFrame.top, std::max(0, screen.left + screen.width - left),
                           toolFrame.height};
    return clientWithin(outer, frame);
}

} // namespace burgeon
