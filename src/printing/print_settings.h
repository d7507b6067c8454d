#pragma once

#include <string>

namespace lumidex {

struct Settings;

// The layouts of the print dialog's list, by index: 0-5 grids of cells that
// divide the printable area, 6-10 photo prints of a fixed size repeated as
// often as it fits.
inline constexpr int kLayoutCount = 11;
inline constexpr int kFirstPhotoLayout = 6;
inline constexpr int kCustomLayout = 10;
inline bool IsGridLayout(int layout) { return layout >= 0 && layout < kFirstPhotoLayout; }
inline bool IsPhotoLayout(int layout) { return layout >= kFirstPhotoLayout && layout < kLayoutCount; }

// Ranges of the settings fields (millimetres).
inline constexpr int kMaxMargin = 100;
inline constexpr int kMinSpacing = 3;
inline constexpr int kMaxSpacing = 60;
inline constexpr int kMinCustomSide = 50;
inline constexpr int kMaxCustomSide = 1000;

// What the print dialog lets the user choose besides the layout. Lengths in
// millimetres. Value type.
struct PrintSettings {
  int marginTop = 0;
  int marginLeft = 0;
  int spacing = 3;  // "spacexy": gap between photo prints
  int customWidth = 100;   // "usersiz", high half
  int customHeight = 100;  // "usersiz", low half
  bool fineScaling = false;  // area-averaging scaling in the preview
  bool printName = true;     // the name line at the bottom right
  bool fillCell = false;     // fill the cell instead of fitting into it
  bool keepRatio = false;    // with fillCell: fill by cropping, not stretching
  bool pageNumbers = false;
  bool cellFrames = false;   // preview only: dotted frames around the boxes

  bool operator==(const PrintSettings&) const = default;
};

// `settings` with every length inside its range: margins 0..100, spacing
// 3..60, custom sides 50..1000 (a stored "usersiz" of 0 or 65535 must not
// give a sheet without cells or an endless loop).
PrintSettings Clamped(PrintSettings settings);

// The print settings that persist, read from the album settings ("spacexy",
// "usersiz", the run-only "ソフト名を印刷する"), clamped; the rest default.
PrintSettings PrintSettingsFrom(const Settings& settings);

// Stores the persisting fields back into the album settings.
void StorePrintSettings(const PrintSettings& print, Settings& settings);

// Width x height in millimetres of photo layout `layout` (6-10): E 117 x 82,
// L 127 x 89, 2L 178 x 127, postcard 100 x 148, custom the settings' size.
// REQUIRES: IsPhotoLayout(layout).
struct PhotoSizeMm {
  int width = 0;
  int height = 0;
};
PhotoSizeMm PhotoSizeOf(int layout, const PrintSettings& settings);

// The label of a layout in the dialog's list: empty for the grids, e.g.
// "Lサイズ\n127×89" for the photo sizes and "カスタム\n" + width + "×" +
// height for the custom size.
std::string LayoutLabel(int layout, const PrintSettings& settings);

}  // namespace lumidex
