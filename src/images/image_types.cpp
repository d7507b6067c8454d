#include "images/image_types.h"

#include "foundation/text_compare.h"

namespace lumidex {

bool IsOpaqueType(std::string_view extension) {
  for (std::string_view opaque : {".bmp", ".dib", ".jpg", ".jpeg"}) {
    if (EqualsNoCase(extension, opaque)) return true;
  }
  return false;
}

std::vector<std::string> HighQualityTypesFrom(const std::vector<std::string>& lines) {
  std::vector<std::string> types;
  for (const std::string& line : lines) {
    std::string type = FoldAscii(line);
    while (!type.empty() && (type.back() == ' ' || type.back() == '\r')) type.pop_back();
    if (!type.empty()) types.push_back(type);
  }
  return types;
}

bool ContainsType(const std::vector<std::string>& types, std::string_view extension) {
  for (const std::string& type : types) {
    if (EqualsNoCase(type, extension)) return true;
  }
  return false;
}

}  // namespace lumidex
