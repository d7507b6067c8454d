#include "printing/print_picture.h"

#include <algorithm>
#include <cmath>

#include "foundation/file_types.h"
#include "images/composite.h"
#include "images/jpeg_codec.h"
#include "images/picture_loader.h"
#include "images/scaling.h"
#include "printing/print_pixels.h"

namespace lumidex {

namespace {

int Scaled(int length, double scale) {
  return std::max(1, static_cast<int>(std::lround(length * scale)));
}

bool IsJpeg(const std::string& extension) { return extension == ".jpg" || extension == ".jpeg"; }

}  // namespace

Result<CellPicture> RenderCellPicture(const std::string& path, const SheetGeometry& sheet,
                                      const SheetCell& cell, const PrintSettings& settings,
                                      bool sheetLandscape, CellOffsets offsets,
                                      const CellPictureOptions& options) {
  Result<std::string> read = ReadPictureFile(path);
  if (!read.ok()) return read.status();
  std::string bytes = std::move(read).value();
  const std::string extension = ExtensionOf(path);
  CellPicture result;
  Bitmap decoded;
  if (IsJpeg(extension)) {
    Result<JpegSize> size = ReadJpegSize(bytes);
    if (!size.ok()) return size.status();
    result.placement = PlacePicture(sheet, cell, settings, sheetLandscape, size.value().width,
                                    size.value().height, offsets);
  } else {
    Result<Bitmap> full = DecodePicture(bytes, extension);
    if (!full.ok()) return full.status();
    decoded = std::move(full).value();
    result.placement = PlacePicture(sheet, cell, settings, sheetLandscape, decoded.width(),
                                    decoded.height(), offsets);
  }
  const CellPlacement& placement = result.placement;
  const bool turned = placement.turn != QuarterTurn::kNone;
  // The scaled size in the file's own orientation.
  const int drawW = Scaled(placement.drawW, options.scale);
  const int drawH = Scaled(placement.drawH, options.scale);
  const int sourceW = turned ? drawH : drawW;
  const int sourceH = turned ? drawW : drawH;
  if (IsJpeg(extension)) {
    JpegDecodeOptions jpeg;
    jpeg.coverWidth = sourceW;
    jpeg.coverHeight = sourceH;
    Result<Bitmap> scaledDecode = DecodeJpeg(bytes, jpeg);
    if (!scaledDecode.ok()) return scaledDecode.status();
    decoded = std::move(scaledDecode).value();
  }
  std::string().swap(bytes);  // one page's pictures at a time stay in memory
  if (decoded.hasAlpha()) CompositeOverColour(decoded, 0xFFFFFF);
  // On paper the decoder's pixels are kept when they cover the print by at
  // most a third more (the JPEG scales are eighths): the device scales them
  // while placing, which costs nothing in a PDF. Smaller pictures are never
  // enlarged here. The preview asks for exactly its pixels.
  const bool rescale = options.exact ? decoded.width() != sourceW || decoded.height() != sourceH
                                     : decoded.width() * 3 > sourceW * 4 ||
                                           decoded.height() * 3 > sourceH * 4;
  Bitmap scaled = !rescale ? std::move(decoded)
                           : (options.fine ? ScaleAreaAverage(decoded, sourceW, sourceH)
                                           : ScaleNearest(decoded, sourceW, sourceH));
  decoded = Bitmap();
  if (scaled.empty()) return Status::Error("画像を縮小できません: " + path);
  // The window of the target in the picture's pixels. The pixels stay in
  // the file's orientation (the painter turns them while placing, which in
  // a PDF costs nothing), so the window found in the turned picture is
  // mapped back.
  const int uprightW = turned ? scaled.height() : scaled.width();
  const int uprightH = turned ? scaled.width() : scaled.height();
  const double fx = static_cast<double>(uprightW) / std::max(1, placement.drawW);
  const double fy = static_cast<double>(uprightH) / std::max(1, placement.drawH);
  const int windowW =
      std::clamp(static_cast<int>(std::lround(placement.target.width * fx)), 1, uprightW);
  const int windowH =
      std::clamp(static_cast<int>(std::lround(placement.target.height * fy)), 1, uprightH);
  Bitmap upright = std::move(scaled);
  if (windowW < uprightW || windowH < uprightH) {
    const int left =
        std::clamp(static_cast<int>(std::lround(placement.cropX * fx)), 0, uprightW - windowW);
    const int top =
        std::clamp(static_cast<int>(std::lround(placement.cropY * fy)), 0, uprightH - windowH);
    switch (placement.turn) {
      case QuarterTurn::kNone:
        upright = CropBitmap(upright, left, top, windowW, windowH);
        break;
      case QuarterTurn::kClockwise:  // turned (x, y) came from (y, h - 1 - x)
        upright = CropBitmap(upright, top, upright.height() - left - windowW, windowH, windowW);
        break;
      case QuarterTurn::kCounterClockwise:  // turned (x, y) came from (w - 1 - y, x)
        upright = CropBitmap(upright, upright.width() - top - windowH, left, windowH, windowW);
        break;
    }
  }
  if (options.grey) ToGrey(upright);
  result.pixels = std::move(upright);
  return result;
}

}  // namespace lumidex
