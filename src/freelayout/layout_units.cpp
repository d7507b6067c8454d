#include "freelayout/layout_units.h"

#include <climits>
#include <cmath>

namespace lumidex {
namespace {

// trunc(value) as an int; values beyond the int range (a huge pixel value on
// a tiny canvas) are held at its ends instead of overflowing.
int TruncatedInt(double value) {
  if (!(value > INT_MIN)) return std::isnan(value) ? 0 : INT_MIN;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(value);
}

int PixelsToUnits(int pixels, double factor) {
  return factor > 0 ? TruncatedInt(pixels / factor) : 0;
}

// `units` while it still shows at `pixels`, else the units of `pixels`.
int KeepOrConvert(int units, int pixels, int (LayoutScale::*toPixels)(int) const,
                  int (LayoutScale::*toUnits)(int) const, const LayoutScale& scale) {
  return (scale.*toPixels)(units) == pixels ? units : (scale.*toUnits)(pixels);
}

}  // namespace

LayoutScale::LayoutScale(int width, int height)
    : width_(width),
      height_(height),
      factorX_(width > 0 ? width * (1.0 / kLayoutUnitsWide) : 0.0),
      factorY_(height > 0 ? height * (1.0 / kLayoutUnitsHigh) : 0.0) {}

int LayoutScale::UnitsToPixelsX(int units) const { return TruncatedInt(units * factorX_); }
int LayoutScale::UnitsToPixelsY(int units) const { return TruncatedInt(units * factorY_); }
int LayoutScale::PixelsToUnitsX(int pixels) const { return PixelsToUnits(pixels, factorX_); }
int LayoutScale::PixelsToUnitsY(int pixels) const { return PixelsToUnits(pixels, factorY_); }

CanvasRect ItemPixelRect(const FreeLayoutItem& item, const LayoutScale& scale) {
  return {scale.UnitsToPixelsX(item.x), scale.UnitsToPixelsY(item.y),
          scale.UnitsToPixelsX(item.width), scale.UnitsToPixelsY(item.height)};
}

void ApplyPixelRect(FreeLayoutItem& item, const CanvasRect& rect, const LayoutScale& scale) {
  using S = LayoutScale;
  item.x = KeepOrConvert(item.x, rect.left, &S::UnitsToPixelsX, &S::PixelsToUnitsX, scale);
  item.y = KeepOrConvert(item.y, rect.top, &S::UnitsToPixelsY, &S::PixelsToUnitsY, scale);
  item.width = KeepOrConvert(item.width, rect.width, &S::UnitsToPixelsX, &S::PixelsToUnitsX, scale);
  item.height =
      KeepOrConvert(item.height, rect.height, &S::UnitsToPixelsY, &S::PixelsToUnitsY, scale);
  item.baseWidth = rect.width;
  item.baseHeight = rect.height;
}

}  // namespace lumidex
