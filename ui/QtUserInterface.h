#pragma once

#include "base/UserInterface.h"

#include <QPointer>

#include <QLabel>
#include <QWidget>

namespace burgeon {

// The user-interface port with Qt: modal dialogs over the main window (the event loop keeps
// running inside them, so the view keeps animating), the busy cursor over the main window,
// the system clipboard, panel 0 of the tool window's status bar and detached processes.
class QtUserInterface : public UserInterface {
public:
    void setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
    void setStatusPanel(QLabel* panel) { statusPanel_ = panel; }

    void showMessage(const std::string& text) override;
    SaveChoice askToSaveChanges(const std::string& question) override;
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& defaultText) override;
    std::optional<std::string> openFileDialog(const std::string& initialFolder,
                                              const std::string& filter) override;
    std::optional<std::string> openPictureDialog(const std::string& filter) override;
    std::optional<std::string> saveFileDialog(const std::string& initialFolder,
                                              const std::string& filter,
                                              const std::string& suggestedName) override;
    std::optional<RgbColor> chooseColor(RgbColor initial) override;
    void setBusyCursor(bool busy) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    void setStatusText(const std::string& text) override;
    bool shellOpen(const std::string& program, const std::string& workingFolder) override;
    void runStoppable(const std::string& caption, const StoppableTask& task,
                      const std::function<void(int)>& shown) override;

private:
    QPointer<QWidget> mainWindow_;
    QPointer<QLabel> statusPanel_;
};

// A dialog filter as "description|pattern;pattern|..." pairs in the Qt form
// "description (pattern pattern);;..."; a filter without "|" is taken as it is.
QString qtFileFilter(const std::string& filter);

} // namespace burgeon
