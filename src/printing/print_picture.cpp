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
  Bitmap scaled = decoded.width() == sourceW && decoded.height() == sourceH
                      ? std::move(decoded)
                      : (options.fine ? ScaleAreaAverage(decoded, sourceW, sourceH)
                                      : ScaleNearest(decoded, sourceW, sourceH));
  decoded = Bitmap();
  if (scaled.empty()) return Status::Error("画像を縮小できません: " + path);
  Bitmap upright = turned ? TurnBitmap(scaled, placement.turn) : std::move(scaled);
  const int windowW = std::min(Scaled(placement.target.width, options.scale), upright.width());
  const int windowH = std::min(Scaled(placement.target.height, options.scale), upright.height());
  if (windowW < upright.width() || windowH < upright.height()) {
    const int left = std::clamp(static_cast<int>(std::lround(placement.cropX * options.scale)), 0,
                                upright.width() - windowW);
    const int top = std::clamp(static_cast<int>(std::lround(placement.cropY * options.scale)), 0,
                               upright.height() - windowH);
    upright = CropBitmap(upright, left, top, windowW, windowH);
  }
  if (options.grey) ToGrey(upright);
  result.pixels = std::move(upright);
  return result;
}

}  // namespace lumidex
