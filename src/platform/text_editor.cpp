#include "platform/text_editor.h"

namespace lumidex::platform {
namespace {

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < text.size()) {
    const size_t start = text.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    size_t end = text.find_first_of(" \t", start);
    if (end == std::string_view::npos) end = text.size();
    words.emplace_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

}  // namespace

std::optional<ProgramCall> TextEditorCall(const std::string& file, std::string_view visual,
                                          std::string_view editor, const ProgramFinder& find) {
  if (std::string opener = find("xdg-open"); !opener.empty()) return ProgramCall{opener, {file}};
  for (std::string_view command : {visual, editor}) {
    std::vector<std::string> words = Words(command);
    if (words.empty()) continue;
    std::string program = find(words.front());
    if (program.empty()) continue;
    words.erase(words.begin());
    words.push_back(file);
    return ProgramCall{std::move(program), std::move(words)};
  }
  return std::nullopt;
}

}  // namespace lumidex::platform
