#pragma once
// Builders of small test pictures: JPEGs and PNGs written with the real
// libraries, BMP, ICO, GIF and Exif bytes put together by hand.

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

namespace lumidex::testing {

// The colour of pixel (x, y) as 0xRRGGBB.
using PixelFn = std::function<uint32_t(int x, int y)>;

inline uint32_t Gradient(int x, int y) {
  return (static_cast<uint32_t>(x * 7 & 0xFF) << 16) | (static_cast<uint32_t>(y * 5 & 0xFF) << 8) | 0x40;
}

enum class JpegKind { kBaseline, kProgressive, kGrey, kCmyk };

// `tune`, when given, changes the encoder's settings (sampling, restart
// interval) before the picture is written.
inline std::string WriteJpeg(int width, int height, JpegKind kind = JpegKind::kBaseline,
                             const PixelFn& pixel = Gradient, int quality = 90,
                             const std::function<void(jpeg_compress_struct&)>& tune = {}) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  const int components = kind == JpegKind::kGrey ? 1 : kind == JpegKind::kCmyk ? 4 : 3;
  cinfo.input_components = components;
  cinfo.in_color_space = kind == JpegKind::kGrey ? JCS_GRAYSCALE : kind == JpegKind::kCmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (kind == JpegKind::kProgressive) jpeg_simple_progression(&cinfo);
  if (tune) tune(cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(width) * components);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = pixel(x, y);
      const unsigned char r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
      unsigned char* p = row.data() + static_cast<size_t>(x) * components;
      if (kind == JpegKind::kGrey) {
        p[0] = static_cast<unsigned char>((r * 3 + g * 6 + b) / 10);
      } else if (kind == JpegKind::kCmyk) {
        // Adobe style, as libjpeg writes it: inverted inks, no black.
        p[0] = r;
        p[1] = g;
        p[2] = b;
        p[3] = 255;
      } else {
        p[0] = r;
        p[1] = g;
        p[2] = b;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

struct PngOptions {
  int colourType = PNG_COLOR_TYPE_RGB;
  int bitDepth = 8;
  bool interlaced = false;
  double gamma = 0;           // > 0: write a gAMA chunk
  bool transparency = false;  // write a tRNS chunk (index 0 / grey 0 / colour of pixel (0,0))
  size_t truncateTo = 0;      // > 0: cut the file to this many bytes
};

inline void PngWriteToString(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}
inline void PngFlush(png_structp) {}

// Pixels: sample values from `sample(x, y, channel)` for every channel of
// the colour type (palette index for palette pictures, whose palette is
// entry i = (i * 16, 255 - i * 16, i * 4)).
inline std::string WritePng(int width, int height, const PngOptions& o,
                            const std::function<int(int x, int y, int channel)>& sample) {
  std::string bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &bytes, PngWriteToString, PngFlush);
  png_set_IHDR(png, info, width, height, o.bitDepth, o.colourType,
               o.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (o.colourType == PNG_COLOR_TYPE_PALETTE) {
    std::vector<png_color> palette(size_t{1} << o.bitDepth);
    for (size_t i = 0; i < palette.size(); ++i) {
      palette[i] = {static_cast<png_byte>(i * 16), static_cast<png_byte>(255 - i * 16), static_cast<png_byte>(i * 4)};
    }
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  }
  if (o.gamma > 0) png_set_gAMA(png, info, o.gamma);
  if (o.transparency) {
    if (o.colourType == PNG_COLOR_TYPE_PALETTE) {
      png_byte alpha[1] = {0};
      png_set_tRNS(png, info, alpha, 1, nullptr);
    } else {
      png_color_16 colour{};
      colour.gray = static_cast<png_uint_16>(sample(0, 0, 0));
      colour.red = static_cast<png_uint_16>(sample(0, 0, 0));
      colour.green = static_cast<png_uint_16>(o.colourType == PNG_COLOR_TYPE_RGB ? sample(0, 0, 1) : 0);
      colour.blue = static_cast<png_uint_16>(o.colourType == PNG_COLOR_TYPE_RGB ? sample(0, 0, 2) : 0);
      png_set_tRNS(png, info, nullptr, 0, &colour);
    }
  }
  png_write_info(png, info);
  const int channels = o.colourType == PNG_COLOR_TYPE_RGB ? 3
                       : o.colourType == PNG_COLOR_TYPE_RGB_ALPHA ? 4
                       : o.colourType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2 : 1;
  const size_t rowBytes = (static_cast<size_t>(width) * channels * o.bitDepth + 7) / 8;
  std::vector<std::vector<png_byte>> rows(height, std::vector<png_byte>(rowBytes));
  for (int y = 0; y < height; ++y) {
    size_t bit = 0;
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < channels; ++c) {
        const unsigned v = static_cast<unsigned>(sample(x, y, c));
        if (o.bitDepth == 16) {
          rows[y][bit / 8] = static_cast<png_byte>(v >> 8);
          rows[y][bit / 8 + 1] = static_cast<png_byte>(v & 0xFF);
        } else if (o.bitDepth == 8) {
          rows[y][bit / 8] = static_cast<png_byte>(v);
        } else {
          rows[y][bit / 8] |= static_cast<png_byte>((v & ((1u << o.bitDepth) - 1)) << (8 - o.bitDepth - bit % 8));
        }
        bit += static_cast<size_t>(o.bitDepth);
      }
    }
  }
  std::vector<png_bytep> pointers;
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (o.truncateTo > 0 && o.truncateTo < bytes.size()) bytes.resize(o.truncateTo);
  return bytes;
}

