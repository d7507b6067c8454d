#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// The fixed logical space item positions and sizes are stored in, whatever
// the size of the canvas on screen.
inline constexpr int kLayoutUnitsWide = 730;
inline constexpr int kLayoutUnitsHigh = 364;

// One item of a free layout tab: a picture or a text box placed on the
// canvas. The tab's items are kept in stacking order (the first at the
// bottom), which is also the order they are written back in.
struct FreeLayoutItem {
  int tab = 0;
  int x = 0;       // left edge, layout units
  int y = 0;       // top edge, layout units
  int width = 0;   // layout units; a rotated picture's unrotated size
  int height = 0;
  int rotation = 0;  // rotation step 0-255, two degrees each; 0 = not rotated
  // Flag bits of the key.
  bool keepAspect = false;  // 1: a picture keeps its proportions
  bool framed = false;      // 2: a text box has a frame
  bool clearBack = false;   // 4: transparent background
  bool textShadow = false;  // 8: a text has a shadow
  bool edgeFix = false;     // 16: edge correction of a rotated picture
  // The key's last field, "00000" as written by the album; other values
  // tell apart items that would otherwise have identical keys.
  int reserved = 0;
  // A picture path, or a text item's look and text (TextSpec) with real CR LF
  // line breaks.
  std::string value;

  // Pixel state of the view (not stored).
  int baseWidth = 0;  // size before rotation
  int baseHeight = 0;
  bool selected = false;

  int Flags() const {
    return (keepAspect ? 1 : 0) | (framed ? 2 : 0) | (clearBack ? 4 : 0) | (textShadow ? 8 : 0) |
           (edgeFix ? 16 : 0);
  }
  void SetFlags(int flags) {
    keepAspect = (flags & 1) != 0;
    framed = (flags & 2) != 0;
    clearBack = (flags & 4) != 0;
    textShadow = (flags & 8) != 0;
    edgeFix = (flags & 16) != 0;
  }
};

// Whether an item value is a picture path rather than a text item's look and text:
// a full path ("/..."), or a path of Windows form (":\" at its second
// character, or "\\" at its start) kept from older albums.
bool IsPicturePathValue(std::string_view value);

}  // namespace lumidex
