#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// The text of the message box that reports an error an operation did not
// handle: the error's text, followed by "." when the text is not empty and its
// last character (in the album's code page, a double-byte character counting
// as one) orders after "." byte by byte. So a Japanese message gets a trailing
// ".", while a text ending in "." or "!" does not.
std::string ErrorReportText(std::string_view errorText);

}  // namespace lumidex
