#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumidex {

class FileTypeLists;
class ShellImages;

// The arguments of the list-thumbnail maker.
struct ThumbnailRequest {
  std::string path;
  bool highQuality = false;  // scale with the area-averaging method
  bool overwrite = false;    // rewrite the cached thumbnail even if one exists
  // The thumbnail's cache file, in and out: empty means work it out and look
  // the cache up first; the maker fills it in.
  std::string cachePath;
  bool exactSize = false;           // exactly boxWidth x boxHeight instead of fitting
  uint32_t background = 0xFFFFFF;   // 0x00BBGGRR: fill and alpha background
  int boxHeight = 128;
  int boxWidth = 170;
};

// What the thumbnail makers need to know beyond the request. The referenced
// objects must outlive every call that uses this context.
struct ImageContext {
  const FileTypeLists* types = nullptr;       // for ManagedTypes; none when null
  std::vector<std::string> highQualityTypes;  // the "hispc" setting
  const ShellImages* shell = nullptr;         // NoShellImages() when null
  bool bigIcons = false;                      // the "bigico" setting (calendar cells)
};

}  // namespace lumidex
