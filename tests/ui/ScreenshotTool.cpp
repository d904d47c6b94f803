// Starts the desktop in the current folder (examples/), grows the first example L-system with
// a curve fitted to example growth data, lets the view draw for a while and saves a picture of
// the whole screen: `burgeon_screenshot OUTPUT.png [MILLISECONDS [TAB]]`, TAB being the main
// window's tab shown at the end (1, "Growth Function", by default).
#include "MessageAnswerer.h"
#include "base/FileIo.h"
#include "base/TextLines.h"
#include "lsystem/ExampleLSystems.h"
#include "ui/DesktopWindows.h"
#include "ui/ViewWindow.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

// The workflow a newcomer follows: an example block into the editor, "Compile L-system",
// "Generate Plant", "Animation Show", then a fit on the Growth Function page.
void growFirstExample(burgeon::DesktopWindows& windows) {
    burgeon::AppState& state = windows.desktop.state;
    const auto blocks =
        burgeon::splitLSystemBlocks(burgeon::splitLines(burgeon::exampleLSystemsText));
    if (!blocks.empty()) {
        state.lsystemEditor.sourceEditor.setLines(blocks.front());
    }
    windows.mainWindow->button("compileButton")->click();  // "Compile L-system"
    windows.mainWindow->button("generateButton")->click(); // "Generate Plant"
    windows.mainWindow->tabs()->setCurrentIndex(4);
    windows.mainWindow->button("animationShowButton")->click(); // "Animation Show"
    windows.mainWindow->tabs()->setCurrentIndex(1);
    try {
        state.growthPage.dataBox.setText(burgeon::readFileText("growth/internode-length.txt"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "burgeon_screenshot: %s\n", error.what());
    }
    windows.toolWindow->findChild<QPushButton*>("fitCurveButton")->click(); // "Fit Curve"
    state.project.animation.currentTime = 40.0; // well into the plant's life
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: burgeon_screenshot OUTPUT.png [MILLISECONDS [TAB]]\n");
        return 2;
    }
    burgeon::setViewSurfaceFormat();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Burgeon");
    const QString output = QString::fromLocal8Bit(argv[1]);
    const int wait = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3000;
    const int tab = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1;

    burgeon::MessageAnswerer answerer;
    burgeon::DesktopWindows windows;
    windows.start(QDir::currentPath().toStdString());
    QTimer::singleShot(200, [&windows] { growFirstExample(windows); });

    int status = 1;
    QTimer::singleShot(wait / 2,
                       [&windows, tab] { windows.mainWindow->tabs()->setCurrentIndex(tab); });
    QTimer::singleShot(wait, [&] {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr && screen->grabWindow(0).save(output)) {
            status = 0;
        } else {
            std::fprintf(stderr, "burgeon_screenshot: cannot save %s\n", argv[1]);
        }
        for (const QString& message : answerer.messages) {
            std::fprintf(stderr, "message: %s\n", message.toLocal8Bit().constData());
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
