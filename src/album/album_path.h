#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// Paths as albums store them: "/" paths of this system, and paths of Windows
// form ("C:\...", "\\server\...") from albums of older versions, which are
// kept as text. The separator of a path is "\" for the Windows form, else "/".

// True for a drive path ("C:...") or a network path ("\\...").
bool IsWindowsFormPath(std::string_view path);
// The separator of `path`'s form.
char SeparatorOf(std::string_view path);

// The folder part of `path` including its final separator ("/a/b/" for
// "/a/b/c.jpg"); "" when the path has no separator.
std::string_view FolderPartOf(std::string_view path);
// The last component of `path` ("c.jpg").
std::string_view FileNameOf(std::string_view path);
// The extension of the last component as written (case kept), with its dot;
// "" when it has none.
std::string_view ExtensionAsWritten(std::string_view path);
// The last component without its extension ("c").
std::string_view StemOf(std::string_view path);

}  // namespace lumidex
