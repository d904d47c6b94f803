#pragma once

#include "desktop/Desktop.h"

#include <QObject>
#include <QPointer>

#include <array>

class QWidget;

namespace burgeon {

// Lays the three windows out again when what their layout depends on changes: a window
// manager's frames around them (known only once it has framed them, and changed when its
// theme does) or the screen's available area (a panel added or moved).
class WindowFrameWatcher : public QObject {
    Q_OBJECT
public:
    // The windows must have been shown once.
    WindowFrameWatcher(Desktop& desktop, QWidget* mainWindow, QWidget* toolWindow,
                       QWidget* viewWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes the frames the window system has; lays the windows out when one changed.
    void look();

    Desktop& desktop_;
    std::array<QPointer<QWidget>, 3> windows_;
};

} // namespace burgeon
