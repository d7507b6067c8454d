#include "foundation/file_paths.h"

#include <sys/stat.h>

namespace lumidex {

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FolderExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FolderOf(std::string_view path) {
  const std::string_view trimmed = path.substr(0, path.find_last_not_of('/') + 1);
  const size_t slash = trimmed.rfind('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? "/" : WithoutTrailingSlash(trimmed.substr(0, slash));
}

std::string WithTrailingSlash(std::string_view folder) {
  std::string text(folder);
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

std::string WithoutTrailingSlash(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  return std::string(path);
}

}  // namespace lumidex
