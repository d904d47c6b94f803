#pragma once

#include "desktop/Desktop.h"
#include "ui/WidgetKit.h"

class QWidget;

namespace burgeon {

// The widgets of the tool window's pages, each built from its page model's controls and bound
// to them (one file per page). Every function returns the page's background panel.
QWidget* buildLSystemEditorPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildGrowthFunctionPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildComponentPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildParameterPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildAnimationPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildMaterialPage(Desktop& desktop, const HintWatcher& watchHint);

} // namespace burgeon
