#pragma once

#include "desktop/Desktop.h"
#include "imageio/RgbImage.h"
#include "render/RenderHost.h"

#include <QOpenGLWidget>
#include <QTimer>

#include <memory>

class QMenu;

namespace burgeon {

class Renderer;

// viewPanel of the view window: the OpenGL surface the frames are drawn on, and the renderer's
// host on it.
class PlantPanel : public QOpenGLWidget, public RenderHost {
    Q_OBJECT
public:
    PlantPanel(Desktop& desktop, QWidget* parent);
    ~PlantPanel() override;

    void makeCurrent() override;
    void swapBuffers() override;
    RgbImage readPixels(int width, int height) override;
    RgbImage shownPixels(int width, int height) override;

    // Frames drawn in paint events since the panel was made (the pacing tests count them).
    int framesDrawn() const { return framesDrawn_; }

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Arms the frame timer for the next frame the view's pacing asks for, or stops it.
    void scheduleNextFrame();

    Desktop& desktop_;
    std::unique_ptr<Renderer> renderer_;
    QTimer frameTimer_; // the one thing that asks for paced frames
    RgbImage shown_;    // the last finished frame, kept while a capture run needs it
    QMenu* popup_ = nullptr;
    bool rightDragged_ = false;
    bool painting_ = false;
    int framesDrawn_ = 0;
};

// The surface format the view needs: a compatibility profile for the fixed-function calls,
// double buffering, 24 colour bits and a depth buffer. Set before the application starts.
void setViewSurfaceFormat();

} // namespace burgeon
