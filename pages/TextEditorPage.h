#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"

#include <cstddef>
#include <string>

namespace burgeon {

// The example file of the Text Editor page, beside the folder the program started in.
inline constexpr const char* ExampleFileName = "LsysExam.Lsys";

// The selection of an editor in bytes of its UTF-8 text; an empty selection is the caret.
struct TextSelection {
    std::size_t start = 0;
    std::size_t length = 0;
};

// The "Text Editor" page: a scratch text of example L-systems kept in "LsysExam.Lsys", with
// "Save File", "Copy" and "Paste".
class TextEditorPage {
public:
    TextEditorPage();

    TextControl exampleEditor;
    ControlModel saveFileButton{"Save File"};
    ControlModel copyButton{"Copy"};
    ControlModel pasteButton{"Paste"};
    // The editor's selection, kept up to date by its view.
    TextSelection selection;

    // Replaces the text with the example file's text; throws "Cannot open file %s" with the
    // full file name when it cannot be read, leaving the text as it was.
    void loadExampleFile(const std::string& startFolder);
    // "Save File": writes the whole file or nothing, then confirms.
    void saveFile(const std::string& startFolder, UserInterface& ui);
    // "Copy" and "Paste" through the clipboard.
    void copy(UserInterface& ui) const;
    void paste(UserInterface& ui);
};

// The editor text held in an example file, rich text or plain text.
std::string decodeEditorFile(const std::string& content);
// The file content for an editor text: the plain text itself, so the file stays readable
// anywhere; only a text that would be taken for rich text is wrapped in rich text.
std::string encodeEditorFile(const std::string& text);

} // namespace burgeon
