#include "freelayout/render/selection_mark.h"

namespace lumidex {
namespace {

// The dash-dot pen of the album's line drawing, in pixels on and off.
bool DashDotOn(int step) {
  const int phase = step % 24;
  return phase < 9 || (phase >= 15 && phase < 18);
}

}  // namespace

void DrawSelectionMark(Bitmap& bitmap, bool keepAspect) {
  if (bitmap.empty()) return;
  const int w = bitmap.width();
  const int h = bitmap.height();
  const uint32_t pen = keepAspect ? OpaquePixel(kBlack) : OpaquePixel(0xFF0000);
  // Lines leave out their end points, so each edge ends where the next
  // begins; the dash-dot pattern runs on round the corner.
  for (int x = 0; x < w - 1; ++x) bitmap.SetPixel(x, 0, pen);
  int step = 0;
  for (int y = 0; y < h - 1; ++y, ++step) {
    if (DashDotOn(step)) bitmap.SetPixel(w - 1, y, pen);
  }
  for (int x = w - 1; x > 1; --x, ++step) {
    if (DashDotOn(step)) bitmap.SetPixel(x, h - 1, pen);
  }
  for (int y = h - 2; y > 0; --y) bitmap.SetPixel(0, y, pen);
}

void EraseSelectionMark(Bitmap& bitmap, Colour frame, bool bevel, const FreePictureLook& look) {
  if (bitmap.empty()) return;
  const int w = bitmap.width();
  const int h = bitmap.height();
  const uint32_t colour = OpaquePixel(frame);
  for (int x = 0; x < w; ++x) {
    bitmap.SetPixel(x, 0, colour);
    bitmap.SetPixel(x, h - 1, colour);
  }
  for (int y = 0; y < h; ++y) {
    bitmap.SetPixel(0, y, colour);
    bitmap.SetPixel(w - 1, y, colour);
  }
  if (bevel) DrawBevel(bitmap, look.imgshadow, look.pageColour);
}

}  // namespace lumidex
