#include "images/actual_size.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

#include "images/fit_to_box.h"
#include "images/jpeg_codec.h"

namespace lumidex {
namespace {

int ClampToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, 1, INT_MAX)); }

// p = length * 100 / span, then p * length / 100, for one side.
int ZoomedLength(int length, int step) {
  if (length <= 0) return 0;
  // The span is at least length / 5 (see the header); the guard keeps the
  // division defined should the margin rule ever change.
  const int64_t span = std::max<int64_t>(1, int64_t{length} - 2 * int64_t{ZoomMargin(length, step)});
  const int64_t percent = int64_t{length} * 100 / span;
  return ClampToInt(percent * length / 100);
}

// One axis of ClampPan: the far edge first, then the near edge.
int ClampAxis(int pan, int margin, int view, int copy) {
  if (pan - margin > copy - view) pan = copy + margin - view;
  if (margin + pan < 0) pan = -margin;
  return pan;
}

// One axis of PanAfterZoom for a copy larger than the region.
int KeepNear(int pan, int margin, int view, int copy) {
  if (pan < 0) return -(margin >> 1);
  if (pan > copy - view) return copy - view + (margin >> 1);
  return pan;
}

// For each view position along one axis, the copy position it shows, or -1
// outside the copy.
std::vector<int> SourceIndex(int viewLength, int sourceStart, int sourceSpan, int copyLength) {
  std::vector<int> index(static_cast<size_t>(viewLength));
  for (int t = 0; t < viewLength; ++t) {
    const int64_t s = sourceStart + int64_t{t} * sourceSpan / viewLength;
    index[static_cast<size_t>(t)] = (s >= 0 && s < copyLength) ? static_cast<int>(s) : -1;
  }
  return index;
}

}  // namespace

int NextZoomStep(int step, bool in) {
  return std::clamp(step + (in ? 1 : -1), 0, kMaxZoomStep);
}

int ZoomMargin(int length, int step) {
  return static_cast<int>(int64_t{length} * std::clamp(step, 0, kMaxZoomStep) / 20);
}

PixelSize ZoomedSize(PixelSize copy, int step) {
  return {ZoomedLength(copy.width, step), ZoomedLength(copy.height, step)};
}

PixelSize LayoutZoomed(PixelSize copy, int step, PixelSize region) {
  const PixelSize zoomed = ZoomedSize(copy, step);
  return {std::max(1, std::min(zoomed.width, region.width)),
          std::max(1, std::min(zoomed.height, region.height))};
}

PixelRect VisibleSource(const ZoomView& zoom) {
  const int a = ZoomMargin(zoom.view.width, zoom.step);
  const int b = ZoomMargin(zoom.view.height, zoom.step);
  return {a + zoom.pan.x, b + zoom.pan.y, zoom.view.width - 2 * a, zoom.view.height - 2 * b};
}

Pan ClampPan(Pan pan, const ZoomView& zoom, PixelSize copy) {
  return {ClampAxis(pan.x, ZoomMargin(zoom.view.width, zoom.step), zoom.view.width, copy.width),
          ClampAxis(pan.y, ZoomMargin(zoom.view.height, zoom.step), zoom.view.height, copy.height)};
}

Pan PanAfterZoom(const ZoomView& zoom, PixelSize copy, PixelSize region) {
  const int a = ZoomMargin(zoom.view.width, zoom.step);
  const int b = ZoomMargin(zoom.view.height, zoom.step);
  if (copy.width > region.width || copy.height > region.height) {
    return {KeepNear(zoom.pan.x, a, zoom.view.width, copy.width),
            KeepNear(zoom.pan.y, b, zoom.view.height, copy.height)};
  }
  return {-a, -b};
}

bool NeedsScrolling(const ZoomView& zoom, PixelSize copy, PixelSize region) {
  const int a = ZoomMargin(zoom.view.width, zoom.step);
  const int b = ZoomMargin(zoom.view.height, zoom.step);
  return !(region.width >= copy.width + 2 * a && region.height >= copy.height + 2 * b);
}

void DrawZoomed(const Bitmap& copy, const ZoomView& zoom, Colour background, Bitmap& view) {
  if (view.empty()) return;
  const PixelRect source = VisibleSource({{view.width(), view.height()}, zoom.step, zoom.pan});
  const std::vector<int> columns = SourceIndex(view.width(), source.x, source.width, copy.width());
  const std::vector<int> rows = SourceIndex(view.height(), source.y, source.height, copy.height());
  const uint32_t fill = 0xFF000000u | ((background & 0xFF) << 16) | (background & 0xFF00) |
                        ((background >> 16) & 0xFF);
  for (int y = 0; y < view.height(); ++y) {
    auto* out = reinterpret_cast<uint32_t*>(view.row(y));
    const int sy = rows[static_cast<size_t>(y)];
    if (sy < 0 || copy.empty()) {
      std::fill(out, out + view.width(), fill);
      continue;
    }
    const uint8_t* in = copy.row(sy);
    for (int x = 0; x < view.width(); ++x) {
      const int sx = columns[static_cast<size_t>(x)];
      if (sx < 0) {
        out[x] = fill;
      } else {
        std::memcpy(&out[x], in + static_cast<size_t>(sx) * 4, 4);
      }
    }
  }
  view.setHasAlpha(false);
}

