#include "ui/ViewWindow.h"

#include "base/HandlerGuard.h"
#include "render/Renderer.h"
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
    setObjectName("viewPanel");
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);

    ViewWindow& model = desktop.viewWindow;
    popup_ = new QMenu(this);
    popup_->setObjectName("editorMenu");
    const std::pair<ControlModel*, void (ViewWindow::*)()> items[] = {
        {&model.startItem, &ViewWindow::start},
        {&model.stopItem, &ViewWindow::stop},
        {&model.resetItem, &ViewWindow::reset},
        {&model.showAxesItem, &ViewWindow::toggleAxes},
        {&model.captureItem, &ViewWindow::capture},
        {&model.exportMeshItem, &ViewWindow::exportMesh},
        {&model.exitItem, &ViewWindow::exit}};
    for (const auto& [item, handler] : items) {
        QAction* action = popup_->addAction(toQString(item->caption()));
        connect(action, &QAction::triggered, this, [this, handler] {
            runHandler(desktop_.ui, [&] { (desktop_.viewWindow.*handler)(); });
            update();
        });
    }

    model.requestFrame = [this] { update(); };
    model.resizeView = [this] {
        if (renderer_) {
            makeCurrent();
            renderer_->setProjection(width(), height());
        }
    };
}

PlantPanel::~PlantPanel() {
    desktop_.viewWindow.canvas().attach(nullptr);
    desktop_.viewWindow.requestFrame = nullptr;
    desktop_.viewWindow.resizeView = nullptr;
    if (renderer_) {
        QOpenGLWidget::makeCurrent();
        renderer_->release();
        renderer_.reset();
        doneCurrent();
    }
}

void PlantPanel::makeCurrent() {
    QOpenGLWidget::makeCurrent();
}

void PlantPanel::swapBuffers() {
    // The widget shows the frame once control returns to the event loop; a capture step
    // reads the frame shown before the one being drawn, so keep it while a run is active.
    if (desktop_.state.animation.CaptureActive) {
        shown_ = readPixels(width(), height());
    } else if (!shown_.empty()) {
        shown_ = RgbImage();
    }
    // A frame drawn inside a paint event is shown when the event ends; one drawn outside
    // (while dragging) needs a paint event to be shown.
    if (!painting_) {
        update();
    }
}

RgbImage PlantPanel::readPixels(int width, int height) {
    const int panelWidth = std::min(width, this->width());
    const int panelHeight = std::min(height, this->height());
    RgbImage image(std::max(0, width), std::max(0, height), RgbColor{0, 0, 0});
    if (panelWidth <= 0 || panelHeight <= 0) {
        return image;
    }
    QOpenGLWidget::makeCurrent();
    QOpenGLFunctions* gl = context()->functions();
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(panelWidth) * 3 *
                                   static_cast<std::size_t>(panelHeight));
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // The panel's top rows are the framebuffer's last ones.
    gl->glReadPixels(0, this->height() - panelHeight, panelWidth, panelHeight, GL_RGB,
                     GL_UNSIGNED_BYTE, rows.data());
    for (int y = 0; y < panelHeight; ++y) {
        const std::uint8_t* row =
            rows.data() + static_cast<std::size_t>(panelHeight - 1 - y) * 3 * panelWidth;
        for (int x = 0; x < panelWidth; ++x) {
            image.setPixel(x, y, RgbColor{row[3 * x], row[3 * x + 1], row[3 * x + 2]});
        }
    }
    return image;
}

RgbImage PlantPanel::shownPixels(int width, int height) {
    if (shown_.empty()) {
        return readPixels(width, height);
    }
    RgbImage image(std::max(0, width), std::max(0, height), RgbColor{0, 0, 0});
    for (int y = 0; y < std::min(height, shown_.height()); ++y) {
        for (int x = 0; x < std::min(width, shown_.width()); ++x) {
            image.setPixel(x, y, shown_.pixel(x, y));
        }
    }
    return image;
}

void PlantPanel::initializeGL() {
    renderer_ = std::make_unique<Renderer>(*this, desktop_.state.project, desktop_.state.clock);
    runHandler(desktop_.ui, [&] { renderer_->initialize(); });
    desktop_.viewWindow.canvas().attach(renderer_.get());
}

void PlantPanel::resizeGL(int width, int height) {
    desktop_.viewWindow.canvas().setPanelSize(width, height);
    if (renderer_) {
        renderer_->setProjection(width, height);
    }
}

void PlantPanel::paintGL() {
    std::optional<int> delay;
    painting_ = true;
    runHandler(desktop_.ui, [&] { delay = desktop_.viewWindow.paint(); });
    painting_ = false;
    if (delay) {
        ++framesDrawn_;
        scheduleNextFrame(*delay);
    }
}

void PlantPanel::scheduleNextFrame(int delay) {
    // The next frame follows as soon as the event loop is idle again, after the frame delay;
    // a suspended view waits for the timer or for whatever resumes it.
    if (delay <= 0) {
        update();
    } else {
        QTimer::singleShot(delay, this, [this] { update(); });
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
    const QString caption = toQString(model.window.caption());
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
    // The placement is applied when it changes, so a window the user moved stays there.
    const WindowRect& rect = model.geometry;
    if (rect.width > 0 && !(rect == placed_)) {
        placed_ = rect;
        setGeometry(rect.left, rect.top, rect.width, rect.height);
    }
    if (!model.window.visible()) {
        hide();
    } else if (model.maximised() && !isMaximized()) {
        showMaximized();
    } else if (!model.maximised() && (isMaximized() || !isVisible())) {
        showNormal();
    }
}

} // namespace burgeon
