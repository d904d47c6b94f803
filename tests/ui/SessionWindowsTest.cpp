#include "MessageAnswerer.h"
#include "imageio/BmpReader.h"
#include "project/Session.h"
#include "ui/DesktopWindows.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QOpenGLWidget>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>

namespace burgeon {

// A session opened in the desktop, against the same session drawn by the command line.
class SessionWindowsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<MessageAnswerer> answerer_;
    std::unique_ptr<DesktopWindows> windows_;

    static QString examples() { return QStringLiteral(BURGEON_EXAMPLES); }

    // The first gallery plant without the leaves' flutter, which follows the time of day.
    QString stillSession() {
        const SessionReading reading =
            openSession((examples() + "/sessions/1-soybean.burgeon").toStdString(),
                        examples().toStdString(), {"parameters.wind=1"});
        if (!reading.opened) {
            qFatal("the gallery session does not open");
        }
        QString file = folder_.filePath("still.burgeon");
        saveSession(reading.project, file.toStdString());
        return file;
    }

    static int differingPixels(const QImage& a, const QImage& b) {
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QColor p = a.pixelColor(x, y);
                const QColor q = b.pixelColor(x, y);
                if (std::abs(p.red() - q.red()) > 24 || std::abs(p.green() - q.green()) > 24 ||
                    std::abs(p.blue() - q.blue()) > 24) {
                    ++count;
                }
            }
        }
        return count;
    }

    // Pixels that are neither white nor grey: a curve or data points drawn on a plot.
    static int colouredPixels(const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor p = image.pixelColor(x, y);
                if (p.red() != p.green() || p.green() != p.blue()) {
                    ++count;
                }
            }
        }
        return count;
    }

