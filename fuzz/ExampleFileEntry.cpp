#include "base/PrintableText.h"
#include "fuzz/FuzzEntries.h"
#include "pages/TextEditorPage.h"

namespace burgeon {

void runExampleFileInput(std::string_view bytes) {
    const std::string text = decodeEditorFile(std::string(bytes));
    // "Save File" then the next showing of the window must give the user back the same text.
    // The editor holds Unicode text, so only a text that is valid UTF-8 reaches "Save File".
    if (!isValidUtf8(text)) {
        return;
    }
    if (decodeEditorFile(encodeEditorFile(text)) != text) {
        throw FuzzFinding("a saved editor text reads back changed");
    }
}

} // namespace burgeon
