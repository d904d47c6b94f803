#pragma once

#include "app/Desktop.h"

#include <functional>

class QWidget;

namespace burgeon {

// Registers a widget whose mouse moves show the hint of the named control.
using HintWatcher = std::function<void(QWidget*, const char*)>;

// The widgets of the tool window's pages, each built from its page model's controls and bound
// to them. Every function returns the page's background panel.
QWidget* buildLSystemEditorPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildGrowthFunctionPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildComponentPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildParameterPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildAnimationPage(Desktop& desktop, const HintWatcher& watchHint);
QWidget* buildMaterialPage(Desktop& desktop, const HintWatcher& watchHint);

} // namespace burgeon
