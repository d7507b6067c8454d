#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// The short form of a folder path for messages and the folder history: the
// root, one full stop per folder level below the root, then "[ " + the last
// folder name + " ]" ("/....[ 2014 ]" for "/home/u/photos/2014",
// "C:\....[ 2014 ]" for "C:\a\b\c\2014"). The root is "/" for paths of this
// system, the first three characters of a drive path and "\\" for a network
// path; trailing separators are ignored. When `path` names a file
// (`isFolder` false) its file name is taken off first and not counted. At
// most 30 levels are counted. A path with no level below its root comes back
// unchanged.
std::string ShortPathText(std::string_view path, bool isFolder);

}  // namespace lumidex
