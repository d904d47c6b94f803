#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace burgeon {

// Answers every modal message box that opens while it lives by pressing its OK button, and
// every input box with its pre-filled text, and every file dialog with fileAnswer (cancelled
// when it is empty); keeps the texts in order.
class MessageAnswerer : public QObject {
    Q_OBJECT
public:
    MessageAnswerer();

    QStringList messages;
    QStringList prompts;
    QString fileAnswer;

private:
    void answer();

    QTimer timer_;
};

} // namespace burgeon
