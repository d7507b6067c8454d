#include "foundation/ini_line.h"

#include <algorithm>
#include <cstring>

namespace lumidex {

size_t FindLineBreak(std::string_view text, size_t pos) {
  // Lines end in CR LF or LF mostly: find the LF, then an earlier CR. The
  // search goes window by window, so that a text with CR alone is not
  // searched to its end for an LF at every line.
  constexpr size_t kWindow = 512;
  while (pos < text.size()) {
    const char* const begin = text.data() + pos;
    const size_t size = std::min(kWindow, text.size() - pos);
    const void* lf = std::memchr(begin, '\n', size);
    const size_t limit = lf != nullptr ? static_cast<size_t>(static_cast<const char*>(lf) - begin) : size;
    if (const void* cr = std::memchr(begin, '\r', limit)) {
      return pos + static_cast<size_t>(static_cast<const char*>(cr) - begin);
    }
    if (lf != nullptr) return pos + limit;
    pos += size;
  }
  return text.size();
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  // One pass each for the line count and the NUL bytes, so that the lines are
  // neither moved by the vector's growth nor searched one by one.
  size_t breaks = 0;
  for (const char* p = text.data(), *end = p + text.size();
       (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)))) != nullptr; ++p) {
    ++breaks;
  }
  lines.reserve(breaks + 1);
  const bool hasNul = std::memchr(text.data(), '\0', text.size()) != nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = FindLineBreak(text, start);
    std::string& line = lines.emplace_back(text.substr(start, end - start));
    if (hasNul) std::erase(line, '\0');
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

EntryLineCount CountEntryLines(std::string_view text) {
  EntryLineCount count;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = FindLineBreak(text, pos);
    // The first byte of the line other than NUL.
    while (pos < end && text[pos] == '\0') ++pos;
    if (pos < end && text[pos] != '[') {
      ++count.entries;
      if (text[pos] == '@') ++count.references;
    }
    pos = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return count;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  size_t total = 0;
  for (const auto& line : lines) total += line.size() + 2;
  std::string text;
  text.reserve(total);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace lumidex
