#include "images/jpeg_eighth.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lumidex {
namespace {

// Codes up to this many bits are found by one look-up.
constexpr int kPeekBits = 10;

// AC coefficients that are only stepped over are read this many bits at a
// time: as many whole codes with their value bits as fit.
constexpr int kRunBits = 13;

// A Huffman table in the canonical form of the file: one look-up of the next
// kPeekBits bits for the short codes (low byte: the code's length, 0 when
// it is longer; high byte: its symbol), the largest code of each length for
// the rest. For AC tables also `runs`: for the next kRunBits bits, the bits
// taken by the whole codes (with their value bits) they begin with (low
// four bits, 0 when not even one fits), the coefficients those codes
// advance (seven bits above, at most 64) and whether they end the block
// (bit 11; the advance then counts the end-of-block as one more).
struct HuffTable {
  std::array<uint16_t, 1 << kPeekBits> fast{};
  std::vector<uint16_t> runs;
  std::array<int32_t, 17> maxCode{};
  std::array<int32_t, 17> valueOffset{};  // symbol index minus the first code of the length
  std::array<uint8_t, 256> symbols{};
};

void BuildRuns(const JHUFF_TBL* source, HuffTable* table) {
  // The codes up to kRunBits long, by their bits padded with zeros.
  std::vector<uint16_t> single(size_t{1} << kRunBits, 0);
  int32_t code = 0;
  int index = 0;
  for (int length = 1; length <= 16; ++length, code <<= 1) {
    for (int i = 0; i < source->bits[length]; ++i, ++code, ++index) {
      if (length > kRunBits) continue;
      const int spread = kRunBits - length;
      for (int j = 0; j < (1 << spread); ++j) {
        single[(code << spread) | j] = static_cast<uint16_t>(length | (source->huffval[index] << 8));
      }
    }
  }
  table->runs.assign(size_t{1} << kRunBits, 0);
  for (uint32_t bits = 0; bits < (1u << kRunBits); ++bits) {
    int used = 0, advance = 0;
    bool end = false;
    while (used < kRunBits) {
      const uint16_t entry = single[(bits << used) & ((1u << kRunBits) - 1)];
      const int length = entry & 0xFF, rs = entry >> 8;
      if (length == 0 || used + length + (rs & 15) > kRunBits) break;
      // End of block: any zero size but the run of 16.
      const bool ends = (rs & 15) == 0 && rs != 0xF0;
      const int step = ends ? 1 : (rs & 15) != 0 ? (rs >> 4) + 1 : 16;
      if (advance + step > 64) break;
      used += length + (rs & 15);
      advance += step;
      if (ends) {
        end = true;
        break;
      }
    }
    table->runs[bits] = static_cast<uint16_t>(used | advance << 4 | (end ? 1 << 11 : 0));
  }
}

// False for a table the general decoder refuses too: more codes than their
// lengths hold, or a DC symbol above 15.
bool BuildTable(const JHUFF_TBL* source, bool dc, HuffTable* table) {
  if (source == nullptr) return false;
  int count = 0;
  for (int length = 1; length <= 16; ++length) count += source->bits[length];
  if (count > 256) return false;
  for (int i = 0; i < count; ++i) {
    if (dc && source->huffval[i] > 15) return false;
  }
  std::memcpy(table->symbols.data(), source->huffval, 256);
  int32_t code = 0;
  int index = 0;
  for (int length = 1; length <= 16; ++length) {
    const int n = source->bits[length];
    table->valueOffset[length] = index - code;
    table->maxCode[length] = n > 0 ? code + n - 1 : -1;
    for (int i = 0; i < n; ++i, ++code, ++index) {
      if (length > kPeekBits) continue;
      const int spread = kPeekBits - length;
      const auto entry = static_cast<uint16_t>(length | (source->huffval[index] << 8));
      for (int j = 0; j < (1 << spread); ++j) table->fast[(code << spread) | j] = entry;
    }
    if (code >= (int32_t{1} << length)) return false;
    code <<= 1;
  }
  if (!dc) BuildRuns(source, table);
  return true;
}

// The entropy-coded bytes as a stream of bits, most significant first,
// with the stuffed zero after each 0xFF removed. At a marker or the end of
// the data it feeds zero bits and counts them, so a decode that used any of
// them is known to have run out of data.
class BitReader {
 public:
  BitReader(const uint8_t* data, const uint8_t* end) : p_(data), end_(end) {}

