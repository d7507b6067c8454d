#include "freelayout/item_rotation.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "freelayout/free_picture.h"
#include "images/scaling.h"

namespace lumidex {
namespace {

// The angle of a rotation step. The album has always used 3.14 rather than
// pi here; keeping it keeps the sizes of turned pictures as stored.
double PictureAngle(int rotation) {
  const int degrees = rotation > 0 ? 2 * rotation : 0;
  return degrees * 3.14 / 180;
}

// A neighbour coordinate beyond the picture comes from the opposite edge.
int Wrap(int v, int n) { return v >= 0 ? v % n : n - ((-v) % n) - 1; }

// The picture as the kernel reads it: baseWidth x baseHeight on the page
// colour (white while printing), with the bevel when asked for.
Bitmap WorkingPicture(const Bitmap& picture, int width, int height,
                      const PictureRotation& rotation) {
  Bitmap working = Bitmap::Create(width, height);
  if (working.empty()) return working;
  working.Fill(rotation.printing ? kWhite : rotation.pageColour);
  const Bitmap* source = &picture;
  Bitmap bevelled;
  if (rotation.bevel) {
    bevelled = picture.Clone();
    DrawBevel(bevelled, true, rotation.pageColour);
    source = &bevelled;
  }
  const int inset = rotation.bevel && rotation.edgeFix ? 1 : 0;
  const int innerWidth = width - 2 * inset;
  const int innerHeight = height - 2 * inset;
  if (innerWidth < 1 || innerHeight < 1) return working;
  const Bitmap stretched = source->width() == innerWidth && source->height() == innerHeight
                               ? Bitmap()
                               : ScaleNearest(*source, innerWidth, innerHeight);
  const Bitmap& inner = stretched.empty() ? *source : stretched;
  if (inner.width() != innerWidth || inner.height() != innerHeight) return working;
  for (int y = 0; y < innerHeight; ++y) {
    std::memcpy(working.row(y + inset) + 4 * inset, inner.row(y), static_cast<size_t>(innerWidth) * 4);
  }
  working.MakeOpaque();
  return working;
}

}  // namespace

int RotationGreyLevel(bool printing) { return printing ? 255 : 240; }

RotatedSize RotatedPictureSize(int baseWidth, int baseHeight, int rotation) {
  const double angle = PictureAngle(rotation);
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return {static_cast<int>(std::abs(baseWidth * c) + std::abs(baseHeight * s) + 0.5),
          static_cast<int>(std::abs(baseWidth * s) + std::abs(baseHeight * c) + 0.5)};
}

Bitmap RotateItemPicture(const Bitmap& picture, int baseWidth, int baseHeight,
                         const PictureRotation& rotation) {
  if (picture.empty()) return Bitmap();
  const RotatedSize size = RotatedPictureSize(baseWidth, baseHeight, rotation.rotation);
  const Bitmap source = WorkingPicture(picture, baseWidth, baseHeight, rotation);
  Bitmap target = Bitmap::Create(size.width, size.height);
  if (source.empty() || target.empty()) return Bitmap();
  const int grey = RotationGreyLevel(rotation.printing);
  target.Fill(RgbColour(grey, grey, grey));

  const int sw = baseWidth;
  const int sh = baseHeight;
  const int nw = size.width;
  const int nh = size.height;
  const int cx = sw / 2;
  const int cy = sh / 2;
  const int dx = nw / 2;
  const int dy = nh / 2;
  const double angle = PictureAngle(rotation.rotation);
  const int64_t c = static_cast<int64_t>(65536 * std::cos(angle));
  const int64_t s = static_cast<int64_t>(65536 * std::sin(angle));
  // Rows are counted from the bottom, as the picture arrays of the album
  // always were: with both sides counted so, the sampling below turns the
  // picture clockwise on screen.
  const auto sourceRow = [&](int fromBottom) { return source.row(sh - 1 - fromBottom); };
  for (int i = 0; i < nh; ++i) {
    uint8_t* out = target.row(nh - 1 - i);
    for (int j = 0; j < nw; ++j) {
      const int64_t p = (i - dy) * c + (j - dx) * s;
      const int64_t q = (j - dx) * c - (i - dy) * s;
      const int sy = static_cast<int>(p >> 16) + cy;
      const int sx = static_cast<int>(q >> 16) + cx;
      if (sx < 0 || sx >= sw || sy < 0 || sy >= sh) continue;
      const int fy = static_cast<int>((p >> 8) & 0xFF);
      const int fx = static_cast<int>((q >> 8) & 0xFF);
      const int w00 = (255 - fy) * (255 - fx) / 255;
      const int w01 = fx * (255 - fy) / 255;
      const int w10 = fy * (255 - fx) / 255;
      const int w11 = fy * fx / 255;
      const int x1 = Wrap(sx + 1, sw);
      const int y1 = Wrap(sy + 1, sh);
      const uint8_t* r0 = sourceRow(sy);
      const uint8_t* r1 = sourceRow(y1);
      uint8_t* pixel = out + 4 * j;
      int channels[3];
      for (int k = 0; k < 3; ++k) {
        channels[k] = (w00 * r0[4 * sx + k] + w01 * r0[4 * x1 + k] + w10 * r1[4 * sx + k] +
                       w11 * r1[4 * x1 + k]) /
                      255;
      }
      // Only a pixel that is the grey in every channel is moved off it; a
      // test on the three bytes ANDed together would also move colours
      // such as (240, 255, 241) and leave no way to tell them apart.
      const bool isGrey = channels[0] == grey && channels[1] == grey && channels[2] == grey;
      for (int k = 0; k < 3; ++k) pixel[k] = static_cast<uint8_t>(isGrey ? grey - 1 : channels[k]);
    }
  }
  return target;
}

}  // namespace lumidex
