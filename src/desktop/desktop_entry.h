#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/status.h"

namespace lumidex {

class FileStore;

// The desktop shortcut of the album on Linux: the user's desktop entry
// "lumidex-album.desktop" in $XDG_DATA_HOME/applications. It shares its name
// with the entry an installation puts in the system's applications folder,
// so the user's entry, when present, is the one the desktop's menu shows.
//
// Desktop entry format (the freedesktop.org desktop entry rules): UTF-8
// lines; "[Group]" headers; "Key=Value" lines (spaces around "=" allowed);
// lines starting with "#" and blank lines are comments. In string values
// "\s", "\n", "\t", "\r" and "\\" stand for space, newline, tab, carriage
// return and backslash. The Exec value is a command line whose arguments
// are separated by spaces; an argument in double quotes may hold spaces,
// and inside it "\"", "\`", "\$" and "\\" stand for the character after the
// backslash; "%%" is a literal "%", other "%x" codes are field codes.

inline constexpr std::string_view kDesktopEntryFileName = "lumidex-album.desktop";
inline constexpr std::string_view kShortcutRepairCaption = "デスクトップショートカットの変更確認";

// The user's entry: `xdgDataHome` (when it is an absolute path) or
// `home` + "/.local/share", then "/applications/lumidex-album.desktop".
std::string UserDesktopEntryPath(std::string_view xdgDataHome, std::string_view home);

// The text of a new entry that starts `program` with the files it is given
// ("%F"), with the Japanese and English names, the icon, the categories
// Graphics and Photography and the picture types it opens. Error when
// `program` is not an absolute path or holds a control character (a newline
// would end the line and add keys of its own).
Result<std::string> DesktopEntryText(std::string_view program);

// The program the Exec key of the entry's "[Desktop Entry]" group names:
// its first argument, unescaped and unquoted, after an "env" and its
// VAR=value assignments. "" when the group or the key is missing or the
// value is empty or its quoting unbalanced.
std::string ExecProgram(std::string_view entryText);

// The icon named by the desktop entry of `program`: `program` itself when it
// is a ".desktop" file, else the first "*.desktop" file in one of
// `applicationFolders` (searched in order, as $XDG_DATA_DIRS/applications;
// each folder's files in name order) whose Exec or TryExec program is
// `program` (a command without "/" in the entry matches by file name). The
// "Icon" value of its [Desktop Entry] group: an icon theme name or a file
// path. "" when no entry names one.
std::string DesktopEntryIcon(const std::string& program, const std::vector<std::string>& applicationFolders);

// The "applications" folders of the desktop entries: $XDG_DATA_HOME (or
// ~/.local/share) first, then each folder of $XDG_DATA_DIRS (or
// /usr/local/share:/usr/share), each followed by "/applications".
std::vector<std::string> ApplicationFolders(std::string_view dataHome, std::string_view home,
                                            std::string_view dataDirs);

// What the user's entry looks like now.
struct DesktopEntryState {
  enum class Kind {
    kMissing,     // no entry
    kReadable,    // an entry of UTF-8 text; `target` is its Exec program
    kUnreadable,  // something the album must not write over: not a regular
                  // file, not readable, too large, or not UTF-8 text
  };
  Kind kind = Kind::kMissing;
  std::string target;   // kReadable: ExecProgram of the text ("" when none)
  std::string problem;  // kUnreadable: the message naming the file
};

// Reads the entry at `path` through `store`.
DesktopEntryState ReadDesktopEntry(FileStore& store, const std::string& path);

// The rule of the ツール menu: "ショートカットアイコンの修正" is hidden only
// when the entry exists and its Exec names `runningProgram`; shown when the
// entry is missing, names another program or cannot be read.
bool ShortcutRepairOffered(const DesktopEntryState& state, std::string_view runningProgram);

// "旧 > " + remembered target + "\n新 > " + running program +
// "\n\n新しいリンク先に変更しますか？"
std::string ShortcutRepairQuestion(std::string_view rememberedTarget, std::string_view runningProgram);

// Points the entry at `path` to `program`, atomically through `store`,
// creating its folder when missing. A readable entry keeps its other lines:
// only Exec (and TryExec when present) of its "[Desktop Entry]" group are
// rewritten; a missing entry, or one without that group, is written anew
// with DesktopEntryText. Errors: an entry that cannot be read is refused
// with its message and left as it is; DesktopEntryText's error for
// `program`; the store's error when the write fails (the old entry stays).
Status RepairDesktopEntry(FileStore& store, const std::string& path, std::string_view program);

}  // namespace lumidex