  // At least 57 bits in the buffer afterwards.
  void Fill() {
    if (!atMarker_ && end_ - p_ >= 8) {
      uint64_t word;
      std::memcpy(&word, p_, 8);
      // No 0xFF among the eight bytes: take as many whole bytes as fit.
      const uint64_t inverted = ~word;
      if (((inverted - 0x0101010101010101ULL) & ~inverted & 0x8080808080808080ULL) == 0) {
        word = __builtin_bswap64(word);
        const int take = (64 - bits_) >> 3;
        const int below = 64 - bits_ - 8 * take;
        uint64_t add = word >> bits_;
        if (below > 0) add &= ~((uint64_t{1} << below) - 1);
        acc_ |= add;
        bits_ += 8 * take;
        p_ += take;
        return;
      }
    }
    while (bits_ <= 56) {
      uint64_t byte = 0;
      if (!atMarker_ && p_ < end_) {
        byte = *p_;
        if (byte != 0xFF) {
          ++p_;
        } else if (end_ - p_ >= 2 && p_[1] == 0x00) {
          p_ += 2;
        } else {
          atMarker_ = true;
          byte = 0;
          fakeBits_ += 8;
        }
      } else {
        fakeBits_ += 8;
      }
      acc_ |= byte << (56 - bits_);
      bits_ += 8;
    }
  }

  int bits() const { return bits_; }
  uint64_t peek() const { return acc_; }
  void Skip(int n) {
    acc_ <<= n;
    bits_ -= n;
  }
  // The next n (0..16) bits.
  uint32_t Take(int n) {
    if (n == 0) return 0;
    const auto value = static_cast<uint32_t>(acc_ >> (64 - n));
    Skip(n);
    return value;
  }
  // True when bits fed past the data have been used.
  bool Overrun() const { return bits_ < fakeBits_; }

  // After the last block of a restart interval: only the padding of the
  // last byte may be left, then restart marker `number` must follow.
  bool Restart(int number) {
    if (Overrun() || bits_ - fakeBits_ >= 8) return false;
    if (end_ - p_ < 2 || p_[0] != 0xFF || p_[1] != 0xD0 + (number & 7)) return false;
    p_ += 2;
    acc_ = 0;
    bits_ = 0;
    fakeBits_ = 0;
    atMarker_ = false;
    return true;
  }

