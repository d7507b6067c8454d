#include "platform/image_editor.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

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

// The keys of the [Desktop Entry] group of a desktop entry file. Lines are
// "Key=Value"; localised keys ("Icon[ja]") and other groups are skipped.
struct DesktopEntry {
  std::string exec;
  std::string tryExec;
  std::string icon;
};

DesktopEntry ReadDesktopEntry(const std::filesystem::path& file) {
  DesktopEntry entry;
  std::ifstream in(file);
  std::string line;
  bool inEntry = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with('[')) {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    if (!inEntry) continue;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string key = line.substr(0, equals);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    size_t valueStart = equals + 1;
    while (valueStart < line.size() && line[valueStart] == ' ') ++valueStart;
    const std::string value = line.substr(valueStart);
    if (key == "Exec") entry.exec = value;
    if (key == "TryExec") entry.tryExec = value;
    if (key == "Icon") entry.icon = value;
  }
  return entry;
}

// The program of an Exec line: its first word (a double-quoted word loses
// its quotes), after an "env" and its VAR=value assignments.
std::string ExecProgram(const std::string& exec) {
  std::istringstream words(exec);
  std::string word;
  while (words >> word) {
    if (word.size() >= 2 && word.front() == '"') {
      std::string quoted = word.substr(1);
      while (!quoted.empty() && quoted.back() != '"' && words >> word) quoted += " " + word;
      if (!quoted.empty() && quoted.back() == '"') quoted.pop_back();
      return quoted;
    }
    if (word == "env" || word.find('=') != std::string::npos) continue;
    return word;
  }
  return {};
}

// Whether the entry's program `command` is `program`: the same path, or
// the same file name for a command looked up on $PATH.
bool SameProgram(const std::string& command, const std::string& program) {
  if (command.empty()) return false;
  if (command == program) return true;
  if (command.find('/') != std::string::npos) return false;
  return std::filesystem::path(program).filename() == command;
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

std::string DesktopEntryIcon(const std::string& program,
                             const std::vector<std::string>& applicationFolders) {
  namespace fs = std::filesystem;
  if (program.empty()) return {};
  if (program.ends_with(".desktop")) return ReadDesktopEntry(program).icon;
  for (const std::string& folder : applicationFolders) {
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      if (it->path().extension() == ".desktop") files.push_back(it->path());
    }
    // The folder's order is the file system's; sorted, the same entry wins
    // on every machine.
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
      const DesktopEntry entry = ReadDesktopEntry(file);
      if (entry.icon.empty()) continue;
      if (SameProgram(ExecProgram(entry.exec), program) ||
          SameProgram(ExecProgram(entry.tryExec), program)) {
        return entry.icon;
      }
    }
  }
  return {};
}

std::vector<std::string> ApplicationFolders(std::string_view dataHome, std::string_view home,
                                            std::string_view dataDirs) {
  std::vector<std::string> folders;
  if (!dataHome.empty()) {
    folders.push_back(std::string(dataHome) + "/applications");
  } else if (!home.empty()) {
    folders.push_back(std::string(home) + "/.local/share/applications");
  }
  const std::string_view dirs =
      dataDirs.empty() ? std::string_view("/usr/local/share:/usr/share") : dataDirs;
  size_t at = 0;
  while (at <= dirs.size()) {
    size_t end = dirs.find(':', at);
    if (end == std::string_view::npos) end = dirs.size();
    if (end > at) folders.push_back(std::string(dirs.substr(at, end - at)) + "/applications");
    at = end + 1;
  }
  return folders;
}

}  // namespace lumidex::platform
