#include "images/dib_decoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "images/decode_memory.h"
#include "images/little_endian.h"

namespace lumidex {
namespace {

Status Damaged() { return Status::Error("ビットマップ画像を読み込めません"); }

// One colour channel given by a bit mask: where it sits and how to widen it
// to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  uint8_t Of(uint32_t pixel) const {
    if (mask == 0) return 0;
    const uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    // Replicate the high bits into the low ones: 5-bit 31 becomes 255.
    uint32_t out = 0;
    for (int filled = 0; filled < 8; filled += bits) out = (out << bits) | v;
    return static_cast<uint8_t>(out >> (((8 + bits - 1) / bits) * bits - 8));
  }
};

Channel ChannelOf(uint32_t mask) {
  Channel c;
  c.mask = mask;
  if (mask == 0) return c;
  while (((mask >> c.shift) & 1) == 0) ++c.shift;
  while (c.shift + c.bits < 32 && ((mask >> (c.shift + c.bits)) & 1)) ++c.bits;
  return c;
}

struct Header {
  size_t headerSize = 0;
  int64_t width = 0;
  int64_t height = 0;  // rows of the colour image, positive
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = 0;
  uint32_t coloursUsed = 0;
  bool core = false;                // 12-byte header: 3-byte palette entries
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha
};

Result<Header> ReadHeader(std::string_view dib, bool iconImage) {
  if (dib.size() < 12) return Damaged();
  Header h;
  h.headerSize = LittleEndian32(dib, 0);
  if (h.headerSize == 12) {
    h.core = true;
    h.width = LittleEndian16(dib, 4);
    h.height = static_cast<int16_t>(LittleEndian16(dib, 6));
    h.bitCount = static_cast<int>(LittleEndian16(dib, 10));
  } else if (h.headerSize >= 40 && h.headerSize <= 124 && dib.size() >= h.headerSize) {
    h.width = static_cast<int32_t>(LittleEndian32(dib, 4));
    h.height = static_cast<int32_t>(LittleEndian32(dib, 8));
    h.bitCount = static_cast<int>(LittleEndian16(dib, 14));
    h.compression = LittleEndian32(dib, 16);
    h.coloursUsed = LittleEndian32(dib, 32);
    if (h.headerSize >= 52) {
      h.masks = {LittleEndian32(dib, 40), LittleEndian32(dib, 44), LittleEndian32(dib, 48),
                 h.headerSize >= 56 ? LittleEndian32(dib, 52) : 0};
    }
  } else {
    return Damaged();
  }
  if (h.height < 0) {
    h.topDown = true;
    h.height = -h.height;
  }
  if (iconImage) h.height /= 2;
  if (!Bitmap::SizeAllowed(h.width, h.height) || BitmapBytes(h.width, h.height) > kMaxDecodeBytes) {
    return Damaged();
  }
  const int bc = h.bitCount;
  if (bc != 1 && bc != 4 && bc != 8 && bc != 16 && bc != 24 && bc != 32) return Damaged();
  const uint32_t c = h.compression;
  const bool valid = c == 0 || (c == 1 && bc == 8) || (c == 2 && bc == 4) ||
                     ((c == 3 || c == 6) && (bc == 16 || bc == 32));
  if (!valid) return Damaged();
  return h;
}

size_t RowBytes(int64_t width, int bitCount) {
  return static_cast<size_t>(((width * bitCount + 31) / 32) * 4);
}

// Decodes the run-length encoded rows of an 8-bit (RLE8) or 4-bit (RLE4)
// image straight into `bitmap` (file row 0 at `targetRow(0)`); pixels the
// runs never reach stay black. Work is bounded by the data, not by the
// declared size.
template <typename TargetRow>
void DecodeRle(std::string_view data, bool four, const std::vector<uint32_t>& palette,
               Bitmap& bitmap, TargetRow targetRow) {
  const int width = bitmap.width(), height = bitmap.height();
  size_t pos = 0;
  int x = 0, y = 0;
  auto put = [&](uint8_t index) {
    if (x < width && y < height) {
      reinterpret_cast<uint32_t*>(bitmap.row(targetRow(y)))[x] = palette[index];
    }
    ++x;
  };
  while (pos + 1 < data.size() && y < height) {
    const uint8_t count = static_cast<uint8_t>(data[pos]);
    const uint8_t value = static_cast<uint8_t>(data[pos + 1]);
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count && x < width; ++i)
        put(four ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (pos + 1 >= data.size()) return;
      x += static_cast<uint8_t>(data[pos]);
      y += static_cast<uint8_t>(data[pos + 1]);
      pos += 2;
    } else {
      const size_t bytes = four ? (value + 1) / 2 : value;
      for (int i = 0; i < value; ++i) {
        const size_t at = pos + (four ? i / 2 : i);
        if (at >= data.size()) return;
        const uint8_t b = static_cast<uint8_t>(data[at]);
        put(four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
      }
      pos += (bytes + 1) & ~size_t{1};
    }
  }
}

}  // namespace

