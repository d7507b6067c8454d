#include "images/exif_reader.h"

#include <algorithm>
#include <optional>

#include "foundation/file_types.h"
#include "foundation/text_codec.h"
#include "images/exif_segment.h"
#include "images/exif_values.h"

namespace lumidex {
namespace {

// The TIFF structure inside an Exif segment: from offset 6, a byte-order
// mark ("II" little-endian, "MM" big-endian) and 42, the offset of IFD0;
// each directory is a 2-byte entry count, then 12-byte entries: tag (2),
// type (2), count (4), and the value itself when it fits in 4 bytes, else
// the offset of the value. Every read is bounded by the data.
class Tiff {
 public:
  static std::optional<Tiff> Of(std::string_view segment) {
    if (segment.size() < 6 + 8) return std::nullopt;
    Tiff tiff(segment.substr(6));
    if (tiff.data_.substr(0, 2) == "II") {
      tiff.little_ = true;
    } else if (tiff.data_.substr(0, 2) != "MM") {
      return std::nullopt;
    }
    if (tiff.U16(2) != 42) return std::nullopt;
    return tiff;
  }

  size_t size() const { return data_.size(); }
  bool Has(size_t at, size_t n) const { return at <= data_.size() && n <= data_.size() - at; }
  std::string_view Bytes(size_t at, size_t n) const { return Has(at, n) ? data_.substr(at, n) : std::string_view(); }
  uint8_t U8(size_t at) const { return Has(at, 1) ? static_cast<uint8_t>(data_[at]) : 0; }
  uint32_t U16(size_t at) const {
    if (!Has(at, 2)) return 0;
    const uint32_t a = U8(at), b = U8(at + 1);
    return little_ ? (b << 8 | a) : (a << 8 | b);
  }
  uint32_t U32(size_t at) const {
    if (!Has(at, 4)) return 0;
    return little_ ? (U16(at + 2) << 16 | U16(at)) : (U16(at) << 16 | U16(at + 2));
  }

