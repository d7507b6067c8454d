#include "imagelist/ui/small_picture.h"

#include <QImageReader>

#include "images/thumbnail_cache.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

QImage SmallImageOf(const std::string& path, const ThumbnailCache* cache, QSize bound) {
  if (cache != nullptr) {
    QImageReader stored(ToQString(cache->CacheFileName(path)));
    const QSize size = stored.size();
    if (size.isValid()) {
      stored.setScaledSize(size / 2);
      if (QImage image = stored.read(); !image.isNull()) return image;
    }
  }
  QImageReader reader(ToQString(path));
  const QSize full = reader.size();
  if (full.isValid()) reader.setScaledSize(full.scaled(bound, Qt::KeepAspectRatio));
  return reader.read();
}

}  // namespace lumidex
