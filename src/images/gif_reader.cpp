#include "images/gif_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <gif_lib.h>

#include "images/decode_memory.h"
#include "images/little_endian.h"

namespace lumidex {
namespace {

struct MemorySource {
  std::string_view bytes;
  size_t pos = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int length) {
  auto* source = static_cast<MemorySource*>(gif->UserData);
  const size_t n =
      std::min(static_cast<size_t>(std::max(length, 0)), source->bytes.size() - source->pos);
  std::memcpy(out, source->bytes.data() + source->pos, n);
  source->pos += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

Status NotAGif() { return Status::Error("GIF 画像を読み込めません"); }

// The canvas plus the frame's line and row order.
int64_t GifBytesFor(int64_t canvasWidth, int64_t canvasHeight, int64_t frameWidth,
                    int64_t frameHeight) {
  return BitmapBytes(canvasWidth, canvasHeight) + std::max<int64_t>(frameWidth, 0) +
         std::max<int64_t>(frameHeight, 0) * int64_t{sizeof(int)};
}

}  // namespace

int64_t GifDecodeBytes(std::string_view bytes) {
  const GifProbe probe = ProbeGif(bytes);
  if (!probe.isGif) return 0;
  // Without a logical screen the canvas takes the size of the first frame,
  // which only the decoder finds: count the most a picture may take.
  if (probe.width == 0 || probe.height == 0) return kMaxDecodeBytes;
  // A frame reaches at most 65535 pixels each way.
  return GifBytesFor(probe.width, probe.height, 65535, 65535);
}

GifProbe ProbeGif(std::string_view bytes) {
  GifProbe probe;
  if (bytes.size() < 13 || bytes.substr(0, 3) != "GIF") return probe;
  probe.isGif = true;
  probe.width = static_cast<int>(LittleEndian16(bytes, 6));
  probe.height = static_cast<int>(LittleEndian16(bytes, 8));
  const auto packed = static_cast<uint8_t>(bytes[10]);
  if ((packed & 0x80) == 0) return probe;
  const size_t entries = size_t{1} << ((packed & 7) + 1);
  const size_t tableEnd = 13 + entries * 3;
  if (bytes.size() < tableEnd + 8) return probe;
  const std::string_view gce = bytes.substr(tableEnd, 8);
  if (static_cast<uint8_t>(gce[0]) != 0x21 || static_cast<uint8_t>(gce[1]) != 0xF9 || gce[2] != 4) {
    return probe;
  }
  const auto index = static_cast<uint8_t>(gce[6]);
  if ((gce[3] & 1) != 0 && index < entries) {
    const size_t at = 13 + size_t{index} * 3;
    probe.transparentColour = static_cast<uint8_t>(bytes[at]) |
                              (uint32_t{static_cast<uint8_t>(bytes[at + 1])} << 8) |
                              (uint32_t{static_cast<uint8_t>(bytes[at + 2])} << 16);
  }
  return probe;
}

Result<Bitmap> DecodeGifFirstFrame(std::string_view bytes) {
  if (bytes.size() < 13 || bytes.substr(0, 3) != "GIF") return NotAGif();
  MemorySource source{bytes, 0};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadFromMemory, &error));
  if (!gif) return NotAGif();
  int transparent = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) return NotAGif();
    if (type == TERMINATE_RECORD_TYPE) return NotAGif();
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* ext = nullptr;
      if (DGifGetExtension(gif.get(), &code, &ext) == GIF_ERROR) return NotAGif();
      if (code == GRAPHICS_EXT_FUNC_CODE && ext != nullptr && ext[0] >= 4) {
        GraphicsControlBlock gcb;
        if (DGifExtensionToGCB(ext[0], ext + 1, &gcb) == GIF_OK) transparent = gcb.TransparentColor;
      }
      while (ext != nullptr) {
        if (DGifGetExtensionNext(gif.get(), &ext) == GIF_ERROR) return NotAGif();
      }
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) continue;
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return NotAGif();
    const GifImageDesc& frame = gif->Image;
    const int canvasWidth = gif->SWidth > 0 ? gif->SWidth : frame.Left + frame.Width;
    const int canvasHeight = gif->SHeight > 0 ? gif->SHeight : frame.Top + frame.Height;
    if (GifBytesFor(canvasWidth, canvasHeight, frame.Width, frame.Height) > kMaxDecodeBytes) {
      return NotAGif();
    }
    Bitmap canvas = Bitmap::Create(canvasWidth, canvasHeight);
    if (canvas.empty() || frame.Width <= 0 || frame.Height <= 0) return NotAGif();
    const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (map == nullptr) return NotAGif();
    std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
    std::vector<int> order;
    order.reserve(static_cast<size_t>(frame.Height));
    if (frame.Interlace) {
      const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
      for (int pass = 0; pass < 4; ++pass) {
        for (int y = starts[pass]; y < frame.Height; y += steps[pass]) order.push_back(y);
      }
    } else {
      for (int y = 0; y < frame.Height; ++y) order.push_back(y);
    }
    for (int y : order) {
      if (DGifGetLine(gif.get(), line.data(), frame.Width) == GIF_ERROR) break;
      const int cy = frame.Top + y;
      if (cy < 0 || cy >= canvasHeight) continue;
      uint8_t* to = canvas.row(cy);
      for (int x = 0; x < frame.Width; ++x) {
        const int cx = frame.Left + x;
        if (cx < 0 || cx >= canvasWidth) continue;
        const int index = line[x];
        if (index == transparent || index >= map->ColorCount) continue;
        const GifColorType& c = map->Colors[index];
        uint8_t* p = to + static_cast<size_t>(cx) * 4;
        p[0] = c.Blue;
        p[1] = c.Green;
        p[2] = c.Red;
        p[3] = 0xFF;
      }
    }
    canvas.setHasAlpha(true);
    return canvas;
  }
}

}  // namespace lumidex
