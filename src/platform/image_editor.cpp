#include "platform/image_editor.h"

#include <unistd.h>

#include <array>

namespace lumidex::platform {
namespace {

bool Runnable(const std::string& file) {
  return !file.empty() && ::access(file.c_str(), X_OK) == 0;
}

// `program` as a runnable file: itself when it holds a "/", else the first
// folder of `path` that has it.
std::string Lookup(std::string_view program, std::string_view path) {
  if (program.empty()) return {};
  if (program.find('/') != std::string_view::npos) {
    return Runnable(std::string(program)) ? std::string(program) : std::string();
  }
  size_t at = 0;
  while (at <= path.size()) {
    size_t end = path.find(':', at);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view folder = path.substr(at, end - at);
    at = end + 1;
    if (folder.empty()) continue;
    const std::string file = std::string(folder) + "/" + std::string(program);
    if (Runnable(file)) return file;
  }
  return {};
}

}  // namespace

std::string FindImageEditor(std::string_view configured, std::string_view path) {
  if (std::string found = Lookup(configured, path); !found.empty()) return found;
  return FindPaintProgram(path);
}

std::string FindPaintProgram(std::string_view path) {
  constexpr std::array<std::string_view, 5> kEditors = {"kolourpaint", "pinta", "gimp", "krita",
                                                        "mtpaint"};
  for (std::string_view editor : kEditors) {
    if (std::string found = Lookup(editor, path); !found.empty()) return found;
  }
  return {};
}

std::vector<std::string> EditorArguments(const std::string& program, const std::string& picture) {
  if (program.empty() || picture.empty()) return {};
  return {program, picture.front() == '/' ? picture : "./" + picture};
}

}  // namespace lumidex::platform
