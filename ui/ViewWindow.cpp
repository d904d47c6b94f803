#include "ui/ViewWindow.h"

#include "base/HandlerGuard.h"
#include "ui/Bindings.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>
#include <QVBoxLayout>

namespace burgeon {

void setViewSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

PlantPanel::PlantPanel(Desktop& desktop, QWidget* parent)
    : QOpenGLWidget(parent), desktop_(desktop) {
    setObjectName("Panel1");
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);

    ViewWindow& model = desktop.viewWindow;
    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenu1");
    const std::pair<ControlModel*, void (ViewWindow::*)()> items[] = {
        {&model.Start1, &ViewWindow::start},     {&model.Stop1, &ViewWindow::stop},
        {&model.Reset1, &ViewWindow::reset},     {&model.ShowXYZAxis1, &ViewWindow::toggleAxes},
        {&model.Capture1, &ViewWindow::capture}, {&model.Exit1, &ViewWindow::exit}};
    for (const auto& [item, handler] : items) {
        QAction* action = popup_->addAction(toQString(item->caption()));
        connect(action, &QAction::triggered, this, [this, handler] {
            runHandler(desktop_.ui, [&] { (desktop_.viewWindow.*handler)(); });
            update();
        });
    }

    // Until the renderer draws the plant, a frame shows the empty panel in the background
    // colour.
    model.renderFrame = [this] { clearPanel(); };
    model.requestFrame = [this] { update(); };
}

void PlantPanel::initializeGL() {}

void PlantPanel::resizeGL(int, int) {}

void PlantPanel::clearPanel() {
    QOpenGLFunctions* gl = context()->functions();
    const RgbColor background = desktop_.state.materials.BackgroundColor;
    gl->glClearColor(static_cast<float>(background.red) / 255.0f,
                     static_cast<float>(background.green) / 255.0f,
                     static_cast<float>(background.blue) / 255.0f, 1.0f);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void PlantPanel::paintGL() {
    bool drawn = false;
    runHandler(desktop_.ui, [&] { drawn = desktop_.viewWindow.paint(); });
    if (drawn) {
        ++framesDrawn_;
        // The next frame follows as soon as the event loop is idle again; a suspended view
        // waits for the timer or for whatever resumes it.
        update();
    }
}

void PlantPanel::mousePressEvent(QMouseEvent* event) {
    rightDragged_ = false;
    const QPoint at = event->position().toPoint();
    desktop_.viewWindow.mouseDown(at.x(), at.y());
}

void PlantPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool left = event->buttons().testFlag(Qt::LeftButton);
    const bool right = event->buttons().testFlag(Qt::RightButton);
    rightDragged_ = rightDragged_ || right;
    runHandler(desktop_.ui, [&] { desktop_.viewWindow.mouseMove(at.x(), at.y(), left, right); });
}

void PlantPanel::mouseReleaseEvent(QMouseEvent* event) {
    desktop_.viewWindow.mouseUp();
    // The right button both turns the plant and opens the popup menu: a click without a
    // drag opens the menu.
    if (event->button() == Qt::RightButton && !rightDragged_) {
        popup_->popup(event->globalPosition().toPoint());
    }
}

void PlantPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        desktop_.viewWindow.doubleClick();
    }
}

ViewWindowView::ViewWindowView(Desktop& desktop) : QWidget(nullptr, Qt::Window), desktop_(desktop) {
    setObjectName("frmCube");
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    panel_ = new PlantPanel(desktop, this);
    layout->addWidget(panel_);

    ViewWindow& model = desktop.viewWindow;
    timer_.setInterval(ViewWindow::TimerInterval);
    connect(&timer_, &QTimer::timeout, this,
            [this] { runHandler(desktop_.ui, [&] { desktop_.viewWindow.timerTick(); }); });
    timer_.start();
    model.quitApplication = [] { QApplication::quit(); };
    model.window.views.subscribe([this] { refresh(); });
    refresh();
}

void ViewWindowView::refresh() {
    const ViewWindow& model = desktop_.viewWindow;
    setWindowTitle(toQString(model.window.caption()));
    const WindowRect& rect = model.geometry;
    if (rect.width > 0 && !model.maximised() && !isMaximized()) {
        setGeometry(rect.left, rect.top, rect.width, rect.height);
    }
    if (!model.window.visible()) {
        hide();
    } else if (model.maximised()) {
        showMaximized();
    } else if (isMaximized() || !isVisible()) {
        showNormal();
    }
}

} // namespace burgeon
