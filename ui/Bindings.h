#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "imageio/RgbImage.h"

#include <QString>

#include <functional>
#include <string>

class QAbstractButton;
class QAbstractSlider;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QWidget;

namespace burgeon {

// Thin bindings between a widget and its control model: the widget shows the model (with its
// signals blocked, so a change the model makes never runs a handler twice) and forwards the
// user's change to the model under the handler guard.

QString toQString(const std::string& text);
std::string fromQString(const QString& text);

void bindVisible(QWidget* widget, ControlModel& model);
void bindCaption(QAbstractButton* button, ControlModel& model);
void bindCaption(QLabel* label, ControlModel& model);
// A button whose click runs the handler.
void bindButton(QAbstractButton* button, ControlModel& model, UserInterface& ui,
                const std::function<void()>& handler);
void bindSlider(QAbstractSlider* slider, RangeControl& model, UserInterface& ui);
void bindSpin(QSpinBox* spin, RangeControl& model, UserInterface& ui);
void bindText(QLineEdit* edit, TextControl& model, UserInterface& ui);
void bindText(QPlainTextEdit* edit, TextControl& model, UserInterface& ui);
void bindCheck(QAbstractButton* check, CheckControl& model, UserInterface& ui);
void bindChoice(QComboBox* combo, ChoiceControl& model, UserInterface& ui);
// A picture box: shows the image whenever its observers are notified.
void bindImage(QLabel* label, const RgbImage& image, Observers& changes);

} // namespace burgeon
