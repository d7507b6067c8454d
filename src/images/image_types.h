#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// The types drawn without a background fill, and the only ones whose cached
// thumbnail may be used during a full-screen slide show: exactly ".bmp",
// ".dib", ".jpg" and ".jpeg" (lower case, with the dot). "" and a part of an
// extension such as ".jp" are not opaque.
bool IsOpaqueType(std::string_view extension);

// The extensions of the "hispc" setting (one a line), lower case, empty lines
// dropped: files of these types are always scaled with the high-quality
// method.
std::vector<std::string> HighQualityTypesFrom(const std::vector<std::string>& lines);

// True when `extension` (any case) is one of `types`.
bool ContainsType(const std::vector<std::string>& types, std::string_view extension);

}  // namespace lumidex
