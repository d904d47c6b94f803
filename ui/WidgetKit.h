#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "pages/MaterialPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTextCursor>

#include <cstddef>
#include <functional>

namespace burgeon {

// Registers a widget whose mouse moves show the hint of the named control.
using HintWatcher = std::function<void(QWidget*, const char*)>;

// The widgets every page view is built from, each made with its object name and bound to its
// control model.

// A page's background panel, watched for its hint.
QWidget* panel(const char* objectName, const HintWatcher& watchHint);
QLabel* label(const QString& text, QWidget* parent);
// A label that shows its model's caption.
QLabel* captionLabel(ControlModel& model, QWidget* parent);
QPushButton* button(const char* objectName, ControlModel& model, UserInterface& ui,
                    const std::function<void()>& handler, QWidget* parent);
QPushButton* plainButton(const char* objectName, const QString& text, UserInterface& ui,
                         const std::function<void()>& handler, QWidget* parent);
QSlider* slider(const char* objectName, RangeControl& model, UserInterface& ui, int ticks,
                QWidget* parent);
QSpinBox* spin(const char* objectName, RangeControl& model, UserInterface& ui, QWidget* parent);
// A spin box whose value only its arrows (or the arrow keys and the wheel) change.
QSpinBox* arrowSpin(const char* objectName, RangeControl& model, UserInterface& ui,
                    QWidget* parent);
// An editable drop-down list: a text typed and confirmed with Return never becomes an item.
QComboBox* choiceBox(const char* objectName, ChoiceControl& model, UserInterface& ui,
                     QWidget* parent);
QProgressBar* progress(const char* objectName, RangeControl& model, QWidget* parent);
QPlainTextEdit* textBox(const char* objectName, TextControl& model, UserInterface& ui,
                        bool readOnly, QWidget* parent);
QLineEdit* lineEdit(const char* objectName, TextControl& model, UserInterface& ui, QWidget* parent);
// A radio button of a group whose model keeps the others unchecked: a click chooses it.
QRadioButton* radio(const char* objectName, CheckControl& model, UserInterface& ui,
                    const std::function<void()>& choose, QWidget* parent);
QLabel* picture(const char* objectName, QWidget* parent);
// A framed picture box of a fixed size, for an image of width x height pixels.
QLabel* picture(const char* objectName, int width, int height, QWidget* parent);
// Up and down arrows beside an edit box.
QWidget* arrows(const char* objectName, UserInterface& ui, std::function<void(bool up)> click,
                QWidget* parent);

// A colour swatch that follows its panel model; a click runs the handler.
class ColorSwatch : public QLabel {
public:
    ColorSwatch(ColorPanel& model, UserInterface& ui, std::function<void()> click, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent*) override;

private:
    UserInterface& ui_;
    std::function<void()> click_;
};

// Keeps an editor's selection in its model (byte offsets of the UTF-8 text).
template <typename Select> void followSelection(QPlainTextEdit* editor, Select select) {
    auto keep = [editor, select] {
        const QTextCursor cursor = editor->textCursor();
        const QString text = editor->toPlainText();
        const auto start =
            static_cast<std::size_t>(text.left(cursor.selectionStart()).toUtf8().size());
        const auto end = static_cast<std::size_t>(text.left(cursor.selectionEnd()).toUtf8().size());
        select(start, end - start);
    };
    QObject::connect(editor, &QPlainTextEdit::selectionChanged, editor, keep);
    QObject::connect(editor, &QPlainTextEdit::cursorPositionChanged, editor, keep);
}

} // namespace burgeon
