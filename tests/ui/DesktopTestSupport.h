#pragma once

// What the Qt tests of the desktop share: a desktop started in a temporary folder that holds a
// small example file and manual, and widgets found by their object names.

#include "base/OutputFiles.h"
#include "ui/DesktopWindows.h"

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace burgeon::testing {

inline const char* const SmallExampleText = "Plant{\n     Iterations=1\n     Axiom=I\n}\n";

// Writes the start folder's files and starts the desktop there; false when a window did not
// come up.
inline bool startDesktopIn(const QTemporaryDir& folder, std::unique_ptr<DesktopWindows>& windows) {
    writeFileAtomically(folder.filePath("LsysExam.Lsys").toStdString(), SmallExampleText);
    writeFileAtomically(folder.filePath("Manual.hlp").toStdString(), "Burgeon manual\n");
    windows = std::make_unique<DesktopWindows>();
    windows->start(folder.path().toStdString());
    return QTest::qWaitForWindowExposed(windows->mainWindow.get()) &&
           QTest::qWaitForWindowExposed(windows->toolWindow.get()) &&
           QTest::qWaitForWindowExposed(windows->viewWindow.get());
}

template <typename Widget> Widget* findWidget(const QWidget* window, const char* name) {
    auto* widget = window->findChild<Widget*>(name);
    if (widget == nullptr) {
        qFatal("no widget %s", name);
    }
    return widget;
}

// Chooses a tab of the main window with the mouse, as a person does.
inline void clickTab(DesktopWindows& windows, int index) {
    QTabBar* tabBar = windows.mainWindow->tabs()->tabBar();
    QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(index).center());
}

inline QString statusText(const DesktopWindows& windows) {
    return windows.toolWindow->statusPanel(0)->text();
}

} // namespace burgeon::testing