// `jpeg` with the size in its frame header (SOF0 or SOF2) replaced; the
// data stay those of the real size, so a decoder that starts on it finds
// them ending early. `fullChroma` makes the first component's sampling 1x1
// (4:4:4), which triples the coefficients of a colour picture.
inline std::string WithJpegFrameSize(std::string jpeg, int width, int height,
                                     bool fullChroma = false) {
  size_t sof = jpeg.find("\xFF\xC0");
  if (sof == std::string::npos) sof = jpeg.find("\xFF\xC2");
  jpeg[sof + 5] = static_cast<char>(height >> 8);
  jpeg[sof + 6] = static_cast<char>(height & 0xFF);
  jpeg[sof + 7] = static_cast<char>(width >> 8);
  jpeg[sof + 8] = static_cast<char>(width & 0xFF);
  if (fullChroma) jpeg[sof + 11] = 0x11;
  return jpeg;
}

// `png` with the size in its IHDR chunk replaced and the chunk's checksum
// made to match, so that the library takes the header as it stands.
inline std::string WithPngSize(std::string png, uint32_t width, uint32_t height) {
  auto put = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) png[at + i] = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
  };
  put(16, width);
  put(20, height);
  // Type and data of the chunk: 4 + 13 bytes from offset 12.
  put(29, static_cast<uint32_t>(crc32(0L, reinterpret_cast<const Bytef*>(png.data() + 12), 17)));
  return png;
}

inline void Put16(std::string& s, uint32_t v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
inline void Put32(std::string& s, uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

// A 40-byte-header DIB. `rows` are given top to bottom as raw row bytes
// (without padding); they are stored bottom-up and padded. `palette` holds
// 0xRRGGBB entries. `heightFactor` 2 makes an icon image, whose `mask`
// rows (1 = transparent, top to bottom, unpadded) follow the colour rows.
inline std::string MakeDib(int width, int height, int bitCount, const std::vector<std::string>& rows,
                           const std::vector<uint32_t>& palette = {}, int heightFactor = 1,
                           const std::vector<std::string>& mask = {}, uint32_t compression = 0,
                           const std::vector<uint32_t>& masks = {}) {
  std::string dib;
  Put32(dib, 40);
  Put32(dib, static_cast<uint32_t>(width));
  Put32(dib, static_cast<uint32_t>(height * heightFactor));
  Put16(dib, 1);
  Put16(dib, static_cast<uint32_t>(bitCount));
  Put32(dib, compression);
  Put32(dib, 0);
  Put32(dib, 2835);
  Put32(dib, 2835);
  Put32(dib, static_cast<uint32_t>(palette.size()));
  Put32(dib, 0);
  for (uint32_t m : masks) Put32(dib, m);
  for (uint32_t c : palette) Put32(dib, c & 0xFFFFFF);
  const size_t stride = ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
  for (int y = height - 1; y >= 0; --y) {
    std::string row = rows[y];
    row.resize(stride, '\0');
    dib += row;
  }
  if (heightFactor == 2) {
    const size_t maskStride = ((static_cast<size_t>(width) + 31) / 32) * 4;
    for (int y = height - 1; y >= 0; --y) {
      std::string row = mask.empty() ? std::string() : mask[y];
      row.resize(maskStride, '\0');
      dib += row;
    }
  }
  return dib;
}

inline std::string MakeBmpFile(const std::string& dib, size_t paletteAndMaskBytes) {
  std::string file = "BM";
  Put32(file, static_cast<uint32_t>(14 + dib.size()));
  Put32(file, 0);
  Put32(file, static_cast<uint32_t>(14 + 40 + paletteAndMaskBytes));
  return file + dib;
}

// An icon file whose first (or only) entry points at `image`; `more`
// further entries point at the same image with other sizes.
inline std::string MakeIco(const std::string& image, int width, int height, int more = 0) {
  std::string file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<uint32_t>(1 + more));
  const uint32_t offset = 6 + 16 * static_cast<uint32_t>(1 + more);
  for (int i = 0; i <= more; ++i) {
    file.push_back(static_cast<char>(i == 0 ? (width >= 256 ? 0 : width) : 16));
    file.push_back(static_cast<char>(i == 0 ? (height >= 256 ? 0 : height) : 16));
    file.push_back(0);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<uint32_t>(image.size()));
    Put32(file, offset);
  }
  return file + image;
}

