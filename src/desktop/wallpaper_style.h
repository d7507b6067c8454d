#pragma once

#include <array>
#include <string_view>

namespace lumidex {

// How the desktop places the wallpaper, in the order the wallpaper dialog
// lists the styles; the values are the indexes of its style box.
enum class WallpaperStyle {
  kCentre = 0,     // the picture at its own size in the middle
  kTile = 1,       // repeated over the screen
  kStretch = 2,    // stretched to the screen, aspect not kept
  kFitHeight = 3,  // scaled whole into the screen, aspect kept
  kFitWidth = 4,   // scaled to cover the screen, aspect kept, edges cut
};

inline constexpr int kWallpaperStyleCount = 5;

// The captions of the style box, indexed by WallpaperStyle.
inline constexpr std::array<std::string_view, kWallpaperStyleCount> kWallpaperStyleCaptions = {
    "中央に表示", "並べて表示", "拡大して表示", "縦幅に合わせる", "横幅に合わせる"};

// True for 0 ... kWallpaperStyleCount - 1.
inline bool IsWallpaperStyle(int index) { return index >= 0 && index < kWallpaperStyleCount; }

}  // namespace lumidex