PixelSize NavigatorSize(PixelSize copy) {
  const FittedBox fitted = FitToBox(kNavigatorBoxWidth, kNavigatorBoxHeight, false, copy.width, copy.height);
  return {fitted.width, fitted.height};
}

PixelRect NavigatorOutline(const ZoomView& zoom, PixelSize copy, PixelSize nav) {
  const double sx = nav.width * 100.0 / std::max(1, copy.width);
  const double sy = nav.height * 100.0 / std::max(1, copy.height);
  const int ax = static_cast<int>(ZoomMargin(zoom.view.width, zoom.step) * sx * 0.01);
  const int by = static_cast<int>(ZoomMargin(zoom.view.height, zoom.step) * sy * 0.01);
  const int left = static_cast<int>(zoom.pan.x * sx * 0.01 + ax);
  const int top = static_cast<int>(zoom.pan.y * sy * 0.01 + by);
  const int width = static_cast<int>(zoom.view.width * sx * 0.01 - 2 * ax);
  const int height = static_cast<int>(zoom.view.height * sy * 0.01 - 2 * by);
  return {left, top, std::min(width, nav.width), std::min(height, nav.height)};
}

std::optional<Pan> NavigatorJump(int x, int y, const ZoomView& zoom, PixelSize copy, PixelSize nav) {
  if (x > nav.width || y > nav.height) return std::nullopt;
  // NavigatorSize keeps both sides at least 1, so these never divide by 0.
  const int fx = copy.width / std::max(1, nav.width);
  const int fy = copy.height / std::max(1, nav.height);
  const int a = ZoomMargin(zoom.view.width, zoom.step);
  const int b = ZoomMargin(zoom.view.height, zoom.step);
  return ClampPan({fx * x - a, fy * y - b}, zoom, copy);
}

}  // namespace lumidex

namespace lumidex {
namespace {

const char kSaveFailed[] = "保存に失敗しました。";

void PutLittle(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A bottom-up 24-bit BITMAPINFOHEADER file, rows padded to 4 bytes.
std::string EncodeBmp24(const Bitmap& picture) {
  const uint32_t rowBytes = (static_cast<uint32_t>(picture.width()) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(picture.height());
  std::string out;
  out.reserve(54 + imageBytes);
  out += "BM";
  PutLittle(out, 54 + imageBytes, 4);
  PutLittle(out, 0, 4);
  PutLittle(out, 54, 4);
  PutLittle(out, 40, 4);
  PutLittle(out, static_cast<uint32_t>(picture.width()), 4);
  PutLittle(out, static_cast<uint32_t>(picture.height()), 4);
  PutLittle(out, 1, 2);
  PutLittle(out, 24, 2);
  PutLittle(out, 0, 4);
  PutLittle(out, imageBytes, 4);
  PutLittle(out, 3780, 4);  // 96 dots per inch
  PutLittle(out, 3780, 4);
  PutLittle(out, 0, 4);
  PutLittle(out, 0, 4);
  for (int y = picture.height() - 1; y >= 0; --y) {
    const uint8_t* row = picture.row(y);
    for (int x = 0; x < picture.width(); ++x) out.append(reinterpret_cast<const char*>(row + x * 4), 3);
    out.append(rowBytes - static_cast<uint32_t>(picture.width()) * 3, '\0');
  }
  return out;
}

}  // namespace

Result<Bitmap> FullSizeEnlarged(const Bitmap& copy, int step) {
  if (copy.empty()) return Status::Error(kSaveFailed);
  const PixelSize size = ZoomedSize({copy.width(), copy.height()}, step);
  // A BMP row of 3 * width bytes times the height must stay below 4 GB too.
  if (!Bitmap::SizeAllowed(size.width, size.height)) return Status::Error(kSaveFailed);
  Bitmap enlarged = Bitmap::Create(size.width, size.height);
  if (enlarged.empty()) return Status::Error(kSaveFailed);
  // The whole copy onto the whole bitmap, each pixel a block.
  const std::vector<int> columns = SourceIndex(size.width, 0, copy.width(), copy.width());
  for (int y = 0; y < size.height; ++y) {
    const int sy = static_cast<int>(int64_t{y} * copy.height() / size.height);
    const auto* in = reinterpret_cast<const uint32_t*>(copy.row(sy));
    auto* out = reinterpret_cast<uint32_t*>(enlarged.row(y));
    for (int x = 0; x < size.width; ++x) out[x] = in[columns[static_cast<size_t>(x)]] | 0xFF000000u;
  }
  return enlarged;
}

Status SaveEnlargedPicture(const Bitmap& picture, const std::string& path, EnlargedFormat format) {
  if (picture.empty()) return Status::Error(kSaveFailed);
  std::string bytes;
  if (format == EnlargedFormat::kJpeg) {
    Result<std::string> jpeg = EncodeJpeg(picture, 90);
    if (!jpeg.ok()) return Status::Error(kSaveFailed);
    bytes = std::move(jpeg).value();
  } else {
    bytes = EncodeBmp24(picture);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return Status::Error(kSaveFailed);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) return Status::Error(kSaveFailed);
  return Status::Ok();
}

}  // namespace lumidex
