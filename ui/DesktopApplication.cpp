#include "ui/DesktopApplication.h"

#include "base/DataFolder.h"
#include "desktop/StartSession.h"
#include "ui/DesktopWindows.h"
#include "ui/PlantPanel.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <string>
#include <vector>

namespace burgeon {

int runDesktopApplication(int argc, char** argv) {
    setViewSurfaceFormat();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Burgeon");
    // The desktop entry's name, so that the windows carry its icon on Wayland.
    QGuiApplication::setDesktopFileName(BURGEON_APP_ID);
    DesktopWindows windows;
    windows.start(QDir::currentPath().toStdString());
    // "burgeon PLANT.burgeon" (or the gallery's first plant): the session opens once the
    // windows are up.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (const auto session = sessionToOpenAtStart(arguments, installedDataFolder())) {
        QTimer::singleShot(
            0, [&windows, path = *session] { windows.desktop.mainWindow.sessions.open(path); });
    }
    return QApplication::exec();
}

} // namespace burgeon
