#include "ui/WindowFrameWatcher.h"

#include "ui/ScreenArea.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace burgeon {

WindowFrameWatcher::WindowFrameWatcher(Desktop& desktop, QWidget* mainWindow, QWidget* toolWindow,
                                       QWidget* viewWindow)
    : desktop_(desktop), windows_{mainWindow, toolWindow, viewWindow} {
    for (QWidget* window : {mainWindow, toolWindow, viewWindow}) {
        window->windowHandle()->installEventFilter(this);
    }
    if (QScreen* screen = mainWindow->screen()) {
        connect(screen, &QScreen::availableGeometryChanged, this,
                [this] { desktop_.placeWindows(screenArea(windows_[0])); });
    }
    look();
}

bool WindowFrameWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Expose:
    case QEvent::Move:
    case QEvent::Resize:
        look();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowFrameWatcher::look() {
    std::array<FrameMargins*, 3> frames = {&desktop_.mainWindow.frame, &desktop_.toolWindow.frame,
                                           &desktop_.viewWindow.frame};
    bool changed = false;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        const QWidget* window = windows_[i];
        // A hidden window keeps the frame it had (a window is framed before it is shown), and
        // so does a maximised one: the window manager may frame it otherwise, but it is not in
        // the layout until it is restored.
        if (window == nullptr || !window->isVisible() || window->windowHandle() == nullptr ||
            !window->windowHandle()->isExposed() ||
            (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0) {
            continue;
        }
        const QMargins margins = window->windowHandle()->frameMargins();
        const FrameMargins frame{margins.left(), margins.top(), margins.right(), margins.bottom()};
        if (!(frame == *frames[i])) {
            *frames[i] = frame;
            changed = true;
        }
    }
    if (changed) {
        desktop_.placeWindows(screenArea(windows_[0]));
    }
}

} // namespace burgeon
