// The view as a person meets it: frames paced by "Velocity Animation", a still picture that
// costs nothing, drawing suspended by "Generate Plant", the mouse and the window's state.
#include "DesktopTestCase.h"
#include "ui/ViewWindowView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

namespace burgeon {

using namespace burgeon::testing;

class ViewPacingTest : public DesktopTestCase {
    Q_OBJECT

private:
    QWidget* tool() const { return windows->toolWindow.get(); }
    PlantPanel* panel() const { return windows->viewWindow->panel(); }
    int framesDuring(int milliseconds) {
        const int before = panel()->framesDrawn();
        QTest::qWait(milliseconds);
        return panel()->framesDrawn() - before;
    }
    void click(const char* name) {
        auto* target = findWidget<QAbstractButton>(tool(), name);
        QVERIFY(target->isVisible());
        QTest::mouseClick(target, Qt::LeftButton);
    }
    // A slider moved with the keyboard, as a person may move it.
    void pressOn(int tab, const char* slider, Qt::Key key, int times = 1) {
        clickTab(*windows, tab);
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(findWidget<QSlider>(tool(), slider), key);
        }
    }

private Q_SLOTS:
    void theVelocityPacesTheFrames() {
        clickTab(*windows, 4);
        click("playButton");
        pressOn(4, "velocitySlider", Qt::Key_End); // 10: 180 ms after every frame
        QTest::qWait(300);
        const int slow = framesDuring(2000);
        QVERIFY2(slow <= 2000 / 180 + 2, qPrintable(QString::number(slow)));
        QVERIFY2(slow >= 5, qPrintable(QString::number(slow)));

        pressOn(4, "velocitySlider", Qt::Key_Home); // 0: the display's pace
        QTest::qWait(300);
        QElapsedTimer clock;
        clock.start();
        const int fast = framesDuring(2000);
        const qint64 elapsed = clock.elapsed();
        qInfo("frames in 2 s: %d at velocity 10, %d at velocity 0", slow, fast);
        QVERIFY2(fast >= 3 * slow, qPrintable(QString("%1 against %2").arg(fast).arg(slow)));
        // A virtual display paces nothing: no more than 60 frames a second all the same.
        QVERIFY2(fast <= elapsed * 60 / 1000 + 2,
                 qPrintable(QString("%1 in %2 ms").arg(fast).arg(elapsed)));
    }

    void aStillPictureIsNotDrawnAgainUntilSomethingChanges() {
        pressOn(3, "windSlider", Qt::Key_Home); // wind 1: the leaves hold still
        clickTab(*windows, 4);
        click("pauseButton");
        QTest::qWait(500);
        QCOMPARE(framesDuring(1000), 0);

        // A nudge turns the plant: the view draws it, then rests again.
        click("rotationUpButton");
        QTRY_VERIFY(panel()->framesDrawn() > 0);
        QTest::qWait(500);
        QCOMPARE(framesDuring(1000), 0);

        // The wind's flutter changes a paused picture from frame to frame.
        pressOn(3, "windSlider", Qt::Key_Right, 4);
        QVERIFY(framesDuring(1000) > 10);
    }

    void suspendedDrawingWaitsForAnimationShow() {
        QTRY_VERIFY(panel()->framesDrawn() > 5);
        windows->desktop.state.animation.paintBusy = true; // as "Generate Plant" leaves it
        QTest::qWait(100);
        pressOn(3, "windSlider", Qt::Key_Right);
        QCOMPARE(framesDuring(500), 0);
        QTest::mouseClick(windows->mainWindow->button("animationShowButton"), Qt::LeftButton);
        QTRY_VERIFY(panel()->framesDrawn() > 5);
    }

    void aDragTurnsThePlantByHalfTheDistance() {
        QTest::mousePress(panel(), Qt::LeftButton, {}, QPoint(100, 100));
        QMouseEvent drag(QEvent::MouseMove, QPointF(120, 90),
                         panel()->mapToGlobal(QPointF(120, 90)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(panel(), &drag);
        QCOMPARE(statusText(*windows), "Plant Visualization");
        QTest::mouseRelease(panel(), Qt::LeftButton, {}, QPoint(120, 90));
        QCOMPARE(windows->desktop.state.project.view.mouseYaw, 10.0f);
        QCOMPARE(windows->desktop.state.project.view.mousePitch, -5.0f);
    }

    void aMaximisedWindowStaysSoUntilADoubleClick() {
        QWidget* view = windows->viewWindow.get();
        const AnimationState& animation = windows->desktop.state.animation;
        // The double-click maximises and restores.
        QTest::mouseDClick(panel(), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(animation.viewMaximised);
        QVERIFY(view->isMaximized());
        QTest::mouseDClick(panel(), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!animation.viewMaximised);
        QVERIFY(!view->isMaximized());

        // Maximised by the window system: frames go on changing the caption, and it stays.
        view->setWindowState(Qt::WindowMaximized);
        QVERIFY(animation.viewMaximised);
        const int frames = panel()->framesDrawn();
        QTRY_VERIFY(panel()->framesDrawn() > frames + 3);
        QVERIFY(view->isMaximized());
        QTest::mouseDClick(panel(), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!animation.viewMaximised);
        QVERIFY(!view->isMaximized());
    }
};

} // namespace burgeon

int main(int argc, char** argv) {
    return burgeon::testing::runDesktopSuite<burgeon::ViewPacingTest>(argc, argv);
}

#include "ViewPacingTest.moc"
