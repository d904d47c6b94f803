#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QInputDialog;

namespace burgeon {

// Answers every modal dialog that opens while it lives, the way a person would: presses a
// message box's OK button, or the questionAnswer button of a box that asks to save changes, types
// inputAnswer into an input box and presses Return (the pre-filled text when inputAnswer is empty)
// or clicks its Cancel button when cancelInput is set, and answers every file dialog with
// fileAnswer (cancelled when it is empty), after fileDialogWait. Keeps the texts of the message
// boxes, questions and input boxes in order.
class MessageAnswerer : public QObject {
    Q_OBJECT
public:
    MessageAnswerer();

    QStringList messages;
    QStringList questions;
    QMessageBox::StandardButton questionAnswer = QMessageBox::Cancel;
    QStringList prompts;
    QString fileAnswer;
    int fileDialogWait = 0; // milliseconds a file dialog stays open before it is answered
    QString inputAnswer;
    bool cancelInput = false;

private:
    void answer();
    void answerInput(QInputDialog* input);

    QTimer timer_;
    QElapsedTimer fileDialogOpen_; // since the file dialog being answered opened
};

} // namespace burgeon
