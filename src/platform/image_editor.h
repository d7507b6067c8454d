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

}  // namespace lumidex::platform