// A GIF of one frame with a global colour table of 4 entries (0xRRGGBB),
// pixels as palette indexes row by row, optionally a transparent index.
// The image data use 3-bit LZW codes with a clear code before every two
// literals, so no code ever grows: valid, if not compact.
inline std::string MakeGif(int width, int height, const std::vector<uint32_t>& palette,
                           const std::vector<uint8_t>& indexes, int transparent = -1,
                           int frameLeft = 0, int frameTop = 0, int frameWidth = -1, int frameHeight = -1) {
  if (frameWidth < 0) frameWidth = width;
  if (frameHeight < 0) frameHeight = height;
  std::string gif = "GIF89a";
  Put16(gif, static_cast<uint32_t>(width));
  Put16(gif, static_cast<uint32_t>(height));
  gif.push_back(static_cast<char>(0x80 | 0x01));  // global table of 4 entries
  gif.push_back(0);
  gif.push_back(0);
  for (size_t i = 0; i < 4; ++i) {
    const uint32_t c = i < palette.size() ? palette[i] : 0;
    gif.push_back(static_cast<char>(c >> 16));
    gif.push_back(static_cast<char>((c >> 8) & 0xFF));
    gif.push_back(static_cast<char>(c & 0xFF));
  }
  if (transparent >= 0) {
    gif += std::string("\x21\xF9\x04\x01\x00\x00", 6);
    gif.push_back(static_cast<char>(transparent));
    gif.push_back(0);
  }
  gif.push_back(0x2C);
  Put16(gif, static_cast<uint32_t>(frameLeft));
  Put16(gif, static_cast<uint32_t>(frameTop));
  Put16(gif, static_cast<uint32_t>(frameWidth));
  Put16(gif, static_cast<uint32_t>(frameHeight));
  gif.push_back(0);
  gif.push_back(2);  // minimum code size: clear 4, end 5, codes of 3 bits
  std::vector<int> codes;
  for (size_t i = 0; i < indexes.size(); ++i) {
    if (i % 2 == 0) codes.push_back(4);
    codes.push_back(indexes[i]);
  }
  codes.push_back(5);
  std::string data;
  uint32_t acc = 0;
  int bits = 0;
  for (int code : codes) {
    acc |= static_cast<uint32_t>(code) << bits;
    bits += 3;
    while (bits >= 8) {
      data.push_back(static_cast<char>(acc & 0xFF));
      acc >>= 8;
      bits -= 8;
    }
  }
  if (bits > 0) data.push_back(static_cast<char>(acc & 0xFF));
  for (size_t at = 0; at < data.size(); at += 255) {
    const std::string block = data.substr(at, 255);
    gif.push_back(static_cast<char>(block.size()));
    gif += block;
  }
  gif.push_back(0);
  gif.push_back(0x3B);
  return gif;
}

// Builds the TIFF structure of an Exif block in either byte order.
class ExifBuilder {
 public:
  explicit ExifBuilder(bool bigEndian) : big_(bigEndian) {}

