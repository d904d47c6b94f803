#include "MessageAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace burgeon {

MessageAnswerer::MessageAnswerer() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &MessageAnswerer::answer);
    timer_.start();
}

void MessageAnswerer::answerInput(QInputDialog* input) {
    if (cancelInput) {
        for (auto* button : input->findChildren<QPushButton*>()) {
            if (button->text().remove('&') == "Cancel") {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        qFatal("the input box has no Cancel button");
    }
    auto* line = input->findChild<QLineEdit*>();
    if (!inputAnswer.isEmpty()) {
        line->selectAll();
        QTest::keyClicks(line, inputAnswer);
    }
    QTest::keyClick(line, Qt::Key_Return);
}

void MessageAnswerer::answer() {
    auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (files == nullptr) {
        fileDialogOpen_.invalidate();
    } else if (!fileDialogOpen_.isValid()) {
        fileDialogOpen_.start();
    }
    if (files != nullptr) {
        if (files->isVisible() && fileDialogOpen_.elapsed() >= fileDialogWait) {
            if (fileAnswer.isEmpty()) {
                files->reject();
            } else {
                files->selectFile(fileAnswer);
                // The name typed in full: the dialog may still be changing to the answer's
                // folder on a busy machine, and it takes a typed absolute path as it stands.
                if (auto* name = files->findChild<QLineEdit*>("fileNameEdit")) {
                    name->setText(fileAnswer);
                }
                static_cast<QDialog*>(files)->accept(); // runs the file dialog's own accept
            }
        }
        return;
    }
    if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
        if (input->isVisible()) {
            prompts << input->labelText();
            answerInput(input);
        }
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    if (box->button(QMessageBox::Save) != nullptr) {
        questions << box->text();
        QTest::mouseClick(box->button(questionAnswer), Qt::LeftButton);
        return;
    }
    messages << box->text();
    box->button(QMessageBox::Ok)->click();
}

} // namespace burgeon
