#include "desktop/desktop_entry.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "foundation/data_folders.h"
#include "foundation/file_paths.h"
#include "foundation/file_store.h"
#include "foundation/message_format.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr std::string_view kMainGroup = "[Desktop Entry]";

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool IsGroupHeader(std::string_view line) {
  line = Trimmed(line);
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The value of `line` when it is "key = value" for exactly `key`.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != key) return std::nullopt;
  return Trimmed(line.substr(equals + 1));
}

// A string value as stored: backslashes escaped. (Control characters, which
// would need escapes of their own, are refused before.)
std::string EscapeString(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

std::string UnescapeString(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 's': out += ' '; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case '\\': out += '\\'; break;
      default: out += '\\'; out += text[i]; break;
    }
  }
  return out;
}

// The Exec value that starts `program` with the files it is given: the
// program quoted (so spaces and reserved characters stay part of it), "%"
// doubled so it is no field code, then escaped as a string value.
std::string ExecValue(std::string_view program) {
  std::string command = "\"";
  for (char c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') command += '\\';
    if (c == '%') command += '%';
    command += c;
  }
  command += "\" %F";
  return EscapeString(command);
}

Status CheckProgram(std::string_view program) {
  if (program.empty() || program.front() != '/') {
    return Status::Error(FormatMessage("プログラムのパス %s が絶対パスではありません", {std::string(program)}));
  }
  for (unsigned char c : program) {
    if (c < 0x20 || c == 0x7F) {
      return Status::Error("プログラムのパスに制御文字が含まれているため、ショートカットを作成できません");
    }
  }
  if (!IsValidUtf8(program)) {
    return Status::Error("プログラムのパスが UTF-8 ではないため、ショートカットを作成できません");
  }
  return Status::Ok();
}

// The entry's lines with Exec (and TryExec) of the main group pointing to
// `program`; nullopt when the text has no main group.
std::optional<std::string> WithProgram(std::string_view text, std::string_view program) {
  std::string out;
  bool inMain = false;
  bool sawMain = false;
  bool wroteExec = false;
  for (std::string_view line : Lines(text)) {
    if (IsGroupHeader(line)) {
      if (inMain && !wroteExec) out += "Exec=" + ExecValue(program) + "\n";
      inMain = Trimmed(line) == kMainGroup;
      sawMain |= inMain;
      wroteExec = false;
      out += std::string(line) + "\n";
      continue;
    }
    if (inMain && ValueOf(line, "Exec")) {
      if (!wroteExec) out += "Exec=" + ExecValue(program) + "\n";
      wroteExec = true;
    } else if (inMain && ValueOf(line, "TryExec")) {
      out += "TryExec=" + EscapeString(program) + "\n";
    } else {
      out += std::string(line) + "\n";
    }
  }
  if (!sawMain) return std::nullopt;
  if (inMain && !wroteExec) out += "Exec=" + ExecValue(program) + "\n";
  return out;
}

// The value of `key` in the entry's "[Desktop Entry]" group, unescaped; ""
// when there is none. Localised keys ("Icon[ja]") are other keys.
std::string MainGroupValue(std::string_view entryText, std::string_view key) {
  bool inMain = false;
  for (std::string_view line : Lines(entryText)) {
    if (IsGroupHeader(line)) {
      inMain = Trimmed(line) == kMainGroup;
      continue;
    }
    if (!inMain) continue;
    if (const std::optional<std::string_view> value = ValueOf(line, key)) return UnescapeString(*value);
  }
  return "";
}