  ExifBuilder& Ifd0Ascii(uint16_t tag, const std::string& text) { return Add(ifd0_, tag, 2, text + '\0', static_cast<uint32_t>(text.size() + 1)); }
  ExifBuilder& Ascii(uint16_t tag, const std::string& text) { return Add(exif_, tag, 2, text + '\0', static_cast<uint32_t>(text.size() + 1)); }
  ExifBuilder& Short(uint16_t tag, uint16_t v) { return Add(exif_, tag, 3, U16(v) + std::string(2, '\0'), 1); }
  ExifBuilder& Long(uint16_t tag, uint32_t v) { return Add(exif_, tag, 4, U32(v), 1); }
  ExifBuilder& Byte(uint16_t tag, uint8_t v) { return Add(exif_, tag, 1, std::string(1, static_cast<char>(v)) + std::string(3, '\0'), 1); }
  ExifBuilder& Rational(uint16_t tag, uint32_t num, uint32_t den, uint16_t type = 5) {
    return Add(exif_, tag, type, U32(num) + U32(den), 1);
  }
  ExifBuilder& Undefined(uint16_t tag, const std::string& bytes) {
    return Add(exif_, tag, 7, bytes, static_cast<uint32_t>(bytes.size()));
  }
  // Puts the Exif pointer before the IFD0 entries instead of after them.
  ExifBuilder& PointerFirst() {
    pointerFirst_ = true;
    return *this;
  }

  // "Exif\0\0" + the TIFF structure.
  std::string Segment() const {
    std::string tiff = big_ ? "MM" : "II";
    tiff += U16(42);
    tiff += U32(8);
    std::vector<Entry> ifd0 = ifd0_;
    const Entry pointer{0x8769, 4, 1, U32(0)};
    if (pointerFirst_) {
      ifd0.insert(ifd0.begin(), pointer);
    } else {
      ifd0.push_back(pointer);
    }
    size_t pointerField = 0;
    AppendIfd(tiff, ifd0, &pointerField);
    const std::string exifOffset = U32(static_cast<uint32_t>(tiff.size()));
    tiff.replace(pointerField, 4, exifOffset);
    AppendIfd(tiff, exif_, nullptr);
    return std::string("Exif\0\0", 6) + tiff;
  }

  // A JPEG with this block in an APP1 segment right after SOI, or after a
  // JFIF APP0 segment that holds `app0Payload`.
  std::string Jpeg(const std::string& picture, const std::string& app0Payload = "") const {
    return InsertSegments(picture, app0Payload, Segment());
  }

  static std::string InsertSegments(const std::string& picture, const std::string& app0Payload,
                                    const std::string& app1) {
    std::string out = picture.substr(0, 2);
    if (!app0Payload.empty()) out += Marker(0xE0, app0Payload);
    if (!app1.empty()) out += Marker(0xE1, app1);
    return out + picture.substr(2);
  }

  static std::string Marker(uint8_t marker, const std::string& payload) {
    std::string s;
    s.push_back(static_cast<char>(0xFF));
    s.push_back(static_cast<char>(marker));
    const size_t length = payload.size() + 2;
    s.push_back(static_cast<char>(length >> 8));
    s.push_back(static_cast<char>(length & 0xFF));
    return s + payload;
  }

 private:
  struct Entry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    std::string data;
  };

  ExifBuilder& Add(std::vector<Entry>& list, uint16_t tag, uint16_t type, const std::string& data, uint32_t count) {
    list.push_back({tag, type, count, data});
    return *this;
  }

  void AppendIfd(std::string& tiff, const std::vector<Entry>& entries, size_t* pointerField) const {
    const size_t start = tiff.size();
    size_t dataAt = start + 2 + 12 * entries.size() + 4;
    std::string head = U16(static_cast<uint16_t>(entries.size())), blob;
    for (const Entry& e : entries) {
      head += U16(e.tag) + U16(e.type) + U32(e.count);
      if (e.tag == 0x8769 && pointerField != nullptr) *pointerField = start + head.size();
      if (e.data.size() <= 4) {
        std::string field = e.data;
        field.resize(4, '\0');
        head += field;
      } else {
        head += U32(static_cast<uint32_t>(dataAt + blob.size()));
        blob += e.data;
        if (blob.size() % 2) blob.push_back('\0');
      }
    }
    head += U32(0);
    tiff += head + blob;
  }

  std::string U16(uint16_t v) const {
    std::string s(2, '\0');
    s[big_ ? 0 : 1] = static_cast<char>(v >> 8);
    s[big_ ? 1 : 0] = static_cast<char>(v & 0xFF);
    return s;
  }
  std::string U32(uint32_t v) const {
    return big_ ? U16(static_cast<uint16_t>(v >> 16)) + U16(static_cast<uint16_t>(v & 0xFFFF))
                : U16(static_cast<uint16_t>(v & 0xFFFF)) + U16(static_cast<uint16_t>(v >> 16));
  }

  bool big_;
  bool pointerFirst_ = false;
  std::vector<Entry> ifd0_;
  std::vector<Entry> exif_;
};

}  // namespace lumidex::testing
