#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// The file-type lists every part of the album consults. Extensions are lower
// case with the leading dot and compare in lower case.
class FileTypeLists {
 public:
  // The fixed lists, with ManagedTypes empty.
  FileTypeLists();

  // Files shown as pictures; any of these can always be registered.
  static const std::vector<std::string>& ImageTypes();
  // The picture types without ".png" and ".gif".
  static const std::vector<std::string>& ThumbTypes();
  // Background music files.
  static const std::vector<std::string>& MusicTypes();
  // Files that carry their own icon.
  static const std::vector<std::string>& OwnIconTypes();

  // Further extensions the user allowed to register ("extlist"), sorted.
  const std::vector<std::string>& ManagedTypes() const { return managedTypes_; }
  // Sets ManagedTypes from lines of the "extlist" setting: each line lowered,
  // empty lines dropped, sorted, without duplicates.
  void SetManagedTypes(const std::vector<std::string>& lines);

  static bool IsImageType(std::string_view extension);
  static bool IsThumbType(std::string_view extension);
  static bool IsMusicType(std::string_view extension);
  static bool IsOwnIconType(std::string_view extension);
  bool IsManagedType(std::string_view extension) const;

 private:
  std::vector<std::string> managedTypes_;
};

// The extension of the last path component, lower case, with its dot; "" when
// the name has none. "/a.b/c" has none; ".jpg" alone is the extension ".jpg".
std::string ExtensionOf(std::string_view path);

}  // namespace lumidex
