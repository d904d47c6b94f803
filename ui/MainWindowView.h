#pragma once

#include "desktop/MainWindowModel.h"

#include <QTimer>
#include <QWidget>

class QPushButton;
class QTabWidget;

namespace burgeon {

// The main window: the strip across the top of the screen with the eight tabs and the workflow
// buttons.
class MainWindowView : public QWidget {
    Q_OBJECT
public:
    MainWindowView(MainWindowModel& model, UserInterface& ui);
    ~MainWindowView() override;

    QTabWidget* tabs() const { return tabs_; }
    QPushButton* button(const QString& objectName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyGeometry();
    QWidget* makeSessionButtons();

    MainWindowModel& model_;
    UserInterface& ui_;
    QTabWidget* tabs_ = nullptr;
    // Looks whether the plant has unsaved changes a moment after the person's input.
    QTimer changesLook_;
    static constexpr int ChangesLookDelay = 100; // ms
};

} // namespace burgeon