Result<DibImage> DecodeDib(std::string_view dib, size_t pixelOffset, bool iconImage) {
  Result<Header> read = ReadHeader(dib, iconImage);
  if (!read.ok()) return read.status();
  Header h = read.value();
  const int width = static_cast<int>(h.width);
  const int height = static_cast<int>(h.height);

  size_t pos = h.headerSize;
  if (h.headerSize == 40 && (h.compression == 3 || h.compression == 6)) {
    const size_t count = h.compression == 6 ? 4 : 3;
    if (dib.size() < pos + 4 * count) return Damaged();
    for (size_t i = 0; i < count; ++i) h.masks[i] = LittleEndian32(dib, pos + 4 * i);
    pos += 4 * count;
  }
  std::vector<uint32_t> palette;  // 0xAARRGGBB with alpha 255
  if (h.bitCount <= 8) {
    size_t entries = h.coloursUsed != 0 && h.coloursUsed < (1u << h.bitCount) ? h.coloursUsed
                                                                              : (1u << h.bitCount);
    const size_t entrySize = h.core ? 3 : 4;
    entries = std::min(entries, (dib.size() - std::min(dib.size(), pos)) / entrySize);
    for (size_t i = 0; i < entries; ++i) {
      const size_t at = pos + i * entrySize;
      palette.push_back(0xFF000000u |
                        (static_cast<uint32_t>(static_cast<uint8_t>(dib[at + 2])) << 16) |
                        (static_cast<uint32_t>(static_cast<uint8_t>(dib[at + 1])) << 8) |
                        static_cast<uint8_t>(dib[at]));
    }
    pos += entries * entrySize;
    palette.resize(size_t{1} << h.bitCount, 0xFF000000u);
  }
  if (pixelOffset != 0) pos = pixelOffset;
  const std::string_view data = pos < dib.size() ? dib.substr(pos) : std::string_view();

  DibImage image;
  image.bitCount = h.bitCount;
  image.bitmap = Bitmap::Create(width, height);
  if (image.bitmap.empty()) return Damaged();

  const size_t rowBytes = RowBytes(width, h.bitCount);
  auto targetRow = [&](int fileRow) { return h.topDown ? fileRow : height - 1 - fileRow; };

  Channel red, green, blue, alpha;
  if (h.bitCount == 16 || h.bitCount == 32) {
    const bool masked = h.compression == 3 || h.compression == 6;
    if (masked) {
      red = ChannelOf(h.masks[0]);
      green = ChannelOf(h.masks[1]);
      blue = ChannelOf(h.masks[2]);
      alpha = ChannelOf(h.masks[3]);
    } else if (h.bitCount == 16) {
      red = ChannelOf(0x7C00);
      green = ChannelOf(0x03E0);
      blue = ChannelOf(0x001F);
    } else {
      red = ChannelOf(0x00FF0000);
      green = ChannelOf(0x0000FF00);
      blue = ChannelOf(0x000000FF);
      alpha = ChannelOf(0xFF000000);
    }
  }

  bool anyAlpha = false;
  int rowsDecoded = 0;
  if (h.compression == 1 || h.compression == 2) {
    DecodeRle(data, h.compression == 2, palette, image.bitmap, targetRow);
    rowsDecoded = height;
  } else {
    for (int fileRow = 0; fileRow < height; ++fileRow) {
      const size_t at = static_cast<size_t>(fileRow) * rowBytes;
      if (at + rowBytes > data.size()) break;
      rowsDecoded = fileRow + 1;
      const auto* src = reinterpret_cast<const uint8_t*>(data.data() + at);
      auto* to = reinterpret_cast<uint32_t*>(image.bitmap.row(targetRow(fileRow)));
      for (int x = 0; x < width; ++x) {
        switch (h.bitCount) {
          case 1:
            to[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
            break;
          case 4:
            to[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
            break;
          case 8:
            to[x] = palette[src[x]];
            break;
          case 24:
            to[x] = 0xFF000000u | (uint32_t{src[x * 3 + 2]} << 16) |
                    (uint32_t{src[x * 3 + 1]} << 8) | src[x * 3];
            break;
          default: {
            const uint32_t p = h.bitCount == 16 ? (src[x * 2] | (uint32_t{src[x * 2 + 1]} << 8))
                                                : (src[x * 4] | (uint32_t{src[x * 4 + 1]} << 8) |
                                                   (uint32_t{src[x * 4 + 2]} << 16) |
                                                   (uint32_t{src[x * 4 + 3]} << 24));
            const uint8_t a = alpha.mask != 0 ? alpha.Of(p) : 0xFF;
            if (a != 0) anyAlpha = true;
            to[x] = (uint32_t{iconImage ? a : uint8_t{0xFF}} << 24) | (uint32_t{red.Of(p)} << 16) |
                    (uint32_t{green.Of(p)} << 8) | blue.Of(p);
          }
        }
      }
    }
  }

  // Missing rows stay zero; as the result is opaque their alpha is unused.
  if (!iconImage) return image;
  // Icon: a 32-bit image with real alpha keeps it; every other one takes
  // its alpha from the mask rows that follow the colour rows.
  if (h.bitCount == 32 && anyAlpha) {
    image.bitmap.setHasAlpha(true);
    return image;
  }
  const size_t maskRowBytes = RowBytes(width, 1);
  const size_t maskStart = rowBytes * static_cast<size_t>(height);
  // Rows the file never reached stay transparent.
  for (int fileRow = 0; fileRow < rowsDecoded; ++fileRow) {
    const size_t at = maskStart + static_cast<size_t>(fileRow) * maskRowBytes;
    uint8_t* to = image.bitmap.row(targetRow(fileRow));
    const bool present = at + maskRowBytes <= data.size();
    for (int x = 0; x < width; ++x) {
      const bool transparent =
          present && ((static_cast<uint8_t>(data[at + (x >> 3)]) >> (7 - (x & 7))) & 1);
      to[static_cast<size_t>(x) * 4 + 3] = transparent ? 0 : 0xFF;
    }
  }
  image.bitmap.setHasAlpha(true);
  return image;
}

int64_t DibDecodeBytes(std::string_view dib, bool iconImage) {
  if (dib.size() < 16) return 0;
  const uint32_t headerSize = LittleEndian32(dib, 0);
  int64_t width = 0, height = 0;
  if (headerSize == 12) {
    width = LittleEndian16(dib, 4);
    height = static_cast<int16_t>(LittleEndian16(dib, 6));
  } else {
    width = static_cast<int32_t>(LittleEndian32(dib, 4));
    height = static_cast<int32_t>(LittleEndian32(dib, 8));
  }
  height = height < 0 ? -height : height;
  return BitmapBytes(width, iconImage ? height / 2 : height);
}

int64_t BmpDecodeBytes(std::string_view bytes) {
  const bool fileHeader = bytes.size() >= 14 && bytes[0] == 'B' && bytes[1] == 'M';
  return DibDecodeBytes(fileHeader ? bytes.substr(14) : bytes, false);
}

Result<Bitmap> DecodeBmp(std::string_view bytes) {
  if (bytes.size() >= 14 && bytes[0] == 'B' && bytes[1] == 'M') {
    const size_t offset = LittleEndian32(bytes, 10);
    if (offset < 14 + 12 || offset > bytes.size()) return Damaged();
    Result<DibImage> image = DecodeDib(bytes.substr(14), offset - 14, false);
    if (!image.ok()) return image.status();
    return std::move(image.value().bitmap);
  }
  Result<DibImage> image = DecodeDib(bytes, 0, false);
  if (!image.ok()) return image.status();
  return std::move(image.value().bitmap);
}

}  // namespace lumidex
