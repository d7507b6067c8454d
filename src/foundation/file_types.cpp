#include "foundation/file_types.h"

#include <algorithm>

#include "foundation/text_compare.h"

namespace lumidex {
namespace {

bool Contains(const std::vector<std::string>& list, std::string_view extension) {
  const std::string folded = FoldAscii(extension);
  return std::find(list.begin(), list.end(), folded) != list.end();
}

}  // namespace

FileTypeLists::FileTypeLists() = default;

const std::vector<std::string>& FileTypeLists::ImageTypes() {
  // Kept sorted: looked up by binary search.
  static const std::vector<std::string> types = {".bmp", ".dib",  ".emf", ".gif", ".ico",
                                                 ".jpeg", ".jpg", ".png", ".wmf"};
  return types;
}

const std::vector<std::string>& FileTypeLists::ThumbTypes() {
  static const std::vector<std::string> types = {".bmp", ".jpg", ".jpeg", ".wmf",
                                                 ".emf", ".ico", ".dib"};
  return types;
}

const std::vector<std::string>& FileTypeLists::MusicTypes() {
  // The album's own list, with the free formats the desktop's players read
  // beside the old ones.
  static const std::vector<std::string> types = {".mp3", ".rmp", ".wma", ".midi", ".mid",
                                                 ".wav", ".asf", ".au",  ".ogg",  ".flac"};
  return types;
}

const std::vector<std::string>& FileTypeLists::OwnIconTypes() {
  static const std::vector<std::string> types = {".ico", ".exe", ".lnk", ".scr", ".pif"};
  return types;
}

void FileTypeLists::SetManagedTypes(const std::vector<std::string>& lines) {
  managedTypes_.clear();
  for (const auto& line : lines) {
    if (!line.empty()) managedTypes_.push_back(FoldAscii(line));
  }
  std::sort(managedTypes_.begin(), managedTypes_.end());
  managedTypes_.erase(std::unique(managedTypes_.begin(), managedTypes_.end()), managedTypes_.end());
}

bool FileTypeLists::IsImageType(std::string_view extension) {
  return std::binary_search(ImageTypes().begin(), ImageTypes().end(), FoldAscii(extension));
}
bool FileTypeLists::IsThumbType(std::string_view extension) { return Contains(ThumbTypes(), extension); }
bool FileTypeLists::IsMusicType(std::string_view extension) { return Contains(MusicTypes(), extension); }
bool FileTypeLists::IsOwnIconType(std::string_view extension) {
  return Contains(OwnIconTypes(), extension);
}
bool FileTypeLists::IsManagedType(std::string_view extension) const {
  return std::binary_search(managedTypes_.begin(), managedTypes_.end(), FoldAscii(extension));
}

std::string ExtensionOf(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return "";
  return FoldAscii(name.substr(dot));
}

}  // namespace lumidex
