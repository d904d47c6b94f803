#pragma once

#include "app/Desktop.h"

#include <QOpenGLWidget>
#include <QTimer>
#include <QWidget>

class QMenu;

namespace burgeon {

// Panel1 of the view window: the OpenGL surface the frames are drawn on.
class PlantPanel : public QOpenGLWidget {
    Q_OBJECT
public:
    PlantPanel(Desktop& desktop, QWidget* parent);

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
    void clearPanel();

    Desktop& desktop_;
    QMenu* popup_ = nullptr;
    bool rightDragged_ = false;
    int framesDrawn_ = 0;
};

// TfrmCube, the "Tree Visualization" window.
class ViewWindowView : public QWidget {
    Q_OBJECT
public:
    explicit ViewWindowView(Desktop& desktop);

    PlantPanel* panel() const { return panel_; }

private:
    void refresh();

    Desktop& desktop_;
    PlantPanel* panel_ = nullptr;
    QTimer timer_;
};

// The surface format the view needs: a compatibility profile for the fixed-function calls,
// double buffering, 24 colour bits and a depth buffer. Set before the application starts.
void setViewSurfaceFormat();

} // namespace burgeon
