#include "calendar/ui/cover_cache.h"

#include "images/jpeg_codec.h"
#include "images/scaling.h"

namespace lumidex {

CoverCache::Entry& CoverCache::EntryFor(std::string_view md, std::string_view jpeg) {
  auto it = entries_.find(md);
  if (it == entries_.end()) it = entries_.emplace(std::string(md), Entry{}).first;
  Entry& entry = it->second;
  if (entry.data != jpeg.data() || entry.size != jpeg.size()) {
    entry = Entry{};
    entry.data = jpeg.data();
    entry.size = jpeg.size();
    Result<Bitmap> decoded = DecodeJpeg(jpeg);
    if (decoded.ok()) entry.decoded = std::move(decoded).value();
  }
  return entry;
}

std::pair<int, int> CoverCache::SizeOf(std::string_view md, std::string_view jpeg) {
  const Entry& entry = EntryFor(md, jpeg);
  return {entry.decoded.width(), entry.decoded.height()};
}

QImage CoverCache::Scaled(std::string_view md, std::string_view jpeg, int width, int height) {
  Entry& entry = EntryFor(md, jpeg);
  if (entry.decoded.empty() || width < 1 || height < 1) return {};
  auto it = entry.scaled.find({width, height});
  if (it == entry.scaled.end()) {
    Bitmap scaled = width == entry.decoded.width() && height == entry.decoded.height()
                        ? entry.decoded.Clone()
                        : ScaleAreaAverage(entry.decoded, width, height);
    it = entry.scaled.emplace(std::make_pair(width, height), std::move(scaled)).first;
  }
  const Bitmap& bitmap = it->second;
  if (bitmap.empty()) return {};
  // Bitmap rows are blue, green, red, alpha bytes: Format_RGB32 on a
  // little-endian machine, shared without a copy.
  return QImage(bitmap.data(), bitmap.width(), bitmap.height(),
                static_cast<qsizetype>(bitmap.stride()), QImage::Format_RGB32);
}

}  // namespace lumidex
