#include "ui/Bindings.h"

#include "base/HandlerGuard.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextCursor>

namespace burgeon {

namespace {

// Subscribes a refresh that stops once the widget is gone.
template <typename Widget, typename Refresh>
void follow(Widget* widget, Observers& views, Refresh refresh) {
    QPointer<Widget> guarded(widget);
    views.subscribe([guarded, refresh] {
        if (guarded) {
            const QSignalBlocker blocker(guarded.data());
            refresh(guarded.data());
        }
    });
    const QSignalBlocker blocker(widget);
    refresh(widget);
}

} // namespace

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString& text) {
    return text.toStdString();
}

void bindVisible(QWidget* widget, ControlModel& model) {
    follow(widget, model.views, [&model](QWidget* w) { w->setVisible(model.visible()); });
}

void bindCaption(QAbstractButton* button, ControlModel& model) {
    follow(button, model.views, [&model](QAbstractButton* b) {
        b->setText(toQString(model.caption()));
        b->setVisible(model.visible());
    });
}

void bindCaption(QLabel* label, ControlModel& model) {
    follow(label, model.views, [&model](QLabel* l) {
        l->setText(toQString(model.caption()));
        l->setVisible(model.visible());
    });
}

void bindButton(QAbstractButton* button, ControlModel& model, UserInterface& ui,
                const std::function<void()>& handler) {
    bindCaption(button, model);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [&ui, handler] { runHandler(ui, handler); });
}

void bindSlider(QAbstractSlider* slider, RangeControl& model, UserInterface& ui) {
    follow(slider, model.views, [&model](QAbstractSlider* s) {
        s->setRange(model.minimum(), model.maximum());
        s->setValue(model.position());
        s->setVisible(model.visible());
    });
    QObject::connect(slider, &QAbstractSlider::valueChanged, slider, [&model, &ui](int value) {
        runHandler(ui, [&] { model.setPosition(value); });
    });
}

void bindSpin(QSpinBox* spin, RangeControl& model, UserInterface& ui) {
    follow(spin, model.views, [&model](QSpinBox* s) {
        s->setRange(model.minimum(), model.maximum());
        s->setValue(model.position());
        s->setVisible(model.visible());
    });
    QObject::connect(spin, &QSpinBox::valueChanged, spin, [&model, &ui](int value) {
        runHandler(ui, [&] { model.setPosition(value); });
    });
}

void bindText(QLineEdit* edit, TextControl& model, UserInterface& ui) {
    follow(edit, model.views, [&model](QLineEdit* e) {
        const QString text = toQString(model.text());
        if (e->text() != text) {
            e->setText(text);
        }
        e->setVisible(model.visible());
    });
    QObject::connect(edit, &QLineEdit::textEdited, edit, [&model, &ui](const QString& text) {
        runHandler(ui, [&] { model.setText(fromQString(text)); });
    });
}

void bindText(QPlainTextEdit* edit, TextControl& model, UserInterface& ui) {
    follow(edit, model.views, [&model](QPlainTextEdit* e) {
        const QString text = toQString(model.text());
        // Setting the same text again would move the caret to the start while the user types.
        if (e->toPlainText() != text) {
            e->setPlainText(text);
        }
        const RgbColor color = model.textColor();
        QPalette palette = e->palette();
        palette.setColor(QPalette::Text, QColor(color.red, color.green, color.blue));
        e->setPalette(palette);
        e->setVisible(model.visible());
    });
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, &model, &ui] {
        runHandler(ui, [&] { model.setText(fromQString(edit->toPlainText())); });
    });
}

void bindCheck(QAbstractButton* check, CheckControl& model, UserInterface& ui) {
    follow(check, model.views, [&model](QAbstractButton* c) {
        c->setText(toQString(model.caption()));
        c->setChecked(model.checked());
        c->setVisible(model.visible());
    });
    QObject::connect(check, &QAbstractButton::toggled, check, [&model, &ui](bool checked) {
        runHandler(ui, [&] { model.setChecked(checked); });
    });
}

void bindChoice(QComboBox* combo, ChoiceControl& model, UserInterface& ui) {
    follow(combo, model.views, [&model](QComboBox* c) {
        QStringList items;
        for (const auto& item : model.items()) {
            items << toQString(item);
        }
        bool same = c->count() == items.size();
        for (int i = 0; same && i < c->count(); ++i) {
            same = c->itemText(i) == items[i];
        }
        if (!same) {
            c->clear();
            c->addItems(items);
        }
        c->setCurrentIndex(model.itemIndex());
        if (c->isEditable()) {
            c->setEditText(toQString(model.text()));
        }
        c->setVisible(model.visible());
    });
    QObject::connect(combo, &QComboBox::activated, combo,
                     [&model, &ui](int index) { runHandler(ui, [&] { model.choose(index); }); });
    if (combo->isEditable()) {
        QObject::connect(
            combo, &QComboBox::editTextChanged, combo, [combo, &model, &ui](const QString& text) {
                if (combo->currentIndex() >= 0 && combo->itemText(combo->currentIndex()) == text) {
                    return; // the chosen item's text, already in the model
                }
                runHandler(ui, [&] { model.typeText(fromQString(text)); });
            });
    }
}

void bindImage(QLabel* label, const RgbImage& image, Observers& changes) {
    follow(label, changes, [&image](QLabel* l) {
        if (image.empty()) {
            l->clear();
            return;
        }
        const QImage picture(image.bytes().data(), image.width(), image.height(), image.width() * 3,
                             QImage::Format_RGB888);
        l->setPixmap(QPixmap::fromImage(picture.copy()));
    });
}

} // namespace burgeon
