#include "ui/DesktopApplication.h"

#include "ui/DesktopWindows.h"
#include "ui/ViewWindow.h"

#include <QApplication>
#include <QDir>

namespace burgeon {

int runDesktopApplication(int argc, char** argv) {
    setViewSurfaceFormat();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Burgeon");
    DesktopWindows windows;
    windows.start(QDir::currentPath().toStdString());
    return QApplication::exec();
}

} // namespace burgeon
