#pragma once

#include <string>
#include <string_view>

namespace burgeon {

// True when the text is rich text: it starts with "{\rtf".
bool isRichText(std::string_view text);

// The plain text of a rich-text document: paragraph and line breaks become "\n", tabs "\t",
// escaped and Unicode characters become UTF-8, and formatting, font and colour tables,
// pictures and other destinations are left out. A document that ends in a paragraph break
// gives a text that ends in "\n".
std::string richTextToPlainText(std::string_view rtf);

// A rich-text document whose plain text is the given UTF-8 text, for a text that would
// otherwise be taken for rich text when read back.
std::string plainTextToRichText(std::string_view text);

} // namespace burgeon
