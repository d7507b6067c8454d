#include "images/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

#include "images/decode_memory.h"
#include "images/jpeg_eighth.h"

namespace lumidex {
namespace {

// libjpeg reports fatal errors through error_exit, whose default calls
// exit(). This manager jumps back instead. The functions that call setjmp
// hold no C++ objects, so the jump skips no destructor.
struct ErrorManager {
  jpeg_error_mgr pub;
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (corrupt data, premature end) stay non-fatal and silent.
void OnOutputMessage(j_common_ptr) {}

// A hostile progressive file can hold thousands of tiny scans, each a full
// pass over the coefficients; no real camera writes more than a few dozen.
constexpr int kMaxScans = 1000;

void OnProgress(j_common_ptr cinfo) {
  if (cinfo->is_decompressor) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxScans) {
      std::snprintf(reinterpret_cast<ErrorManager*>(cinfo->err)->message, JMSG_LENGTH_MAX,
                    "too many scans");
      std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
    }
  }
}

void InstallErrorManager(jpeg_common_struct* cinfo, ErrorManager* err) {
  cinfo->err = jpeg_std_error(&err->pub);
  err->pub.error_exit = OnError;
  err->pub.output_message = OnOutputMessage;
  err->message[0] = '\0';
}

struct Decoder {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  jpeg_progress_mgr progress;
  bool created = false;
  bool cmyk = false;
  bool adobeInverted = false;
  JDIMENSION rowsRead = 0;
  int64_t need = 0;  // bytes the decode takes, set once the scale is chosen
};

int64_t RoundUp(int64_t value, int64_t step) { return (value + step - 1) / step * step; }

// The memory a decode with the settings of `cinfo` takes: the output bitmap
// plus libjpeg's coefficient buffer. A file of several scans (progressive,
// or components in scans of their own) keeps the blocks of the whole
// picture, 64 two-byte coefficients each, at full size whatever the output
// scale; a single-scan file needs about one row of blocks.
int64_t DecodeBytes(const jpeg_decompress_struct& cinfo) {
  const bool wholePicture = cinfo.progressive_mode || cinfo.comps_in_scan < cinfo.num_components;
  int64_t coefficients = 0;
  for (int c = 0; c < cinfo.num_components; ++c) {
    const jpeg_component_info& comp = cinfo.comp_info[c];
    const int64_t rows =
        wholePicture ? RoundUp(comp.height_in_blocks, comp.v_samp_factor) : comp.v_samp_factor;
    coefficients +=
        RoundUp(comp.width_in_blocks, comp.h_samp_factor) * rows * int64_t{sizeof(JBLOCK)};
  }
  return BitmapBytes(cinfo.output_width, cinfo.output_height) + coefficients;
}

// Creates the decompressor, reads the header and, when `options` is given,
// chooses the scale, works out d->need and, when `start`, starts
// decompression. False on a library error or a picture whose decode would
// take more than the options' maxBytes (kMaxDecodeBytes without options).
bool StartDecoder(Decoder* d, const unsigned char* data, unsigned long size,
                  const JpegDecodeOptions* options, bool start = true) {
  InstallErrorManager(reinterpret_cast<jpeg_common_struct*>(&d->cinfo), &d->err);
  if (setjmp(d->err.jump)) return false;
  jpeg_create_decompress(&d->cinfo);
  d->created = true;
  // The need is checked before anything is allocated; this keeps the
  // library itself within the same bound should the check ever fall short.
  // libjpeg-turbo has no temporary files: beyond the bound it reports an
  // error instead of swapping coefficients out.
  d->cinfo.mem->max_memory_to_use = options != nullptr ? options->maxBytes : kMaxDecodeBytes;
  d->progress.progress_monitor = OnProgress;
  d->cinfo.progress = &d->progress;
  jpeg_mem_src(&d->cinfo, data, size);
  jpeg_read_header(&d->cinfo, TRUE);
  if (options == nullptr) return true;
  // Scaled decoding may read a source larger than any bitmap, within reason.
  const int64_t sourcePixels = int64_t{d->cinfo.image_width} * d->cinfo.image_height;
  const bool scaled = options->coverWidth > 0 && options->coverHeight > 0;
  if (sourcePixels > kMaxBitmapPixels * (scaled ? 8 : 1)) {
    std::snprintf(d->err.message, JMSG_LENGTH_MAX, "picture too large");
    return false;
  }
  unsigned num = 8;
  if (options->coverWidth > 0 && options->coverHeight > 0) {
    for (unsigned m = 1; m <= 8; ++m) {
      const unsigned long w = (d->cinfo.image_width * static_cast<unsigned long>(m) + 7) / 8;
      const unsigned long h = (d->cinfo.image_height * static_cast<unsigned long>(m) + 7) / 8;
      if (w >= static_cast<unsigned long>(options->coverWidth) &&
          h >= static_cast<unsigned long>(options->coverHeight)) {
        num = m;
        break;
      }
    }
  }
  d->cinfo.scale_num = num;
  d->cinfo.scale_denom = 8;
  if (options->fast) {
    d->cinfo.dct_method = JDCT_IFAST;
    d->cinfo.do_fancy_upsampling = FALSE;
  }
  if (d->cinfo.jpeg_color_space == JCS_CMYK || d->cinfo.jpeg_color_space == JCS_YCCK) {
    d->cinfo.out_color_space = JCS_CMYK;
    d->cmyk = true;
    d->adobeInverted = d->cinfo.saw_Adobe_marker;
  } else {
    d->cinfo.out_color_space = JCS_EXT_BGRA;
  }
  jpeg_calc_output_dimensions(&d->cinfo);
  d->need = DecodeBytes(d->cinfo);
  if (!Bitmap::SizeAllowed(d->cinfo.output_width, d->cinfo.output_height) ||
      d->need > options->maxBytes) {
    std::snprintf(d->err.message, JMSG_LENGTH_MAX, "picture too large");
    return false;
  }
  if (start) jpeg_start_decompress(&d->cinfo);
  return true;
}

// jpeg_start_decompress after StartDecoder(..., start = false). False on a
// library error.
bool StartDecompress(Decoder* d) {
  if (setjmp(d->err.jump)) return false;
  jpeg_start_decompress(&d->cinfo);
  return true;
}

// Reads every scanline into `rows` (one pointer per output row, each of
// output_width * 4 bytes). False on a library error; rowsRead tells how far
// it came.
bool ReadRows(Decoder* d, unsigned char** rows) {
  if (setjmp(d->err.jump)) return false;
  while (d->cinfo.output_scanline < d->cinfo.output_height) {
    const JDIMENSION n = jpeg_read_scanlines(&d->cinfo, rows + d->cinfo.output_scanline,
                                             d->cinfo.output_height - d->cinfo.output_scanline);
    if (n == 0) break;
    d->rowsRead = d->cinfo.output_scanline;
  }
  jpeg_finish_decompress(&d->cinfo);
  return true;
}

void DestroyDecoder(Decoder* d) {
  if (!d->created) return;
  if (setjmp(d->err.jump)) return;
  jpeg_destroy_decompress(&d->cinfo);
  d->created = false;
}

// CMYK as cameras and Photoshop write it (Adobe files store the inks
// inverted): red = (255 - C) * (255 - K) / 255 and so on, in place.
void CmykRowToBgra(uint8_t* row, int width, bool inverted) {
  for (int x = 0; x < width; ++x, row += 4) {
    int c = row[0], m = row[1], y = row[2], k = row[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    row[0] = static_cast<uint8_t>(y * k / 255);
    row[1] = static_cast<uint8_t>(m * k / 255);
    row[2] = static_cast<uint8_t>(c * k / 255);
    row[3] = 0xFF;
  }
}

Status DecodeError(const char* detail) {
  return Status::Error(std::string("JPEG 画像を読み込めません: ") + detail);
}

}  // namespace

Result<JpegSize> ReadJpegSize(std::string_view bytes) {
  Decoder d{};
  const bool ok = StartDecoder(&d, reinterpret_cast<const unsigned char*>(bytes.data()),
                               bytes.size(), nullptr);
  JpegSize size{static_cast<int>(d.cinfo.image_width), static_cast<int>(d.cinfo.image_height)};
  std::string message = d.err.message;
  DestroyDecoder(&d);
  if (!ok) return DecodeError(message.c_str());
  return size;
}

Result<int64_t> JpegDecodeBytes(std::string_view bytes, const JpegDecodeOptions& options) {
  Decoder d{};
  const bool ok = StartDecoder(&d, reinterpret_cast<const unsigned char*>(bytes.data()),
                               bytes.size(), &options, false);
  const int64_t need = d.need;
  std::string message = d.err.message;
  DestroyDecoder(&d);
  if (!ok && need == 0) return DecodeError(message.c_str());
  return need;
}

Result<Bitmap> DecodeJpeg(std::string_view bytes, const JpegDecodeOptions& options) {
  Decoder d{};
  if (!StartDecoder(&d, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                    &options, false)) {
    std::string message = d.err.message;
    DestroyDecoder(&d);
    return DecodeError(message.c_str());
  }
  // A best-speed decode at 1/8 needs only the DC coefficients; the general
  // decoder takes over whatever that path does not cover.
  if (options.fast && !options.strict && !d.cmyk && d.cinfo.scale_num * 8 == d.cinfo.scale_denom) {
    std::optional<Bitmap> eighth = DecodeJpegEighth(d.cinfo);
    if (eighth) {
      DestroyDecoder(&d);
      eighth->setHasAlpha(false);
      return std::move(*eighth);
    }
  }
  if (!StartDecompress(&d)) {
    std::string message = d.err.message;
    DestroyDecoder(&d);
    return DecodeError(message.c_str());
  }
  Bitmap bitmap = Bitmap::Create(static_cast<int>(d.cinfo.output_width),
                                 static_cast<int>(d.cinfo.output_height));
  if (bitmap.empty() || d.cinfo.output_components != 4) {
    DestroyDecoder(&d);
    return DecodeError("unsupported layout");
  }
  std::vector<unsigned char*> rows(static_cast<size_t>(bitmap.height()));
  for (int y = 0; y < bitmap.height(); ++y) rows[y] = bitmap.row(y);
  const bool ok = ReadRows(&d, rows.data());
  const JDIMENSION rowsRead = d.rowsRead;
  const bool repaired = d.err.pub.num_warnings > 0;
  std::string message = d.err.message;
  DestroyDecoder(&d);
  if (!ok && rowsRead == 0) return DecodeError(message.c_str());
  if (options.strict && (!ok || repaired)) return DecodeError("damaged data");
  if (d.cmyk) {
    for (JDIMENSION y = 0; y < rowsRead; ++y) CmykRowToBgra(bitmap.row(y), bitmap.width(), d.adobeInverted);
  }
  bitmap.setHasAlpha(false);
  return bitmap;
}

namespace {

struct Encoder {
  jpeg_compress_struct cinfo;
  ErrorManager err;
  bool created = false;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
};

bool RunEncoder(Encoder* e, const Bitmap* bitmap, int quality) {
  InstallErrorManager(reinterpret_cast<jpeg_common_struct*>(&e->cinfo), &e->err);
  if (setjmp(e->err.jump)) return false;
  jpeg_create_compress(&e->cinfo);
  e->created = true;
  jpeg_mem_dest(&e->cinfo, &e->buffer, &e->size);
  e->cinfo.image_width = static_cast<JDIMENSION>(bitmap->width());
  e->cinfo.image_height = static_cast<JDIMENSION>(bitmap->height());
  e->cinfo.input_components = 4;
  e->cinfo.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&e->cinfo);
  jpeg_set_quality(&e->cinfo, quality, TRUE);
  jpeg_start_compress(&e->cinfo, TRUE);
  while (e->cinfo.next_scanline < e->cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(bitmap->row(static_cast<int>(e->cinfo.next_scanline)));
    jpeg_write_scanlines(&e->cinfo, &row, 1);
  }
  jpeg_finish_compress(&e->cinfo);
  return true;
}

void DestroyEncoder(Encoder* e) {
  if (e->created) {
    if (!setjmp(e->err.jump)) jpeg_destroy_compress(&e->cinfo);
  }
  std::free(e->buffer);
  e->buffer = nullptr;
}

}  // namespace

Result<std::string> EncodeJpeg(const Bitmap& bitmap, int quality) {
  if (bitmap.empty()) return Status::Error("JPEG 画像を作成できません: empty picture");
  Encoder e{};
  const bool ok = RunEncoder(&e, &bitmap, quality);
  std::string bytes;
  if (ok) bytes.assign(reinterpret_cast<const char*>(e.buffer), e.size);
  std::string message = e.err.message;
  DestroyEncoder(&e);
  if (!ok) return Status::Error("JPEG 画像を作成できません: " + message);
  return bytes;
}

}  // namespace lumidex
