#include "foundation/ini_line.h"

namespace lumidex {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    std::string line(text.substr(start, end - start));
    if (line.find('\0') != std::string::npos) std::erase(line, '\0');
    lines.push_back(std::move(line));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
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