 private:
  const uint8_t* p_;
  const uint8_t* end_;
  uint64_t acc_ = 0;
  int bits_ = 0;
  int64_t fakeBits_ = 0;
  bool atMarker_ = false;
};

// The next symbol of `table`; -1 for a code the table does not hold.
// REQUIRES: at least 16 bits in the reader.
inline int Decode(BitReader& in, const HuffTable& table) {
  const uint16_t entry = table.fast[in.peek() >> (64 - kPeekBits)];
  if ((entry & 0xFF) != 0) {
    in.Skip(entry & 0xFF);
    return entry >> 8;
  }
  for (int length = kPeekBits + 1; length <= 16; ++length) {
    const auto code = static_cast<int32_t>(in.peek() >> (64 - length));
    if (code <= table.maxCode[length]) {
      in.Skip(length);
      return table.symbols[static_cast<uint8_t>(table.valueOffset[length] + code)];
    }
  }
  return -1;
}

// One component of the scan: its tables, its DC prediction and the plane
// of block means it fills.
struct Component {
  int index = 0;  // in the frame
  int h = 1, v = 1;
  int quant = 0;  // the DC step
  const HuffTable* dc = nullptr;
  const HuffTable* ac = nullptr;
  int32_t lastDc = 0;
  int planeWidth = 0;
  std::vector<uint8_t> plane;
};

// libjpeg's 1 x 1 inverse DCT: the dequantised DC divided by 8, rounded,
// centred on 128 and clamped through its range-limit table (which wraps
// values far outside the range as that table does).
inline uint8_t Sample(int32_t coefficient, int quant) {
  const int64_t value = (int64_t{static_cast<int16_t>(coefficient)} * quant + 4) >> 3;
  const int index = static_cast<int>(value & 1023);
  if (index < 128) return static_cast<uint8_t>(index + 128);
  if (index < 512) return 255;
  if (index < 896) return 0;
  return static_cast<uint8_t>(index - 896);
}

// Decodes one block of `c` into its plane at (x, y). False on a bad code.
inline bool DecodeBlock(BitReader& in, Component& c, int x, int y) {
  if (in.bits() < 32) in.Fill();
  const int size = Decode(in, *c.dc);
  if (size < 0) return false;
  int32_t diff = static_cast<int32_t>(in.Take(size));
  if (size > 0 && diff < (int32_t{1} << (size - 1))) diff -= (int32_t{1} << size) - 1;
  c.lastDc = static_cast<int32_t>(static_cast<uint32_t>(c.lastDc) + static_cast<uint32_t>(diff));
  c.plane[static_cast<size_t>(y) * c.planeWidth + x] = Sample(c.lastDc, c.quant);
  for (int k = 1; k < 64;) {
    if (in.bits() < 32) in.Fill();
    // Several codes at once while they stay inside the block.
    const uint32_t codes = c.ac->runs[in.peek() >> (64 - kRunBits)];
    if ((codes & 15) != 0 && k + static_cast<int>((codes >> 4) & 127) <= 64) {
      in.Skip(codes & 15);
      if ((codes & (1 << 11)) != 0) break;
      k += (codes >> 4) & 127;
      continue;
    }
    const int rs = Decode(in, *c.ac);
    if (rs < 0) return false;
    const int run = rs >> 4, bits = rs & 15;
    if (bits != 0) {
      in.Skip(bits);
      k += run + 1;
    } else if (run == 15) {
      k += 16;
    } else {
      break;
    }
  }
  return true;
}

// libjpeg's YCbCr to RGB conversion tables.
struct ColourTables {
  std::array<int, 256> crR{}, cbB{};
  std::array<int32_t, 256> crG{}, cbG{};
  ColourTables() {
    constexpr int kScale = 16;
    constexpr int32_t kHalf = int32_t{1} << (kScale - 1);
    auto fix = [](double x) { return static_cast<int32_t>(x * (1 << kScale) + 0.5); };
    for (int i = 0; i < 256; ++i) {
      const int32_t x = i - 128;
      crR[i] = (fix(1.40200) * x + kHalf) >> kScale;
      cbB[i] = (fix(1.77200) * x + kHalf) >> kScale;
      crG[i] = -fix(0.71414) * x;
      cbG[i] = -fix(0.34414) * x + kHalf;
    }
  }
};

// A chroma plane of w x h block means spread to 2w x 2h with libjpeg's
// triangle filter (each output 9/16 of its own block, 3/16 of either
// neighbour and 1/16 of the diagonal one; edges repeat), which keeps the
// colour gradients a 2 x 2 inverse DCT would give.
std::vector<uint8_t> SpreadTwice(const std::vector<uint8_t>& plane, int w, int h) {
  std::vector<uint8_t> out(static_cast<size_t>(w) * h * 4);
  std::vector<int> sums(static_cast<size_t>(w));
  for (int r = 0; r < h; ++r) {
    for (int half = 0; half < 2; ++half) {
      const int near = std::clamp(r + (half == 0 ? -1 : 1), 0, h - 1);
      const uint8_t* own = plane.data() + static_cast<size_t>(r) * w;
      const uint8_t* other = plane.data() + static_cast<size_t>(near) * w;
      for (int i = 0; i < w; ++i) sums[i] = 3 * own[i] + other[i];
      uint8_t* to = out.data() + static_cast<size_t>(2 * r + half) * 2 * w;
      for (int i = 0; i < w; ++i) {
        const int left = sums[std::max(i - 1, 0)], right = sums[std::min(i + 1, w - 1)];
        to[2 * i] = static_cast<uint8_t>((3 * sums[i] + left + 8) >> 4);
        to[2 * i + 1] = static_cast<uint8_t>((3 * sums[i] + right + 7) >> 4);
      }
    }
  }
  return out;
}

inline uint8_t Clamp(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

}  // namespace

std::optional<Bitmap> DecodeJpegEighth(const jpeg_decompress_struct& cinfo) {
  if (cinfo.progressive_mode || cinfo.arith_code || cinfo.data_precision != 8) return std::nullopt;
  if (cinfo.Ss != 0 || cinfo.Se != 63 || cinfo.Ah != 0 || cinfo.Al != 0) return std::nullopt;
  if (cinfo.src == nullptr || cinfo.comps_in_scan != cinfo.num_components) return std::nullopt;
  const bool grey = cinfo.num_components == 1 && cinfo.jpeg_color_space == JCS_GRAYSCALE;
  const bool ycc = cinfo.num_components == 3 && cinfo.jpeg_color_space == JCS_YCbCr;
  if (!grey && !ycc) return std::nullopt;
  const int width = static_cast<int>(cinfo.image_width);
  const int height = static_cast<int>(cinfo.image_height);
  const int outWidth = (width + 7) / 8, outHeight = (height + 7) / 8;
  if (static_cast<int>(cinfo.output_width) != outWidth ||
      static_cast<int>(cinfo.output_height) != outHeight) {
    return std::nullopt;
  }
  // Luma sampled once or twice per chroma sample in each direction.
  const int hMax = ycc ? cinfo.comp_info[0].h_samp_factor : 1;
  const int vMax = ycc ? cinfo.comp_info[0].v_samp_factor : 1;
  if (hMax < 1 || hMax > 2 || vMax < 1 || vMax > 2) return std::nullopt;
  for (int i = 1; i < cinfo.num_components; ++i) {
    if (cinfo.comp_info[i].h_samp_factor != 1 || cinfo.comp_info[i].v_samp_factor != 1) {
      return std::nullopt;
    }
  }

  // One interleaved scan of MCUs of hMax x vMax luma blocks, or one
  // component's blocks one by one.
  const int mcusAcross = ycc ? (width + 8 * hMax - 1) / (8 * hMax) : outWidth;
  const int mcusDown = ycc ? (height + 8 * vMax - 1) / (8 * vMax) : outHeight;
  std::array<HuffTable, 8> tables;  // DC 0-3, AC 4-7
  std::array<bool, 8> built{};
  std::vector<Component> scan(static_cast<size_t>(cinfo.comps_in_scan));
  for (int i = 0; i < cinfo.comps_in_scan; ++i) {
    const jpeg_component_info* info = cinfo.cur_comp_info[i];
    if (info == nullptr || info->component_index < 0 || info->component_index >= cinfo.num_components) {
      return std::nullopt;
    }
    Component& c = scan[i];
    c.index = info->component_index;
    c.h = ycc ? info->h_samp_factor : 1;
    c.v = ycc ? info->v_samp_factor : 1;
    const JQUANT_TBL* quant = cinfo.quant_tbl_ptrs[info->quant_tbl_no];
    if (quant == nullptr) return std::nullopt;
    c.quant = quant->quantval[0];
    const int dcSlot = info->dc_tbl_no, acSlot = 4 + info->ac_tbl_no;
    if (!built[dcSlot]) {
      if (!BuildTable(cinfo.dc_huff_tbl_ptrs[info->dc_tbl_no], true, &tables[dcSlot])) return std::nullopt;
      built[dcSlot] = true;
    }
    if (!built[acSlot]) {
      if (!BuildTable(cinfo.ac_huff_tbl_ptrs[info->ac_tbl_no], false, &tables[acSlot])) return std::nullopt;
      built[acSlot] = true;
    }
    c.dc = &tables[dcSlot];
    c.ac = &tables[acSlot];
    c.planeWidth = mcusAcross * c.h;
    c.plane.assign(static_cast<size_t>(c.planeWidth) * mcusDown * c.v, 0);
  }

  const auto* data = cinfo.src->next_input_byte;
  BitReader in(data, data + cinfo.src->bytes_in_buffer);
  const unsigned interval = cinfo.restart_interval;
  unsigned left = interval;
  int restarts = 0;
  for (int my = 0; my < mcusDown; ++my) {
    for (int mx = 0; mx < mcusAcross; ++mx) {
      if (interval != 0) {
        if (left == 0) {
          if (!in.Restart(restarts++)) return std::nullopt;
          for (Component& c : scan) c.lastDc = 0;
          left = interval;
        }
        --left;
      }
      for (Component& c : scan) {
        for (int by = 0; by < c.v; ++by) {
          for (int bx = 0; bx < c.h; ++bx) {
            if (!DecodeBlock(in, c, mx * c.h + bx, my * c.v + by)) return std::nullopt;
          }
        }
      }
    }
    if (in.Overrun()) return std::nullopt;
  }

  Bitmap bitmap = Bitmap::Create(outWidth, outHeight);
  if (bitmap.empty()) return std::nullopt;
  const Component* planes[3] = {nullptr, nullptr, nullptr};
  for (const Component& c : scan) planes[c.index] = &c;
  if (grey) {
    for (int y = 0; y < outHeight; ++y) {
      const uint8_t* from = planes[0]->plane.data() + static_cast<size_t>(y) * planes[0]->planeWidth;
      uint8_t* to = bitmap.row(y);
      for (int x = 0; x < outWidth; ++x, to += 4) {
        to[0] = to[1] = to[2] = from[x];
        to[3] = 0xFF;
      }
    }
    return bitmap;
  }
  static const ColourTables colour;
  // Chroma halved both ways is spread smoothly; halved one way it is
  // repeated, as libjpeg's best-speed decode does.
  int hShift = hMax - 1, vShift = vMax - 1;
  const uint8_t* cbPlane = planes[1]->plane.data();
  const uint8_t* crPlane = planes[2]->plane.data();
  int chromaWidth = planes[1]->planeWidth;
  std::vector<uint8_t> cbSpread, crSpread;
  if (hMax == 2 && vMax == 2) {
    cbSpread = SpreadTwice(planes[1]->plane, chromaWidth, mcusDown);
    crSpread = SpreadTwice(planes[2]->plane, chromaWidth, mcusDown);
    cbPlane = cbSpread.data();
    crPlane = crSpread.data();
    chromaWidth *= 2;
    hShift = vShift = 0;
  }
  for (int y = 0; y < outHeight; ++y) {
    const uint8_t* luma = planes[0]->plane.data() + static_cast<size_t>(y) * planes[0]->planeWidth;
    const size_t chromaRow = static_cast<size_t>(y >> vShift);
    const uint8_t* cb = cbPlane + chromaRow * chromaWidth;
    const uint8_t* cr = crPlane + chromaRow * chromaWidth;
    uint8_t* to = bitmap.row(y);
    for (int x = 0; x < outWidth; ++x, to += 4) {
      const int l = luma[x], b = cb[x >> hShift], r = cr[x >> hShift];
      to[0] = Clamp(l + colour.cbB[b]);
      to[1] = Clamp(l + ((colour.cbG[b] + colour.crG[r]) >> 16));
      to[2] = Clamp(l + colour.crR[r]);
      to[3] = 0xFF;
    }
  }
  return bitmap;
}

}  // namespace lumidex
