#pragma once

#include <QImage>
#include <QSize>
#include <string>

namespace lumidex {

class ThumbnailCache;

// The picture of `path` at about `bound`: its stored list thumbnail when
// `cache` holds one (decoded at half scale), else the file itself decoded at
// a reduced size (JPEG decoders scale while decoding). Null when neither can
// be read.
QImage SmallImageOf(const std::string& path, const ThumbnailCache* cache, QSize bound);

}  // namespace lumidex
