// Pictures of the desktop for people working on Burgeon (tools/screenshot.sh): starts it in the
// current folder (examples/), shows a plant (ExamplePlant), fills the pages the way a person
// would (a shape chosen, a texture opened) and saves one picture of the "Simulation" window per
// page, one of the view and one of the whole screen:
// `burgeon_screenshot OUTPUT_FOLDER [SESSION]`.
#include "ExamplePlant.h"
#include "MessageAnswerer.h"
#include "ui/DesktopWindows.h"
#include "ui/ViewWindowView.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include <array>
#include <cstdio>

namespace {

constexpr std::array<const char*, burgeon::PageCount> PictureNames = {
    "page-1-lsystem-editor", "page-2-growth-function", "page-3-component",   "page-4-parameter",
    "page-5-animation",      "page-6-material",        "page-7-text-editor", "page-8-help"};

void wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(const QWidget& window, const QString& file) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect frame = window.frameGeometry();
    const QPixmap picture =
        screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (!picture.save(file)) {
        std::fprintf(stderr, "burgeon_screenshot: cannot save %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// A shape chosen from the example library and a texture opened from a file, so that the
// Component and Material pages show their pictures.
void fillPictures(burgeon::DesktopWindows& windows, burgeon::MessageAnswerer& answerer) {
    answerer.fileAnswer = QDir::current().filePath("shapes/plant-shapes.txt");
    windows.toolWindow->findChild<QPushButton*>("openSurfaceButton")->click();
    wait(300);
    windows.desktop.state.componentPage.shapeList.choose(0);
    answerer.fileAnswer = QDir::current().filePath("leaf3.bmp");
    windows.toolWindow->findChild<QPushButton*>("textureButton")->click();
    wait(300);
    answerer.fileAnswer.clear();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: burgeon_screenshot OUTPUT_FOLDER [SESSION]\n");
        return 2;
    }
    burgeon::setViewSurfaceFormat();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Burgeon");
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString session = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!output.mkpath(".")) {
        std::fprintf(stderr, "burgeon_screenshot: cannot make %s\n", argv[1]);
        return 1;
    }

    burgeon::MessageAnswerer answerer;
    burgeon::DesktopWindows windows;
    windows.start(QDir::currentPath().toStdString());
    wait(300);
    if (!burgeon::showExamplePlant(windows, session)) {
        return 1;
    }
    fillPictures(windows, answerer);
    // Well into the plant's life, held there: the time bar pauses the clock.
    windows.desktop.state.animationPage.timeBar.setPosition(40);

    bool saved = true;
    for (int page = 0; page < burgeon::PageCount; ++page) {
        windows.mainWindow->tabs()->setCurrentIndex(page);
        wait(500);
        saved =
            save(*windows.toolWindow,
                 output.filePath(QString(PictureNames[static_cast<std::size_t>(page)]) + ".png")) &&
            saved;
    }
    windows.mainWindow->tabs()->setCurrentIndex(0);
    wait(500);
    saved = save(*windows.viewWindow, output.filePath("view.png")) && saved;
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    saved = screen.save(output.filePath("desktop.png")) && saved;
    for (const QString& message : answerer.messages) {
        std::fprintf(stderr, "message: %s\n", qPrintable(message));
    }
    return saved ? 0 : 1;
}
