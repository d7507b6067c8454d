#include "foundation/extension_lists.h"

#include "foundation/text_compare.h"

namespace lumidex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::vector<std::string> HighQualityTypesFromText(std::string_view text) {
  std::vector<std::string> types;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && (text[pos] == '.' || IsBlank(text[pos]))) ++pos;
    const size_t start = pos;
    while (pos < text.size() && text[pos] != '.' && !IsBlank(text[pos])) ++pos;
    if (pos > start) types.push_back("." + FoldAscii(text.substr(start, pos - start)));
  }
  return types;
}

std::vector<std::string> ManagedTypesFromLines(const std::vector<std::string>& lines) {
  std::vector<std::string> types;
  for (std::string_view line : lines) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    if (line.empty()) continue;
    types.push_back(line.front() == '.' ? std::string(line) : "." + std::string(line));
  }
  return types;
}

}  // namespace lumidex
