#include "ui/DesktopApplication.h"

#include <QApplication>
#include <QLabel>

namespace burgeon {

int runDesktopApplication(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window("Simulation and Visualization of Plant Shoots Growth");
    window.show();
    return QApplication::exec();
}

} // namespace burgeon
