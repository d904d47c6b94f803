#include "pages/TextEditorPage.h"

#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "lsystem/ExampleLSystems.h"
#include "pages/RtfText.h"

#include <algorithm>

namespace burgeon {

TextEditorPage::TextEditorPage() : exampleEditor(ExampleLSystemsText) {}

void TextEditorPage::loadExampleFile(const std::string& startFolder) {
    const std::string content = readFileText(joinPath(startFolder, ExampleFileName));
    exampleEditor.setText(decodeEditorFile(content));
    selection = {};
}

void TextEditorPage::saveFile(const std::string& startFolder, UserInterface& ui) {
    writeFileAtomically(joinPath(startFolder, ExampleFileName),
                        encodeEditorFile(exampleEditor.text()));
    ui.showMessage("This text was saved to \"LsysExam.Lsys\" already.");
}

void TextEditorPage::copy(UserInterface& ui) const {
    const std::string& text = exampleEditor.text();
    const std::size_t start = std::min(selection.start, text.size());
    if (selection.length == 0) {
        return; // nothing selected: the clipboard keeps what it held
    }
    ui.setClipboardText(text.substr(start, selection.length));
}

void TextEditorPage::paste(UserInterface& ui) {
    const std::string inserted = ui.clipboardText();
    std::string text = exampleEditor.text();
    const std::size_t start = std::min(selection.start, text.size());
    const std::size_t length = std::min(selection.length, text.size() - start);
    text.replace(start, length, inserted);
    selection = {start + inserted.size(), 0};
    exampleEditor.setText(std::move(text));
}

std::string decodeEditorFile(const std::string& content) {
    return isRichText(content) ? richTextToPlainText(content) : content;
}

std::string encodeEditorFile(const std::string& text) {
    return isRichText(text) ? plainTextToRichText(text) : text;
}

} // namespace burgeon
