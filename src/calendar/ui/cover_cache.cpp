#include "calendar/ui/cover_cache.h"

#include "images/jpeg_codec.h"

namespace lumidex {

CoverCache::Entry& CoverCache::EntryFor(std::string_view md, std::string_view jpeg) {
  auto it = entries_.find(md);
  if (it == entries_.end()) it = entries_.emplace(std::string(md), Entry{}).first;
  Entry& entry = it->second;
  if (entry.data != jpeg.data() || entry.size != jpeg.size()) {
    entry = Entry{};
    entry.data = jpeg.data();
    entry.size = jpeg.size();
    const Result<JpegSize> size = ReadJpegSize(jpeg);
    if (size.ok()) {
      entry.width = size.value().width;
      entry.height = size.value().height;
    }
  }
  return entry;
}

std::pair<int, int> CoverCache::SizeOf(std::string_view md, std::string_view jpeg) {
  const Entry& entry = EntryFor(md, jpeg);
  return {entry.width, entry.height};
}

QImage CoverCache::Scaled(std::string_view md, std::string_view jpeg, int width, int height) {
  Entry& entry = EntryFor(md, jpeg);
  if (entry.width < 1 || width < 1 || height < 1) return {};
  auto it = entry.scaled.find({width, height});
  if (it == entry.scaled.end()) {
    QImage scaled;
    // Decoding at the smallest scale that still covers the cell's picture
    // area leaves less to decode and less to scale down.
    JpegDecodeOptions options;
    options.coverWidth = width;
    options.coverHeight = height;
    Result<Bitmap> decoded = DecodeJpeg(jpeg, options);
    if (decoded.ok()) {
      const Bitmap& bitmap = decoded.value();
      // Bitmap rows are blue, green, red, alpha bytes: Format_RGB32 on a
      // little-endian machine, read in place.
      const QImage source(bitmap.data(), bitmap.width(), bitmap.height(),
                          static_cast<qsizetype>(bitmap.stride()), QImage::Format_RGB32);
      scaled = source.size() == QSize(width, height)
                   ? source.copy()
                   : source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    it = entry.scaled.emplace(std::make_pair(width, height), std::move(scaled)).first;
  }
  return it->second;
}

}  // namespace lumidex
