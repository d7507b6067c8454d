#include "images/exif_segment.h"

#include <cstdio>
#include <memory>

#include "foundation/text_compare.h"

namespace lumidex {
namespace {

// A forward-only byte source: a memory block or a file.
class Source {
 public:
  virtual ~Source() = default;
  // Exactly n bytes into `out`, or false.
  virtual bool Read(size_t n, std::string& out) = 0;
  virtual bool Skip(size_t n) = 0;
};

class MemorySource final : public Source {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  bool Read(size_t n, std::string& out) override {
    if (n > bytes_.size() - pos_) return false;
    out.assign(bytes_.substr(pos_, n));
    pos_ += n;
    return true;
  }
  bool Skip(size_t n) override {
    if (n > bytes_.size() - pos_) return false;
    pos_ += n;
    return true;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

class FileSource final : public Source {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  bool Read(size_t n, std::string& out) override {
    out.resize(n);
    return std::fread(out.data(), 1, n, file_) == n;
  }
  bool Skip(size_t n) override { return std::fseek(file_, static_cast<long>(n), SEEK_CUR) == 0; }

 private:
  std::FILE* file_;
};

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

bool IsExifHeader(std::string_view data) {
  return data.size() >= 5 && EqualsNoCase(data.substr(0, 4), "Exif") && data[4] == '\0';
}

// JPEG layout: 0xFF 0xD8, then segments "0xFF marker length(2, big-endian,
// counting itself) data"; fill bytes 0xFF may precede a marker; markers
// 0x01 and 0xD0..0xD7 stand alone; 0xDA (start of scan) is followed by the
// entropy-coded data, 0xD9 ends the image.
std::optional<std::string> Walk(Source& source) {
  std::string bytes;
  if (!source.Read(2, bytes) || static_cast<uint8_t>(bytes[0]) != 0xFF ||
      static_cast<uint8_t>(bytes[1]) != 0xD8) {
    return std::nullopt;
  }
  for (;;) {
    if (!source.Read(1, bytes) || static_cast<uint8_t>(bytes[0]) != 0xFF) return std::nullopt;
    uint8_t marker = 0xFF;
    while (marker == 0xFF) {
      if (!source.Read(1, bytes)) return std::nullopt;
      marker = static_cast<uint8_t>(bytes[0]);
    }
    if (marker == 0xDA || marker == 0xD9 || marker == 0x00) return std::nullopt;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
    if (!source.Read(2, bytes)) return std::nullopt;
    const size_t length = (size_t{static_cast<uint8_t>(bytes[0])} << 8) | static_cast<uint8_t>(bytes[1]);
    if (length < 2) return std::nullopt;
    if (marker == 0xE1) {
      std::string data;
      if (!source.Read(length - 2, data)) return std::nullopt;
      if (IsExifHeader(data)) return data;
      continue;
    }
    if (!source.Skip(length - 2)) return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> FindExifSegment(std::string_view jpeg) {
  MemorySource source(jpeg);
  return Walk(source);
}

std::optional<std::string> ReadExifSegment(const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  FileSource source(file.get());
  return Walk(source);
}

}  // namespace lumidex
