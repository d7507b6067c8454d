#include "album/short_path_text.h"

#include <algorithm>
#include <vector>

#include "album/album_path.h"

namespace lumidex {
namespace {

constexpr size_t kMaxLevels = 30;

std::string_view RootOf(std::string_view path) {
  if (path.starts_with("\\\\")) return path.substr(0, 2);
  if (IsWindowsFormPath(path)) return path.substr(0, path.size() >= 3 && path[2] == '\\' ? 3 : 2);
  if (path.starts_with("/")) return path.substr(0, 1);
  return {};
}

}  // namespace

std::string ShortPathText(std::string_view path, bool isFolder) {
  const char separator = SeparatorOf(path);
  std::string_view folder = isFolder ? path : FolderPartOf(path);
  const std::string_view root = RootOf(folder);
  std::string_view rest = folder.substr(root.size());
  std::vector<std::string_view> components;
  while (!rest.empty()) {
    const size_t next = rest.find(separator);
    const std::string_view part = rest.substr(0, next);
    if (!part.empty()) components.push_back(part);
    if (next == std::string_view::npos) break;
    rest.remove_prefix(next + 1);
  }
  if (components.empty()) return std::string(path);
  const size_t depth = std::min(components.size(), kMaxLevels);
  std::string text(root);
  text.append(depth, '.');
  text.append("[ ").append(components.back()).append(" ]");
  return text;
}

}  // namespace lumidex
