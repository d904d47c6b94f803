#include "base/RecordingUserInterface.h"

#include <utility>

namespace burgeon {

namespace {

template <typename T> std::optional<T> nextAnswer(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<T> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

void RecordingUserInterface::showMessage(const std::string& text) {
    messages.push_back(text);
}

SaveChoice RecordingUserInterface::askToSaveChanges(const std::string& question) {
    questions.push_back(question);
    if (saveChoices.empty()) {
        return SaveChoice::Cancel;
    }
    const SaveChoice choice = saveChoices.front();
    saveChoices.pop_front();
    return choice;
}

std::optional<std::string> RecordingUserInterface::inputBox(const std::string& caption,
                                                            const std::string& prompt,
                                                            const std::string&) {
    inputPrompts.push_back(caption + ": " + prompt);
    return nextAnswer(inputAnswers);
}

std::optional<std::string> RecordingUserInterface::openFileDialog(const std::string&,
                                                                  const std::string& filter) {
    dialogFilters.push_back(filter);
    return nextAnswer(fileAnswers);
}

std::optional<std::string> RecordingUserInterface::openPictureDialog(const std::string& filter) {
    dialogFilters.push_back(filter);
    return nextAnswer(pictureAnswers);
}

std::optional<std::string> RecordingUserInterface::saveFileDialog(const std::string&,
                                                                  const std::string& filter,
                                                                  const std::string&) {
    dialogFilters.push_back(filter);
    return nextAnswer(saveAnswers);
}

std::optional<RgbColor> RecordingUserInterface::chooseColor(RgbColor) {
    return nextAnswer(colorAnswers);
}

void RecordingUserInterface::setBusyCursor(bool isBusy) {
    if (isBusy && !busy) {
        ++busyCursorShown;
    }
    busy = isBusy;
}

bool RecordingUserInterface::shellOpen(const std::string& program, const std::string&) {
    shellOpened.push_back(program);
    return shellOpenSucceeds;
}

std::vector<std::string> RecordingUserInterface::takeMessages() {
    return std::exchange(messages, {});
}

void RecordingUserInterface::runStoppable(const std::string& caption, const StoppableTask& task,
                                          const std::function<void(int)>& shown) {
    stoppableCaptions.push_back(caption);
    int reports = 0;
    task(
        [&](int percent) {
            ++reports;
            if (shown) {
                shown(percent);
            }
        },
        [&] { return stopAfterProgress >= 0 && reports >= stopAfterProgress; });
}

} // namespace burgeon
