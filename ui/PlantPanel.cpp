#include "ui/PlantPanel.h"

#include "base/HandlerGuard.h"
#include "render/Renderer.h"
#include "ui/Bindings.h"

#include <QMenu>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScreen>
#include <QSurfaceFormat>

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
    // Frames without a frame delay follow the display's refresh.
    format.setSwapInterval(1);
    QSurfaceFormat::setDefaultFormat(format);
}

PlantPanel::PlantPanel(Desktop& desktop, QWidget* parent)
    : QOpenGLWidget(parent), desktop_(desktop) {
    setObjectName("viewPanel");
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    // A paint event the window system asks for between paced frames draws nothing, so the
    // panel must keep the last frame's picture.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, [this] { update(); });

    ViewWindowModel& model = desktop.viewWindow;
    popup_ = new QMenu(this);
    popup_->setObjectName("viewMenu");
    const std::pair<ControlModel*, void (ViewWindowModel::*)()> items[] = {
        {&model.startItem, &ViewWindowModel::start},
        {&model.stopItem, &ViewWindowModel::stop},
        {&model.resetItem, &ViewWindowModel::reset},
        {&model.showAxesItem, &ViewWindowModel::toggleAxes},
        {&model.fullDetailItem, &ViewWindowModel::toggleFullDetail},
        {&model.captureItem, &ViewWindowModel::capture},
        {&model.exportMeshItem, &ViewWindowModel::exportMesh},
        {&model.exitItem, &ViewWindowModel::exit}};
    for (const auto& [item, action] : items) {
        QAction* menuItem = popup_->addAction(toQString(item->caption()));
        const auto handler = action; // clang before 16 captures no structured binding
        connect(menuItem, &QAction::triggered, this, [this, handler] {
            runHandler(desktop_.ui, [&] { (desktop_.viewWindow.*handler)(); });
        });
        if (item == &model.fullDetailItem) {
            menuItem->setCheckable(true);
            connect(popup_, &QMenu::aboutToShow, menuItem,
                    [this, menuItem] { menuItem->setChecked(desktop_.viewWindow.fullDetail()); });
        }
    }

    model.requestFrame = [this] { scheduleNextFrame(); };
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
    if (desktop_.state.animation.captureActive) {
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
    const QScreen* display = screen();
    const double rate = display != nullptr ? display->refreshRate() : 0.0;
    desktop_.viewWindow.setRefreshInterval(rate > 0.0 ? 1000.0 / rate : 0.0);
}

void PlantPanel::resizeGL(int width, int height) {
    desktop_.viewWindow.canvas().setPanelSize(width, height);
    if (renderer_) {
        renderer_->setProjection(width, height);
    }
    desktop_.viewWindow.changed(); // a new panel holds no picture yet
}

void PlantPanel::paintGL() {
    bool drawn = false;
    painting_ = true;
    runHandler(desktop_.ui, [&] { drawn = desktop_.viewWindow.paintWhenDue(); });
    painting_ = false;
    if (drawn) {
        ++framesDrawn_;
    }
    scheduleNextFrame();
}

void PlantPanel::scheduleNextFrame() {
    // One timer asks for every paced frame; a resting or suspended view leaves it stopped until
    // something changes.
    const auto wait = desktop_.viewWindow.untilNextFrame();
    if (!wait) {
        frameTimer_.stop();
        return;
    }
    const int milliseconds = static_cast<int>(std::min<std::int64_t>(*wait, 60'000));
    if (!frameTimer_.isActive() || frameTimer_.remainingTime() != milliseconds) {
        frameTimer_.start(milliseconds);
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

} // namespace burgeon
