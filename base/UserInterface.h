#pragma once

#include <functional>
#include <optional>
#include <string>

namespace burgeon {

struct RgbColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// The answers to a question about unsaved changes.
enum class SaveChoice { Save, Discard, Cancel };

// Work that may take long and that the person may stop: it is handed a way to report its
// progress in percent and to ask whether it should stop, both safe to call from any thread.
using StoppableTask = std::function<void(const std::function<void(int)>& progress,
                                         const std::function<bool()>& stopRequested)>;

// The one port between the handlers and the person: every dialog, cursor change, clipboard
// transfer and status text goes through it. The desktop implements it with Qt; tests and the
// command line use RecordingUserInterface.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A modal message box with one OK button.
    virtual void showMessage(const std::string& text) = 0;

    // A modal question whether to save changes before they are lost: "Save", "Discard" or
    // "Cancel".
    virtual SaveChoice askToSaveChanges(const std::string& question) = 0;

    // An input box pre-filled with the default text; nothing when the user cancels.
    virtual std::optional<std::string> inputBox(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& defaultText) = 0;

    // File-open dialogs; nothing when the user cancels.
    virtual std::optional<std::string> openFileDialog(const std::string& initialFolder,
                                                      const std::string& filter) = 0;
    virtual std::optional<std::string> openPictureDialog(const std::string& filter) = 0;
    // A file-save dialog, starting with the suggested name; nothing when the user cancels.
    virtual std::optional<std::string> saveFileDialog(const std::string& initialFolder,
                                                      const std::string& filter,
                                                      const std::string& suggestedName) = 0;

    // The colour dialog, starting at the given colour; nothing when the user cancels.
    virtual std::optional<RgbColor> chooseColor(RgbColor initial) = 0;

    // The busy cursor over the main window.
    virtual void setBusyCursor(bool busy) = 0;

    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Panel 0 of the tool window's status bar.
    virtual void setStatusText(const std::string& text) = 0;

    // Runs the task until it ends or the person stops it. The desktop keeps drawing meanwhile
    // and, once the task takes longer than half a second, shows its progress with a "Stop"
    // button; shown is told every change of the progress on this thread. The task runs apart
    // from the user interface, so it must touch nothing the desktop reads meanwhile.
    virtual void runStoppable(const std::string& caption, const StoppableTask& task,
                              const std::function<void(int)>& shown) = 0;

    // The shell's "open" action on a program; false when it could not be started.
    virtual bool shellOpen(const std::string& program, const std::string& workingFolder) = 0;
};

// Shows the busy cursor for the lifetime of the object, so every exit restores the normal one.
class BusyCursor {
public:
    explicit BusyCursor(UserInterface& ui) : ui_(ui) { ui_.setBusyCursor(true); }
    ~BusyCursor() { ui_.setBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    UserInterface& ui_;
};

} // namespace burgeon
