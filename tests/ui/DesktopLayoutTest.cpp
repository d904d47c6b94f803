// The three windows on the screen as a person sees them, with or without a window manager
// (the suite runs both ways): laid out by their frames within the screen's available area, no
// control of one window under another, and windows closed by the window manager brought back.
#include "DesktopTestCase.h"
#include "WindowSystem.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>

#include <array>

namespace burgeon {

using namespace burgeon::testing;

namespace {

QRect availableArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Why the frames do not tile the available area as the layout says, empty when they do: the
// main window's frame across the top, the tool window's below it at the left edge, the view's
// filling the rest.
QString whyNotTiled(const QWidget& main, const QWidget& tool, const QWidget& view) {
    const QRect area = availableArea();
    const QRect m = main.frameGeometry();
    const QRect t = tool.frameGeometry();
    const QRect v = view.frameGeometry();
    const auto show = [](const QRect& r) {
        return QString("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    const QString frames =
        QString(" in %1: main %2, tool %3, view %4").arg(show(area), show(m), show(t), show(v));
    if (m.topLeft() != area.topLeft() || m.width() != area.width()) {
        return "the main window is not across the top" + frames;
    }
    if (t.left() != area.left() || t.top() != m.bottom() + 1 || t.bottom() != area.bottom()) {
        return "the tool window is not below the main window" + frames;
    }
    if (v.left() != t.right() + 1 || v.top() != t.top() || v.right() != area.right() ||
        v.bottom() != area.bottom()) {
        return "the view does not fill the rest" + frames;
    }
    return {};
}

// The share of the widget's pixels that the screen shows as the widget draws itself: near 1
// when nothing covers it.
double shownShare(QWidget* widget) {
    const QImage drawn = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint at = widget->mapToGlobal(QPoint(0, 0));
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    if (shown.size() != drawn.size()) {
        return 0.0;
    }
    int same = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor a = drawn.pixelColor(x, y);
            const QColor b = shown.pixelColor(x, y);
            same +=
                qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <
                        48
                    ? 1
                    : 0;
        }
    }
    return static_cast<double>(same) / (drawn.width() * drawn.height());
}

} // namespace

class DesktopLayoutTest : public DesktopTestCase {
    Q_OBJECT

private:
    QWidget& main() const { return *windows->mainWindow; }
    QWidget& tool() const { return *windows->toolWindow; }
    QWidget& view() const { return *windows->viewWindow; }
    // The controls of the main window a person uses: the tab strip and every button shown.
    QList<QWidget*> mainControls() const {
        QList<QWidget*> controls{windows->mainWindow->tabs()->tabBar()};
        for (QAbstractButton* button : main().findChildren<QAbstractButton*>()) {
            if (button->isVisible()) {
                controls << button;
            }
        }
        return controls;
    }
    void waitUntilTiled() {
        QTRY_VERIFY2_WITH_TIMEOUT(whyNotTiled(main(), tool(), view()).isEmpty(),
                                  qPrintable(whyNotTiled(main(), tool(), view())), 10000);
    }

private Q_SLOTS:
    void theFramesTileTheAvailableArea() {
        qInfo("%s", windowManagerRuns() ? "with a window manager" : "without a window manager");
        waitUntilTiled();
        const QRect area = availableArea();
        for (const QWidget* window : {&main(), &tool(), &view()}) {
            QVERIFY2(area.contains(window->frameGeometry()), qPrintable(window->objectName()));
        }
        // The tool window has no frame of its own; the others are as wide as they are laid out.
        QCOMPARE(tool().frameGeometry(), tool().geometry());
        QCOMPARE(tool().width(), ToolWindowWidth);
    }

    void noControlIsUnderAnotherWindow() {
        waitUntilTiled();
        for (QWidget* control : mainControls()) {
            const QRect onScreen(control->mapToGlobal(QPoint(0, 0)), control->size());
            for (const QWidget* other : {&tool(), &view()}) {
                QVERIFY2(!other->frameGeometry().intersects(onScreen),
                         qPrintable(control->objectName() + " under " + other->objectName()));
            }
        }
        // What the screen shows is the controls themselves, whichever window is raised.
        for (QWidget* raised : {&view(), &main(), &tool()}) {
            raised->raise();
            raised->activateWindow();
            for (QWidget* control : mainControls()) {
                QTRY_VERIFY2(shownShare(control) > 0.9,
                             qPrintable(control->objectName() + " with " + raised->objectName() +
                                        " raised"));
            }
            QWidget* pageTabs = windows->toolWindow->page(0)->tabBar();
            QTRY_VERIFY2(shownShare(pageTabs) > 0.9, qPrintable(raised->objectName()));
        }
    }

    void aMaximisedViewReturnsToItsPlace() {
        waitUntilTiled();
        PlantPanel* panel = windows->viewWindow->panel();
        QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_VERIFY(view().isMaximized());
        if (windowManagerRuns()) { // only a window manager makes a window larger
            QTRY_COMPARE(view().frameGeometry().width(), availableArea().width());
        }
        QTest::qWait(300); // frames go on while it is maximised
        QVERIFY(view().isMaximized());
        QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_VERIFY(!view().isMaximized());
        waitUntilTiled();
    }

    void windowsClosedByTheWindowManagerComeBack() {
        waitUntilTiled();
        PlantPanel* panel = windows->viewWindow->panel();
        closeThroughWindowSystem(&view());
        QTRY_VERIFY(!view().isVisible());
        QVERIFY(!windows->desktop.viewWindow.window.visible());
        clickTab(*windows, 4);
        QTest::mouseClick(windows->mainWindow->button("animationShowButton"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&view()));
        const int frames = panel->framesDrawn();
        QTRY_VERIFY(panel->framesDrawn() > frames + 3);
        waitUntilTiled();

        clickTab(*windows, 0);
        QPushButton* toggle = windows->mainWindow->button("editorToggleButton");
        closeThroughWindowSystem(&tool());
        QTRY_VERIFY(!tool().isVisible());
        QCOMPARE(toggle->text(), "Editor Show");
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(&tool()));
        QCOMPARE(toggle->text(), "Editor Hide");
        waitUntilTiled();
    }
};

} // namespace burgeon

int main(int argc, char** argv) {
    return burgeon::testing::runDesktopSuite<burgeon::DesktopLayoutTest>(argc, argv);
}

#include "DesktopLayoutTest.moc"
