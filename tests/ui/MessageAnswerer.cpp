#include "MessageAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace burgeon {

MessageAnswerer::MessageAnswerer() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &MessageAnswerer::answer);
    timer_.start();
}

void MessageAnswerer::answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    messages << box->text();
    box->button(QMessageBox::Ok)->click();
}

} // namespace burgeon