private Q_SLOTS:
    void init() {
        QVERIFY(folder_.isValid());
        answerer_ = std::make_unique<MessageAnswerer>();
    }
    void cleanup() {
        windows_.reset();
        answerer_.reset();
    }

    void theViewShowsASessionAsTheCommandLineDrawsIt() {
        const QString session = stillSession();
        // Started in the examples folder as "make run" does: the land's texture is there.
        QDir::setCurrent(examples());
        windows_ = std::make_unique<DesktopWindows>();
        windows_->start(examples().toStdString());
        QVERIFY(QTest::qWaitForWindowExposed(windows_->viewWindow.get()));

        answerer_->fileAnswer = session;
        QTest::mouseClick(windows_->mainWindow->button("openSessionButton"), Qt::LeftButton);
        QTRY_VERIFY(windows_->desktop.state.project.plant.nodeCount > 0);
        QVERIFY(answerer_->messages.isEmpty());
        QCOMPARE(windows_->mainWindow->windowTitle(),
                 QString::fromUtf8("still.burgeon \u2014 Simulation and Visualization of Plant "
                                   "Shoots Growth"));

        // The growth page plots the session's curves.
        windows_->mainWindow->tabs()->setCurrentIndex(1);
        auto* plot = windows_->toolWindow->findChild<QLabel*>("internodePlot");
        QVERIFY(plot != nullptr);
        const QImage plotted = plot->grab().toImage().convertToFormat(QImage::Format_RGB888);
        QVERIFY(colouredPixels(plotted) > 100);

        // The time bar stops the clock at the time it is moved to.
        windows_->mainWindow->tabs()->setCurrentIndex(4);
        auto* timeBar = windows_->toolWindow->findChild<QSlider*>("timeBar");
        QVERIFY(timeBar != nullptr);
        timeBar->setValue(60);
        QTRY_COMPARE(windows_->desktop.state.project.animation.currentTime, 60.0);
        QTest::qWait(600); // frames of the paused plant
        auto* panel = windows_->viewWindow->findChild<QOpenGLWidget*>("viewPanel");
        QVERIFY(panel != nullptr);
        const QImage view = panel->grabFramebuffer().convertToFormat(QImage::Format_RGB888);

        const QString picture = folder_.filePath("command-line.png");
        QProcess burgeon;
        burgeon.setWorkingDirectory(examples());
        burgeon.start(QStringLiteral(BURGEON_EXECUTABLE),
                      {"render", "--session", session, "--time", "60", "--seed", "0", "--size",
                       QString("%1x%2").arg(view.width()).arg(view.height()), "--out", picture});
        QVERIFY(burgeon.waitForFinished(30000));
        QCOMPARE(burgeon.exitCode(), 0);
        const QImage drawn = QImage(picture).convertToFormat(QImage::Format_RGB888);
        QCOMPARE(drawn.size(), view.size());
        // The main stem's jitter comes from the time of day in the desktop: a few pixels.
        const int differing = differingPixels(view, drawn);
        const int allowed = view.width() * view.height() / 200;
        if (differing > allowed) {
            view.save(folder_.filePath("view.png"));
            qWarning("%d pixels differ; pictures kept in %s", differing,
                     qPrintable(folder_.path()));
            folder_.setAutoRemove(false);
        }
        QVERIFY(differing <= allowed);
    }

    // "Full Detail" in the view's popup menu: the right button clicked on the plant opens the
    // menu, the item shows the plant's detail, and a saved session keeps the choice.
    void theViewsPopupChoosesFullDetailAndTheSessionKeepsIt() {
        QDir::setCurrent(examples());
        windows_ = std::make_unique<DesktopWindows>();
        windows_->start(examples().toStdString());
        QVERIFY(QTest::qWaitForWindowExposed(windows_->viewWindow.get()));
        auto* panel = windows_->viewWindow->findChild<QOpenGLWidget*>("viewPanel");
        auto* menu = windows_->viewWindow->findChild<QMenu*>("viewMenu");
        QVERIFY(panel != nullptr && menu != nullptr);
        QAction* fullDetail = nullptr;
        for (QAction* item : menu->actions()) {
            if (item->text() == "Full Detail") {
                fullDetail = item;
            }
        }
        QVERIFY(fullDetail != nullptr);
        const ViewState& view = windows_->desktop.state.project.view;
        QCOMPARE(view.detail, DrawingDetail::Auto);

        for (const DrawingDetail chosen : {DrawingDetail::Full, DrawingDetail::Auto}) {
            QTest::mouseClick(panel, Qt::RightButton, {}, panel->rect().center());
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(fullDetail->isChecked(), chosen == DrawingDetail::Auto);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(fullDetail).center());
            QTRY_VERIFY(!menu->isVisible());
            QCOMPARE(view.detail, chosen);
            if (chosen == DrawingDetail::Full) {
                answerer_->fileAnswer = folder_.filePath("full.burgeon");
                QTest::mouseClick(windows_->mainWindow->button("saveSessionButton"),
                                  Qt::LeftButton);
                QTRY_VERIFY(QFile::exists(answerer_->fileAnswer));
                QFile saved(answerer_->fileAnswer);
                QVERIFY(saved.open(QIODevice::ReadOnly));
                QVERIFY(saved.readAll().contains("\"detail\": \"full\""));
            }
        }
    }

    // The Component page's list holds the shapes the session brought, named after it, and the
    // Material page's texture list names the session's leaf texture.
    void thePagesShowTheShapesAndTextureTheSessionBrought() {
        QDir::setCurrent(examples());
        windows_ = std::make_unique<DesktopWindows>();
        windows_->start(examples().toStdString());
        QVERIFY(QTest::qWaitForWindowExposed(windows_->mainWindow.get()));
        answerer_->fileAnswer = examples() + "/sessions/1-soybean.burgeon";
        QTest::mouseClick(windows_->mainWindow->button("openSessionButton"), Qt::LeftButton);
        QTRY_VERIFY(windows_->desktop.state.project.plant.nodeCount > 0);

        QTabBar* tabs = windows_->mainWindow->tabs()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        auto* shapes = windows_->toolWindow->findChild<QComboBox*>("shapeList");
        QVERIFY(shapes != nullptr && shapes->isVisible());
        QCOMPARE(shapes->currentText(), "1-soybean.burgeon");
        QCOMPARE(shapes->count(), 2);
        QCOMPARE(shapes->itemText(0), "1-soybean leaf");
        QCOMPARE(shapes->itemText(1), "1-soybean flower");
        // Choosing the session's leaf keeps the leaf it had.
        const OrganSurface leaf = windows_->desktop.state.project.leaf;
        answerer_->messages.clear();
        shapes->showPopup();
        QTest::keyClick(shapes->view(), Qt::Key_Return);
        QTRY_COMPARE(answerer_->messages, QStringList{"Leaf number 1 was selected."});
        const OrganSurface& chosen = windows_->desktop.state.project.leaf;
        QCOMPARE(chosen.pointCount, leaf.pointCount);
        QCOMPARE(chosen.points[5].x, leaf.points[5].x);

        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(5).center());
        auto* textures = windows_->toolWindow->findChild<QComboBox*>("textureList");
        QVERIFY(textures != nullptr && textures->isVisible());
        QCOMPARE(textures->currentText(), "soybean-leaf.bmp");
    }
};

} // namespace burgeon

QTEST_MAIN(burgeon::SessionWindowsTest)
#include "SessionWindowsTest.moc"
