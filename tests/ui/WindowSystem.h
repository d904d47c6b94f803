#pragma once

// The X window system under the desktop tests: whether a window manager runs, and closing a
// window as a window manager's close button does.

class QWidget;

namespace burgeon::testing {

// True when a window manager has named itself on the root window.
bool windowManagerRuns();

// Closes the top-level window as its title bar's close button does: the window manager is
// asked to close it (it sends the window WM_DELETE_WINDOW); without one, the window gets that
// message directly.
void closeThroughWindowSystem(const QWidget* window);

} // namespace burgeon::testing
