#pragma once

#include "desktop/WindowPlacement.h"

class QWidget;

namespace burgeon {

// The usable area of the screen the widget is on (or of the primary screen).
ScreenArea screenArea(const QWidget* widget = nullptr);

} // namespace burgeon
