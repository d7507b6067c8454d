#include "images/png_reader.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

#include <png.h>

#include "images/decode_memory.h"

namespace lumidex {
namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct MemoryReader {
  const unsigned char* data;
  size_t size;
  size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (length > reader->size - reader->pos) png_error(png, "unexpected end of file");
  std::memcpy(out, reader->data + reader->pos, length);
  reader->pos += length;
}

void OnWarning(png_structp, png_const_charp) {}

// The default handler prints to stderr before jumping; jump quietly.
[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// libpng's own buffers: a row of the widest layout (16-bit RGBA) for
// reading and one for the previous row of the filters.
int64_t PngBytesFor(int64_t width) { return std::max<int64_t>(width, 0) * 8 * 2; }

// The state that crosses the library's longjmp: plain data only.
struct PngRun {
  png_structp png = nullptr;
  png_infop info = nullptr;
  MemoryReader reader{};
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  bool hasAlpha = false;
  bool rowsStarted = false;
};

// Reads the header and sets the transformations that turn any PNG into
// 8-bit BGRA rows. False on a library error.
bool ReadHeader(PngRun* run) {
  if (setjmp(png_jmpbuf(run->png))) return false;
  png_set_read_fn(run->png, &run->reader, ReadFromMemory);
  png_set_sig_bytes(run->png, 8);
  png_set_user_limits(run->png, 1u << 20, 1u << 20);
  png_set_chunk_malloc_max(run->png, 64u << 20);
  png_read_info(run->png, run->info);
  int bitDepth = 0, colourType = 0;
  png_get_IHDR(run->png, run->info, &run->width, &run->height, &bitDepth, &colourType, nullptr,
               nullptr, nullptr);
  const bool transparency = png_get_valid(run->png, run->info, PNG_INFO_tRNS) != 0;
  run->hasAlpha = transparency || (colourType & PNG_COLOR_MASK_ALPHA) != 0;
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(run->png);
  if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(run->png);
  if (transparency) png_set_tRNS_to_alpha(run->png);
  if (bitDepth == 16) png_set_strip_16(run->png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(run->png);
  }
  png_set_bgr(run->png);
  if (!run->hasAlpha) png_set_filler(run->png, 0xFF, PNG_FILLER_AFTER);
  double fileGamma = 0;
  if (png_get_gAMA(run->png, run->info, &fileGamma)) png_set_gamma(run->png, 2.2, fileGamma);
  png_set_interlace_handling(run->png);
  png_read_update_info(run->png, run->info);
  if (png_get_rowbytes(run->png, run->info) != static_cast<png_size_t>(run->width) * 4) {
    png_error(run->png, "unexpected row layout");
  }
  return true;
}

// Reads the image into `rows`. False on a library error; rowsStarted tells
// whether any row may have been written.
bool ReadImage(PngRun* run, png_bytepp rows) {
  if (setjmp(png_jmpbuf(run->png))) return false;
  run->rowsStarted = true;
  png_read_image(run->png, rows);
  png_read_end(run->png, nullptr);
  return true;
}

}  // namespace

int64_t PngDecodeBytes(std::string_view bytes) {
  // Signature, then the IHDR chunk: length, type, width and height (4 bytes
  // each, big-endian).
  if (!HasPngSignature(bytes) || bytes.size() < 24 || bytes.substr(12, 4) != "IHDR") return 0;
  auto big32 = [&](size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    return int64_t{v};
  };
  const int64_t width = big32(16), height = big32(20);
  return PngBytesFor(width) + BitmapBytes(width, height);
}

bool HasPngSignature(std::string_view bytes) {
  return bytes.size() >= 8 && std::memcmp(bytes.data(), kSignature, 8) == 0;
}

Result<Bitmap> DecodePng(std::string_view bytes) {
  if (!HasPngSignature(bytes)) return Status::Error("PNG 画像ではありません");
  PngRun run;
  run.reader = {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 8};
  run.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (run.png == nullptr) return Status::Error("PNG 画像を読み込めません");
  run.info = png_create_info_struct(run.png);
  if (run.info == nullptr || !ReadHeader(&run) || !Bitmap::SizeAllowed(run.width, run.height) ||
      PngBytesFor(run.width) + BitmapBytes(run.width, run.height) > kMaxDecodeBytes) {
    png_destroy_read_struct(&run.png, &run.info, nullptr);
    return Status::Error("PNG 画像を読み込めません");
  }
  Bitmap bitmap = Bitmap::Create(static_cast<int>(run.width), static_cast<int>(run.height));
  if (bitmap.empty()) {
    png_destroy_read_struct(&run.png, &run.info, nullptr);
    return Status::Error("PNG 画像を読み込めません");
  }
  std::vector<png_bytep> rows(run.height);
  for (png_uint_32 y = 0; y < run.height; ++y) rows[y] = bitmap.row(static_cast<int>(y));
  const bool ok = ReadImage(&run, rows.data());
  png_destroy_read_struct(&run.png, &run.info, nullptr);
  if (!ok && !run.rowsStarted) return Status::Error("PNG 画像を読み込めません");
  bitmap.setHasAlpha(run.hasAlpha);
  return bitmap;
}

}  // namespace lumidex
