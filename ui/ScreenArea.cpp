#include "ui/ScreenArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace burgeon {

ScreenArea screenArea(const QWidget* widget) {
    QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return ScreenArea{};
    }
    const QRect area = screen->availableGeometry();
    return ScreenArea{area.left(), area.top(), area.width(), area.height()};
}

} // namespace burgeon
