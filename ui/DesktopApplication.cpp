#include "ui/DesktopApplication.h"

#include "ui/DesktopWindows.h"
#include "ui/PlantPanel.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <string>

namespace burgeon {

int runDesktopApplication(int argc, char** argv) {
    setViewSurfaceFormat();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Burgeon");
    DesktopWindows windows;
    windows.start(QDir::currentPath().toStdString());
    // "burgeon PLANT.burgeon": the session opens once the windows are up.
    if (argc > 1) {
        const std::string session = argv[1];
        QTimer::singleShot(
            0, [&windows, session] { windows.desktop.mainWindow.sessions.open(session); });
    }
    return QApplication::exec();
}

} // namespace burgeon
