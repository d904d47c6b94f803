#include "ui/ViewWindowView.h"

#include "base/HandlerGuard.h"
#include "ui/Bindings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace burgeon {

ViewWindowView::ViewWindowView(Desktop& desktop) : QWidget(nullptr, Qt::Window), desktop_(desktop) {
    setObjectName("viewWindow");
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    panel_ = new PlantPanel(desktop, this);
    layout->addWidget(panel_);

    ViewWindowModel& model = desktop.viewWindow;
    timer_.setInterval(ViewWindowModel::TimerInterval);
    connect(&timer_, &QTimer::timeout, this,
            [this] { runHandler(desktop_.ui, [&] { desktop_.viewWindow.timerTick(); }); });
    timer_.start();
    model.quitApplication = [] { QApplication::quit(); };
    model.window.views.subscribe([this] { refresh(); });
    refresh();
    QApplication::instance()->installEventFilter(this);
}

ViewWindowView::~ViewWindowView() {
    QApplication::instance()->removeEventFilter(this);
}

bool ViewWindowView::eventFilter(QObject* watched, QEvent* event) {
    // Moves without a button only show hints; every other input may change what the view
    // shows. The window system's copy of an event (to the QWindow) is not counted twice.
    if (watched->isWidgetType()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            desktop_.viewWindow.changed();
            break;
        case QEvent::MouseMove:
            if (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton) {
                desktop_.viewWindow.changed();
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ViewWindowView::changeEvent(QEvent* event) {
    // Maximised or restored by the window system (its title bar, a key): the view's state
    // follows, so the next frame does not undo it and a double-click toggles from there.
    if (event->type() == QEvent::WindowStateChange) {
        shownMaximised_ = isMaximized();
        desktop_.viewWindow.windowMaximised(shownMaximised_);
    }
    QWidget::changeEvent(event);
}

void ViewWindowView::closeEvent(QCloseEvent* event) {
    // Closed by the window manager: hidden, and shown again by "Animation Show".
    event->accept();
    desktop_.viewWindow.windowClosed();
}

void ViewWindowView::refresh() {
    const ViewWindowModel& model = desktop_.viewWindow;
    const QString caption = toQString(model.window.caption());
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
    // The placement is applied when it changes, so a window the user moved stays there; a
    // maximised window takes it once it is restored.
    const WindowRect& rect = model.geometry;
    if (rect.width > 0 && !(rect == placed_) && !isMaximized()) {
        placed_ = rect;
        const WindowRect frame = frameAround(rect, model.frame);
        move(frame.left, frame.top);
        resize(rect.width, rect.height);
    }
    // The caption changes every frame: the window's state is applied only when the view's
    // own state differs from what is shown.
    if (!model.window.visible()) {
        hide();
    } else if (!isVisible() || model.maximised() != shownMaximised_) {
        shownMaximised_ = model.maximised();
        if (shownMaximised_) {
            showMaximized();
        } else {
            showNormal();
        }
    }
}

} // namespace burgeon