// The program a command line starts: its first argument, unquoted (with
// the escapes of a quoted argument) and with "%%" as "%", after an "env"
// and its VAR=value assignments. "" when there is none or a quote is not
// closed.
std::string CommandProgram(std::string_view command) {
  command = Trimmed(command);
  while (!command.empty() && command.front() != '"') {
    const size_t space = command.find(' ');
    const std::string_view word = command.substr(0, space);
    if (word != "env" && word.find('=') == std::string_view::npos) break;
    command = space == std::string_view::npos ? std::string_view() : Trimmed(command.substr(space + 1));
  }
  std::string program;
  if (!command.empty() && command.front() == '"') {
    size_t i = 1;
    for (; i < command.size() && command[i] != '"'; ++i) {
      const char next = i + 1 < command.size() ? command[i + 1] : '\0';
      if (command[i] == '\\' && (next == '"' || next == '`' || next == '$' || next == '\\')) ++i;
      program += command[i];
    }
    if (i >= command.size()) return "";  // no closing quote
  } else {
    program = std::string(command.substr(0, command.find(' ')));
  }
  std::string unpercented;
  for (size_t k = 0; k < program.size(); ++k) {
    unpercented += program[k];
    if (program[k] == '%' && k + 1 < program.size() && program[k + 1] == '%') ++k;
  }
  return unpercented;
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

std::string UserDesktopEntryPath(std::string_view xdgDataHome, std::string_view home) {
  const std::string dataHome = !xdgDataHome.empty() && xdgDataHome.front() == '/'
                                   ? WithoutTrailingSlash(xdgDataHome)
                                   : WithoutTrailingSlash(home) + "/.local/share";
  return dataHome + "/applications/" + std::string(kDesktopEntryFileName);
}

Result<std::string> DesktopEntryText(std::string_view program) {
  if (Status s = CheckProgram(program); !s.ok()) return s;
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Version=1.4\n"
         "Name=Lumidex Album\n"
         "Name[ja]=ルミデクスアルバム\n"
         "GenericName=Photo Album\n"
         "GenericName[ja]=フォトアルバム\n"
         "Comment=Browse and organise your photos on a calendar\n"
         "Comment[ja]=写真をカレンダーで整理して閲覧します\n"
         "Exec=" +
         ExecValue(program) +
         "\n"
         "Icon=lumidex-album\n"
         "Terminal=false\n"
         "Categories=Graphics;Photography;\n"
         "MimeType=image/jpeg;image/png;image/bmp;image/gif;\n"
         "StartupNotify=true\n";
}

std::string ExecProgram(std::string_view entryText) {
  return CommandProgram(MainGroupValue(entryText, "Exec"));
}

std::string DesktopEntryIcon(const std::string& program, const std::vector<std::string>& applicationFolders) {
  namespace fs = std::filesystem;
  if (program.empty()) return {};
  const auto entryText = [](const std::string& file) {
    Result<std::string> text = RealFileStore().ReadAll(file);
    return text.ok() ? std::move(text).value() : std::string();
  };
  if (program.ends_with(".desktop")) return MainGroupValue(entryText(program), "Icon");
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
      const std::string text = entryText(file.string());
      const std::string icon = MainGroupValue(text, "Icon");
      if (icon.empty()) continue;
      if (SameProgram(CommandProgram(MainGroupValue(text, "Exec")), program) ||
          SameProgram(CommandProgram(MainGroupValue(text, "TryExec")), program)) {
        return icon;
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
  const std::string_view dirs = dataDirs.empty() ? std::string_view("/usr/local/share:/usr/share") : dataDirs;
  size_t at = 0;
  while (at <= dirs.size()) {
    size_t end = dirs.find(':', at);
    if (end == std::string_view::npos) end = dirs.size();
    if (end > at) folders.push_back(std::string(dirs.substr(at, end - at)) + "/applications");
    at = end + 1;
  }
  return folders;
}

DesktopEntryState ReadDesktopEntry(FileStore& store, const std::string& path) {
  DesktopEntryState state;
  Result<std::string> text = store.ReadAll(path);
  if (text.status().code() == Status::Code::kNotFound) return state;
  if (!text.ok()) {
    state.kind = DesktopEntryState::Kind::kUnreadable;
    state.problem = text.status().message();
    return state;
  }
  if (text.value().find('\0') != std::string::npos || !IsValidUtf8(text.value())) {
    state.kind = DesktopEntryState::Kind::kUnreadable;
    state.problem = CannotOpenMessage(path);
    return state;
  }
  state.kind = DesktopEntryState::Kind::kReadable;
  state.target = ExecProgram(text.value());
  return state;
}

bool ShortcutRepairOffered(const DesktopEntryState& state, std::string_view runningProgram) {
  return !(state.kind == DesktopEntryState::Kind::kReadable && state.target == runningProgram);
}

std::string ShortcutRepairQuestion(std::string_view rememberedTarget, std::string_view runningProgram) {
  return "旧 > " + std::string(rememberedTarget) + "\n新 > " + std::string(runningProgram) +
         "\n\n新しいリンク先に変更しますか？";
}

Status RepairDesktopEntry(FileStore& store, const std::string& path, std::string_view program) {
  if (Status s = CheckProgram(program); !s.ok()) return s;
  Result<std::string> old = store.ReadAll(path);
  const bool missing = old.status().code() == Status::Code::kNotFound;
  if (!missing && !old.ok()) return old.status();
  if (!missing && (old.value().find('\0') != std::string::npos || !IsValidUtf8(old.value()))) {
    return Status::Error(CannotOpenMessage(path));
  }
  std::optional<std::string> text;
  if (!missing) text = WithProgram(old.value(), program);
  if (!text) {
    Result<std::string> fresh = DesktopEntryText(program);
    if (!fresh.ok()) return fresh.status();
    text = std::move(fresh).value();
  }
  if (!MakeFolders(FolderOf(path))) return Status::Error(CannotCreateMessage(path));
  return store.WriteAtomic(path, *text, 0644);
}

}  // namespace lumidex
