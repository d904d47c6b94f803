// Starts the desktop in the current folder, lets the view draw for a while and saves a picture
// of the whole screen: `burgeon_screenshot OUTPUT.png [MILLISECONDS]`.
#include "ui/DesktopWindows.h"
#include "ui/ViewWindow.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: burgeon_screenshot OUTPUT.png [MILLISECONDS]\n");
        return 2;
    }
    burgeon::setViewSurfaceFormat();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Burgeon");
    const QString output = QString::fromLocal8Bit(argv[1]);
    const int wait = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3000;

    burgeon::DesktopWindows windows;
    windows.start(QDir::currentPath().toStdString());

    int status = 1;
    QTimer::singleShot(wait, [&] {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr && screen->grabWindow(0).save(output)) {
            status = 0;
        } else {
            std::fprintf(stderr, "burgeon_screenshot: cannot save %s\n", argv[1]);
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
