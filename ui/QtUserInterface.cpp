#include "ui/QtUserInterface.h"

#include "ui/Bindings.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <exception>
#include <thread>

namespace burgeon {

QString qtFileFilter(const std::string& filter) {
    QString text = toQString(filter);
    if (!text.contains('|')) {
        return text;
    }
    const QStringList parts = text.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        QString description = parts[i];
        // A description that already names its patterns keeps them shown once.
        if (!description.contains('(')) {
            description += " (" + patterns + ")";
        } else {
            description =
                description.left(description.indexOf('(')).trimmed() + " (" + patterns + ")";
        }
        filters << description;
    }
    return filters.join(";;");
}

void QtUserInterface::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), toQString(text),
                    QMessageBox::Ok, mainWindow_);
    box.exec();
}

SaveChoice QtUserInterface::askToSaveChanges(const std::string& question) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), toQString(question),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, mainWindow_);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

std::optional<std::string> QtUserInterface::inputBox(const std::string& caption,
                                                     const std::string& prompt,
                                                     const std::string& defaultText) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(mainWindow_, toQString(caption), toQString(prompt), QLineEdit::Normal,
                              toQString(defaultText), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return fromQString(answer);
}

std::optional<std::string> QtUserInterface::openFileDialog(const std::string& initialFolder,
                                                           const std::string& filter) {
    const QString file = QFileDialog::getOpenFileName(
        mainWindow_, QString(), toQString(initialFolder), qtFileFilter(filter));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return fromQString(file);
}

std::optional<std::string> QtUserInterface::saveFileDialog(const std::string& initialFolder,
                                                           const std::string& filter,
                                                           const std::string& suggestedName) {
    const QString start = QDir(toQString(initialFolder)).filePath(toQString(suggestedName));
    const QString file =
        QFileDialog::getSaveFileName(mainWindow_, QString(), start, qtFileFilter(filter));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return fromQString(file);
}

std::optional<std::string> QtUserInterface::openPictureDialog(const std::string& filter) {
    return openFileDialog(".", filter);
}

std::optional<RgbColor> QtUserInterface::chooseColor(RgbColor initial) {
    const QColor color =
        QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue), mainWindow_);
    if (!color.isValid()) {
        return std::nullopt;
    }
    return RgbColor{color.red(), color.green(), color.blue()};
}

void QtUserInterface::setBusyCursor(bool busy) {
    if (!mainWindow_) {
        return;
    }
    if (busy) {
        mainWindow_->setCursor(Qt::WaitCursor);
    } else {
        mainWindow_->unsetCursor();
    }
}

std::string QtUserInterface::clipboardText() {
    return fromQString(QApplication::clipboard()->text());
}

void QtUserInterface::setClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(toQString(text));
}

void QtUserInterface::setStatusText(const std::string& text) {
    if (statusPanel_) {
        statusPanel_->setText(toQString(text));
        // A long action runs on this thread: its progress shows before the event loop runs
        // again.
        statusPanel_->repaint();
    }
}

bool QtUserInterface::shellOpen(const std::string& program, const std::string& workingFolder) {
    return QProcess::startDetached(toQString(program), {}, toQString(workingFolder));
}

void QtUserInterface::runStoppable(const std::string& caption, const StoppableTask& task,
                                   const std::function<void(int)>& shown) {
    std::atomic<int> progress{-1};
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            task([&](int percent) { progress = percent; }, [&] { return stop.load(); });
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
    });
    // The event loop runs while the task does, so the view keeps drawing; the dialog appears
    // only when the task takes longer than half a second.
    QProgressDialog dialog(toQString(caption), QStringLiteral("Stop"), 0, 100, mainWindow_);
    dialog.setObjectName("stoppableProgress");
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(500);
    dialog.setAutoReset(false);
    dialog.setValue(0);
    int lastShown = -1;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const int percent = progress;
        if (percent != lastShown && percent >= 0) {
            lastShown = percent;
            dialog.setValue(percent);
            if (shown) {
                shown(percent);
            }
        }
        if (dialog.wasCanceled()) {
            stop = true;
        }
        if (done) {
            loop.quit();
        }
    });
    poll.start(20);
    loop.exec();
    worker.join();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace burgeon
