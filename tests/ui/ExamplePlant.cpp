#include "ExamplePlant.h"

#include "base/FileIo.h"
#include "base/TextLines.h"
#include "lsystem/ExampleLSystems.h"
#include "ui/DesktopWindows.h"

#include <QDir>
#include <QPushButton>
#include <QTabWidget>

#include <cstdio>
#include <exception>

namespace burgeon {

bool showExamplePlant(DesktopWindows& windows, const QString& sessionFile) {
    AppState& state = windows.desktop.state;
    if (!sessionFile.isEmpty()) {
        if (!windows.desktop.mainWindow.sessions.open(sessionFile.toStdString())) {
            std::fprintf(stderr, "cannot open the session %s\n", qPrintable(sessionFile));
            return false;
        }
        return true;
    }
    const auto blocks = splitLSystemBlocks(splitLines(ExampleLSystemsText));
    if (blocks.empty()) {
        return false;
    }
    state.lsystemEditor.sourceEditor.setLines(blocks.front());
    windows.mainWindow->button("compileButton")->click();  // "Compile L-system"
    windows.mainWindow->button("generateButton")->click(); // "Generate Plant"
    windows.mainWindow->tabs()->setCurrentIndex(4);
    windows.mainWindow->button("animationShowButton")->click(); // "Animation Show"
    windows.mainWindow->tabs()->setCurrentIndex(1);
    try {
        state.growthPage.dataBox.setText(readFileText("growth/internode-length.txt"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return false;
    }
    windows.toolWindow->findChild<QPushButton*>("fitCurveButton")->click(); // "Fit Curve"
    return state.project.plant.nodeCount > 0;
}

QString firstExampleSession(const QString& examplesFolder) {
    const QDir sessions(examplesFolder + "/sessions");
    const QStringList files = sessions.entryList({"*.burgeon"}, QDir::Files, QDir::Name);
    return files.isEmpty() ? QString() : sessions.filePath(files.first());
}

} // namespace burgeon
