#pragma once

#include <string>
#include <string_view>

namespace lumidex::platform {

// The program a picture is opened in for editing: `configured` (the
// "g-tool" setting) when it names a program that can be run (a path, or a
// name found on `path`), else the first of the desktop's image editors
// (kolourpaint, pinta, gimp, krita, mtpaint) found on `path` (a
// colon-separated list of folders, as $PATH). "" when there is none.
std::string FindImageEditor(std::string_view configured, std::string_view path);

}  // namespace lumidex::platform
