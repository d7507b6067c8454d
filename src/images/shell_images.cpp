#include "images/shell_images.h"

namespace lumidex {
namespace {

class NoShell final : public ShellImages {
 public:
  std::optional<Bitmap> ShellThumbnail(const std::string&, int, int) const override {
    return std::nullopt;
  }

  Bitmap ShellIcon(const std::string&, bool large) const override {
    const int size = large ? 32 : 16;
    Bitmap icon = Bitmap::Create(size, size);
    // A sheet of paper: 3/4 of the width, the full height, centred.
    const int left = size / 8, right = size - size / 8 - 1;
    for (int y = 0; y < size; ++y) {
      for (int x = left; x <= right; ++x) {
        const bool edge = y == 0 || y == size - 1 || x == left || x == right;
        icon.SetPixel(x, y, edge ? 0xFF808080u : 0xFFFFFFFFu);
      }
    }
    icon.setHasAlpha(true);
    return icon;
  }
};

}  // namespace

const ShellImages& NoShellImages() {
  static const NoShell shell;
  return shell;
}

}  // namespace lumidex
