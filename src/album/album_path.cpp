#include "album/album_path.h"

namespace lumidex {

bool IsWindowsFormPath(std::string_view path) {
  if (path.starts_with("\\\\")) return true;
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

char SeparatorOf(std::string_view path) { return IsWindowsFormPath(path) ? '\\' : '/'; }

std::string_view FolderPartOf(std::string_view path) {
  const size_t slash = path.rfind(SeparatorOf(path));
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string_view FileNameOf(std::string_view path) { return path.substr(FolderPartOf(path).size()); }

std::string_view ExtensionAsWritten(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string_view StemOf(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  return name.substr(0, name.size() - ExtensionAsWritten(path).size());
}

}  // namespace lumidex
