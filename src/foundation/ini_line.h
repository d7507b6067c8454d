#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// A line "name=value": the name is the text before the first "=", the value
// the text after it. A line without "=" has an empty name and no value.
inline bool HasEquals(std::string_view line) { return line.find('=') != std::string_view::npos; }

inline std::string_view NameOf(std::string_view line) {
  const size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
}

inline std::string_view ValueOf(std::string_view line) {
  const size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
}

// The offset of the first CR or LF of `text` at or after `pos`, or
// text.size() when there is none. In cp932 neither byte is ever a trail
// byte, so the bytes of an album file can be split before decoding.
size_t FindLineBreak(std::string_view text, size_t pos);

// Splits text into lines: a line ends at CR, LF, CR LF or the end of the text,
// so a final line break yields no empty last line and two breaks in a row
// yield one empty line. NUL characters are dropped (a stray NUL must not cut
// off the rest of a document, which the next save would then lose).
std::vector<std::string> SplitLines(std::string_view text);

// The entry lines of an album document's text: lines, split and without
// NUL as SplitLines gives them, that are not empty and do not begin with
// "["; `references` counts those of them that begin with "@". The text may
// also be the cp932 or UTF-8 bytes of the file without its byte-order mark:
// a line starts on a character and the marks are ASCII, so nothing needs
// decoding.
struct EntryLineCount {
  long long entries = 0;
  long long references = 0;
};
EntryLineCount CountEntryLines(std::string_view text);

// Every line followed by CR LF, the last one too; no lines give "".
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace lumidex
