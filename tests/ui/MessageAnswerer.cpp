#include "MessageAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace burgeon {

MessageAnswerer::MessageAnswerer() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &MessageAnswerer::answer);
    timer_.start();
}

void MessageAnswerer::answer() {
    if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        if (files->isVisible()) {
            if (fileAnswer.isEmpty()) {
                files->reject();
            } else {
                files->selectFile(fileAnswer);
                static_cast<QDialog*>(files)->accept(); // runs the file dialog's own accept
            }
        }
        return;
    }
    if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
        if (input->isVisible()) {
            prompts << input->labelText();
            input->accept(); // the pre-filled text
        }
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    messages << box->text();
    box->button(QMessageBox::Ok)->click();
}

} // namespace burgeon
