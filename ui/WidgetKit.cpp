#include "ui/WidgetKit.h"

#include "base/HandlerGuard.h"
#include "ui/Bindings.h"
#include "ui/ToolWindowView.h"

#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace burgeon {

QWidget* panel(const char* objectName, const HintWatcher& watchHint) {
    auto* widget = new QWidget;
    widget->setObjectName(objectName);
    watchHint(widget, objectName);
    return widget;
}

QLabel* label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLabel* captionLabel(ControlModel& model, QWidget* parent) {
    auto* widget = new QLabel(parent);
    bindCaption(widget, model);
    return widget;
}

QPushButton* button(const char* objectName, ControlModel& model, UserInterface& ui,
                    const std::function<void()>& handler, QWidget* parent) {
    auto* widget = new QPushButton(parent);
    widget->setObjectName(objectName);
    bindButton(widget, model, ui, handler);
    return widget;
}

QPushButton* plainButton(const char* objectName, const QString& text, UserInterface& ui,
                         const std::function<void()>& handler, QWidget* parent) {
    auto* widget = new QPushButton(text, parent);
    widget->setObjectName(objectName);
    QObject::connect(widget, &QPushButton::clicked, widget,
                     [&ui, handler] { runHandler(ui, handler); });
    return widget;
}

QSlider* slider(const char* objectName, RangeControl& model, UserInterface& ui, int ticks,
                QWidget* parent) {
    auto* widget = new QSlider(Qt::Horizontal, parent);
    widget->setObjectName(objectName);
    widget->setTickPosition(QSlider::TicksBelow);
    widget->setTickInterval(ticks);
    bindSlider(widget, model, ui);
    return widget;
}

QSpinBox* spin(const char* objectName, RangeControl& model, UserInterface& ui, QWidget* parent) {
    auto* widget = new QSpinBox(parent);
    widget->setObjectName(objectName);
    bindSpin(widget, model, ui);
    return widget;
}

QSpinBox* arrowSpin(const char* objectName, RangeControl& model, UserInterface& ui,
                    QWidget* parent) {
    auto* widget = spin(objectName, model, ui, parent);
    widget->findChild<QLineEdit*>()->setReadOnly(true);
    return widget;
}

QComboBox* choiceBox(const char* objectName, ChoiceControl& model, UserInterface& ui,
                     QWidget* parent) {
    auto* widget = new QComboBox(parent);
    widget->setObjectName(objectName);
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    bindChoice(widget, model, ui);
    return widget;
}

QProgressBar* progress(const char* objectName, RangeControl& model, QWidget* parent) {
    auto* widget = new QProgressBar(parent);
    widget->setObjectName(objectName);
    QPointer<QProgressBar> guarded(widget);
    auto refresh = [guarded, &model] {
        if (guarded) {
            guarded->setRange(model.minimum(), model.maximum());
            guarded->setValue(model.position());
        }
    };
    model.views.subscribe(refresh);
    refresh();
    return widget;
}

QPlainTextEdit* textBox(const char* objectName, TextControl& model, UserInterface& ui,
                        bool readOnly, QWidget* parent) {
    auto* widget = new QPlainTextEdit(parent);
    widget->setObjectName(objectName);
    widget->setFont(editorFont());
    widget->setLineWrapMode(QPlainTextEdit::NoWrap);
    widget->setReadOnly(readOnly);
    bindText(widget, model, ui);
    return widget;
}

QLineEdit* lineEdit(const char* objectName, TextControl& model, UserInterface& ui,
                    QWidget* parent) {
    auto* widget = new QLineEdit(parent);
    widget->setObjectName(objectName);
    bindText(widget, model, ui);
    return widget;
}

// A radio button of a group whose model keeps the others unchecked: a click chooses it.
QRadioButton* radio(const char* objectName, CheckControl& model, UserInterface& ui,
                    const std::function<void()>& choose, QWidget* parent) {
    auto* widget = new QRadioButton(parent);
    widget->setObjectName(objectName);
    widget->setAutoExclusive(false);
    QPointer<QRadioButton> guarded(widget);
    auto refresh = [guarded, &model] {
        if (guarded) {
            const QSignalBlocker blocker(guarded.data());
            guarded->setText(toQString(model.caption()));
            guarded->setChecked(model.checked());
            guarded->setVisible(model.visible());
        }
    };
    model.views.subscribe(refresh);
    refresh();
    QObject::connect(widget, &QRadioButton::clicked, widget, [guarded, &ui, choose, refresh] {
        runHandler(ui, choose);
        refresh(); // a click never unchecks a radio button by itself
    });
    return widget;
}

QLabel* picture(const char* objectName, QWidget* parent) {
    auto* widget = new QLabel(parent);
    widget->setObjectName(objectName);
    widget->setFrameShape(QFrame::Box);
    widget->setAlignment(Qt::AlignCenter);
    return widget;
}

QLabel* picture(const char* objectName, int width, int height, QWidget* parent) {
    auto* widget = picture(objectName, parent);
    widget->setFixedSize(width + 2 * widget->frameWidth(), height + 2 * widget->frameWidth());
    return widget;
}

ColorSwatch::ColorSwatch(ColorPanel& model, UserInterface& ui, std::function<void()> click,
                         QWidget* parent)
    : QLabel(parent), ui_(ui), click_(std::move(click)) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setMinimumSize(24, 16);
    QPointer<QLabel> guarded(this);
    auto refresh = [guarded, &model] {
        if (guarded) {
            QPalette palette = guarded->palette();
            palette.setColor(QPalette::Window,
                             QColor(model.color.red, model.color.green, model.color.blue));
            guarded->setPalette(palette);
            guarded->setText(toQString(model.caption()));
        }
    };
    model.views.subscribe(refresh);
    refresh();
}

void ColorSwatch::mousePressEvent(QMouseEvent*) {
    if (click_) {
        runHandler(ui_, click_);
    }
}

// Up and down arrows beside an edit box.
QWidget* arrows(const char* objectName, UserInterface& ui, std::function<void(bool up)> click,
                QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setObjectName(objectName);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto* arrow = new QToolButton(box);
        arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(16, 11);
        QObject::connect(arrow, &QToolButton::clicked, arrow,
                         [&ui, click, up] { runHandler(ui, [&] { click(up); }); });
        layout->addWidget(arrow);
    }
    return box;
}

} // namespace burgeon
