#pragma once

#include "base/UserInterface.h"

#include <deque>
#include <string>
#include <vector>

namespace burgeon {

// The user-interface port for tests and the command line: keeps every message in order and
// answers dialogs from scripted queues (an empty queue answers "cancel").
class RecordingUserInterface : public UserInterface {
public:
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
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    void setStatusText(const std::string& text) override { statusText = text; }
    bool shellOpen(const std::string& program, const std::string& workingFolder) override;
    // Runs the task here and now; it is stopped once stopAfterProgress progress reports came.
    void runStoppable(const std::string& caption, const StoppableTask& task,
                      const std::function<void(int)>& shown) override;

    // What happened.
    std::vector<std::string> messages;
    std::string statusText;
    std::string clipboard;
    bool busy = false;
    int busyCursorShown = 0;
    std::vector<std::string> shellOpened;
    std::vector<std::string> inputPrompts;
    std::vector<std::string> questions;

    // Scripted answers; std::nullopt in a queue answers "cancel" for that one call.
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<SaveChoice> saveChoices; // an empty queue cancels
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<std::string>> pictureAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<std::string> dialogFilters; // of every file dialog, in order
    std::deque<std::optional<RgbColor>> colorAnswers;
    bool shellOpenSucceeds = true;
    int stopAfterProgress = -1; // never
    std::vector<std::string> stoppableCaptions;

    // Messages shown since the last call, then forgets them.
    std::vector<std::string> takeMessages();
};

} // namespace burgeon