 private:
  explicit Tiff(std::string_view data) : data_(data) {}
  std::string_view data_;
  bool little_ = false;
};

struct Entry {
  int tag = 0;
  int type = 0;
  uint32_t count = 0;
  size_t field = 0;  // offset of the 4-byte value field
};

// The entries of the directory at `offset`, up to the first one that does
// not lie wholly inside the data.
std::vector<Entry> Directory(const Tiff& tiff, size_t offset) {
  std::vector<Entry> entries;
  if (!tiff.Has(offset, 2)) return entries;
  const size_t count = tiff.U16(offset);
  for (size_t i = 0; i < count; ++i) {
    const size_t at = offset + 2 + i * 12;
    if (!tiff.Has(at, 12)) break;
    entries.push_back({static_cast<int>(tiff.U16(at)), static_cast<int>(tiff.U16(at + 2)),
                       tiff.U32(at + 4), at + 8});
  }
  return entries;
}

// The bytes of a value of `size` bytes in all: in the field when they fit,
// else at the offset the field holds; empty when outside the data.
std::string_view ValueBytes(const Tiff& tiff, const Entry& e, uint64_t size) {
  if (size <= 4) return tiff.Bytes(e.field, static_cast<size_t>(size));
  if (size > tiff.size()) return {};
  return tiff.Bytes(tiff.U32(e.field), static_cast<size_t>(size));
}

std::optional<std::pair<int64_t, int64_t>> Rational(const Tiff& tiff, const Entry& e) {
  const size_t at = tiff.U32(e.field);
  if (!tiff.Has(at, 8)) return std::nullopt;
  if (e.type == 10) {
    return std::make_pair(int64_t{static_cast<int32_t>(tiff.U32(at))},
                          int64_t{static_cast<int32_t>(tiff.U32(at + 4))});
  }
  return std::make_pair(int64_t{tiff.U32(at)}, int64_t{tiff.U32(at + 4)});
}

std::string Ascii(std::string_view bytes) {
  std::string text(bytes.substr(0, bytes.find('\0')));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return DecodeCp932(text);
}

// The value of an entry as text, by its type.
std::string Format(const Tiff& tiff, const Entry& e) {
  switch (e.type) {
    case 1: return std::to_string(tiff.U8(e.field));
    case 2: return Ascii(ValueBytes(tiff, e, e.count));
    case 3: return std::to_string(tiff.U16(e.field));
    case 4: return std::to_string(tiff.U32(e.field));
    case 5:
    case 10: {
      const auto r = Rational(tiff, e);
      return r ? ExifRationalText(r->first, r->second) : std::string();
    }
    case 7: return ExifUserCommentText(ValueBytes(tiff, e, e.count));
    case 9: return std::to_string(static_cast<int32_t>(tiff.U32(e.field)));
    default: return {};
  }
}

// The shown value of a tag: its type's text passed through the tag's own
// rule (table, flash text, exposure text).
std::string Value(const Tiff& tiff, const Entry& e) {
  if (e.tag == 0x829A && (e.type == 5 || e.type == 10)) {
    const auto r = Rational(tiff, e);
    return r ? ExifExposureText(r->first, r->second) : std::string();
  }
  std::string text = Format(tiff, e);
  if (e.tag == 0x9209) return ExifFlashText(text);
  if (HasExifTable(e.tag)) return ExifTableText(e.tag, text);
  return text;
}

struct Label {
  int tag;
  const char* prefix;
  const char* suffix;
};

constexpr Label kIfd0Labels[] = {
    {0x0132, "01=編集日時: ", ""}, {0x010F, "02=メーカー: ", ""}, {0x0110, "03=機種: ", ""},
    {0x0131, "04=ソフトウェア: ", ""}};

constexpr Label kExifLabels[] = {
    {0x9003, "00=撮影日時: ", ""},          {0x829A, "05=シャッター速度: ", "s"},
    {0x829D, "06=絞り値: f/", ""},          {0x8827, "07=ＩＳＯ感度: ", ""},
    {0x920A, "08=レンズの焦点距離: ", "mm"}, {0x9207, "09=自動露出の測光: ", ""},
    {0x9208, "10=光源: ", ""},              {0x9209, "11=フラッシュ: ", ""},
    {0x8822, "12=露光制御: ", ""},          {0xA40C, "13=被写体撮影モード: ", ""},
    {0xA406, "14=撮影シーンタイプ: ", ""},  {0xA408, "15=コントラスト: ", ""},
    {0xA40A, "16=シャープネス: ", ""},      {0x9286, "18=コメント: ", ""}};

template <size_t N>
const Label* FindLabel(const Label (&labels)[N], int tag) {
  for (const Label& label : labels) {
    if (label.tag == tag) return &label;
  }
  return nullptr;
}

// Calls `visit(directory, entry)` for IFD0 up to the Exif pointer, then for
// the Exif directory.
template <typename Visit>
void Walk(const Tiff& tiff, Visit visit) {
  for (const Entry& e : Directory(tiff, tiff.U32(4))) {
    if (e.tag == kExifSubIfd) {
      for (const Entry& x : Directory(tiff, tiff.U32(e.field))) visit(kExifSubIfd, x);
      return;
    }
    visit(kExifIfd0, e);
  }
}

bool IsExifFile(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  return extension == ".jpg" || extension == ".jpeg";
}

bool Digits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

}  // namespace

std::vector<std::string> ExifLinesOf(std::string_view segment) {
  std::vector<std::string> lines;
  const std::optional<Tiff> tiff = Tiff::Of(segment);
  if (!tiff) return lines;
  std::optional<std::string> width, height;
  Walk(*tiff, [&](int directory, const Entry& e) {
    if (directory == kExifSubIfd && (e.tag == 0xA002 || e.tag == 0xA003)) {
      (e.tag == 0xA002 ? width : height) = Format(*tiff, e);
      return;
    }
    const Label* label = directory == kExifIfd0 ? FindLabel(kIfd0Labels, e.tag)
                                                : FindLabel(kExifLabels, e.tag);
    if (label == nullptr) return;
    std::string value = Value(*tiff, e);
    if (!value.empty()) value += label->suffix;
    lines.push_back(label->prefix + value);
  });
  if (width && height) lines.push_back("17=幅と高さ: " + *width + "×" + *height);
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::string ExifTagOf(std::string_view segment, int directory, int tag) {
  const std::optional<Tiff> tiff = Tiff::Of(segment);
  if (!tiff) return {};
  std::optional<std::string> found;
  Walk(*tiff, [&](int dir, const Entry& e) {
    if (!found && dir == directory && e.tag == tag) found = Value(*tiff, e);
  });
  return found.value_or(std::string());
}

std::string ExifSummary(const std::string& path, bool withKeys) {
  if (!IsExifFile(path)) return {};
  std::FILE* probe = std::fopen(path.c_str(), "rb");
  if (probe == nullptr) return {};
  std::fclose(probe);
  const std::optional<std::string> segment = ReadExifSegment(path);
  const std::vector<std::string> lines = segment ? ExifLinesOf(*segment) : std::vector<std::string>();
  if (lines.empty()) return std::string(kNoExifText);
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\r\n";
    text += withKeys ? line : line.substr(3);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n')) {
    text.pop_back();
  }
  return text;
}

std::string ExifTag(const std::string& path, int directory, int tag) {
  if (!IsExifFile(path)) return {};
  const std::optional<std::string> segment = ReadExifSegment(path);
  return segment ? ExifTagOf(*segment, directory, tag) : std::string();
}

std::string ExifDateFromText(std::string_view s, bool withTime) {
  if (s.size() < (withTime ? 19u : 10u)) return {};
  const std::string_view y = s.substr(0, 4), m = s.substr(5, 2), d = s.substr(8, 2);
  if (!Digits(y) || !Digits(m) || !Digits(d)) return {};
  const int year = Number(y), month = Number(m), day = Number(d);
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) return {};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (month == 2 && day == 29 && !leap) return {};
  std::string text = std::string(y) + "/" + std::string(m) + "/" + std::string(d);
  if (!withTime) return text;
  const std::string_view hh = s.substr(11, 2), mm = s.substr(14, 2), ss = s.substr(17, 2);
  if (!Digits(hh) || !Digits(mm) || !Digits(ss) || s[13] != ':' || s[16] != ':' ||
      Number(hh) > 23 || Number(mm) > 59 || Number(ss) > 59) {
    return {};
  }
  return text + " " + std::string(hh) + ":" + std::string(mm) + ":" + std::string(ss);
}

std::string ExifDate(const std::string& path, bool withTime) {
  return ExifDateFromText(ExifTag(path, kExifSubIfd, 0x9003), withTime);
}

}  // namespace lumidex
