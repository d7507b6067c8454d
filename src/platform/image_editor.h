#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex::platform {

// The program a picture is opened in for editing: `configured` (the
// "g-tool" setting) when it names a program that can be run (a path, or a
// name found on `path`), else the first of the desktop's image editors
// (kolourpaint, pinta, gimp, krita, mtpaint) found on `path` (a
// colon-separated list of folders, as $PATH). "" when there is none.
std::string FindImageEditor(std::string_view configured, std::string_view path);

// The desktop's paint program ("ペイント"): the first of the image editors
// above found on `path`; "" when none is installed.
std::string FindPaintProgram(std::string_view path);

// The argument vector that opens `picture` in `program`, run directly
// without a shell: {program, picture}. A picture path that does not start
// with "/" is given as "./" + path, so that a name beginning with "-" is
// never read as an option. Empty when either is empty.
std::vector<std::string> EditorArguments(const std::string& program, const std::string& picture);

// The icon named by the desktop entry of `program`: `program` itself when it
// is a ".desktop" file, else the first "*.desktop" file in one of
// `applicationFolders` (searched in order, as $XDG_DATA_DIRS/applications)
// whose Exec or TryExec program is `program` (a command without "/" in the
// entry matches by file name). The "Icon=" value of its [Desktop Entry]
// group: an icon theme name or a file path. "" when no entry names one.
std::string DesktopEntryIcon(const std::string& program,
                             const std::vector<std::string>& applicationFolders);

// The "applications" folders of the desktop entries: $XDG_DATA_HOME (or
// ~/.local/share) first, then each folder of $XDG_DATA_DIRS (or
// /usr/local/share:/usr/share), each followed by "/applications".
std::vector<std::string> ApplicationFolders(std::string_view dataHome, std::string_view home,
                                            std::string_view dataDirs);

}  // namespace lumidex::platform
