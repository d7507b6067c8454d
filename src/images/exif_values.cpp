#include "images/exif_values.h"

#include <charconv>
#include <optional>
#include <utility>

#include "foundation/text_codec.h"

namespace lumidex {
namespace {

std::optional<int64_t> ParseInteger(std::string_view text) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

using Row = std::pair<int, const char*>;

template <size_t N>
std::string Lookup(const Row (&rows)[N], int64_t value) {
  for (const Row& row : rows) {
    if (row.first == value) return row.second;
  }
  return {};
}

const Row kMetering[] = {{0, "不明"},       {1, "平均測光"},     {2, "中央重点"}, {3, "スポット"},
                         {4, "多点スポット"}, {5, "分割測光"},     {6, "部分測光"}, {255, "その他"}};
const Row kProgram[] = {{0, "未定義"},           {1, "マニュアル"},        {2, "ノーマルプログラム"},
                        {3, "露出優先"},         {4, "シャッター優先"},    {5, "creativeプログラム"},
                        {6, "actionプログラム"}, {7, "ポートレイトモード"}, {8, "ランドスケープモード"}};
const Row kLight[] = {{0, "不明"},
                      {1, "昼光"},
                      {2, "蛍光燈"},
                      {3, "白熱電球"},
                      {4, "フラッシュ"},
                      {9, "晴れ"},
                      {10, "曇り"},
                      {11, "日陰"},
                      {12, "Daylight 蛍光灯(D 5700-7100K)"},
                      {13, "Day white 蛍光灯(N 4600-5400K)"},
                      {14, "Cool white 蛍光灯(W 3900-4500K)"},
                      {15, "White 蛍光灯(WW 3200-3700K)"},
                      {17, "標準ライトA"},
                      {18, "標準ライトB"},
                      {19, "標準ライトC"},
                      {20, "D55"},
                      {21, "D65"},
                      {22, "D75"},
                      {23, "D50"},
                      {24, "ISOスタジオ・タングステン"},
                      {255, "その他"}};
const Row kDistance[] = {{0, "不明"}, {1, "マクロ"}, {2, "近景"}, {3, "遠景"}};
const Row kScene[] = {{0, "スタンダード"}, {1, "ランドスケープ"}, {2, "ポートレイト"}, {3, "夜景"}};
const Row kContrast[] = {{0, "ノーマル"}, {1, "ソフト"}, {2, "ハード"}};

// JIS X 0208 row and cell (0x21..0x7E each) to the two Shift-JIS bytes.
void AppendShiftJis(std::string& out, uint8_t j1, uint8_t j2) {
  const uint8_t s1 = static_cast<uint8_t>(((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0));
  uint8_t s2 = 0;
  if (j1 & 1) {
    s2 = static_cast<uint8_t>(j2 + (j2 >= 0x60 ? 0x20 : 0x1F));
  } else {
    s2 = static_cast<uint8_t>(j2 + 0x7E);
  }
  out.push_back(static_cast<char>(s1));
  out.push_back(static_cast<char>(s2));
}

// ISO-2022-JP (with the JIS X 0201 katakana of ESC ( I and SO/SI) to
// Shift-JIS bytes, up to the first NUL.
std::string JisToShiftJis(std::string_view in) {
  enum class Mode { kSingle, kDouble, kKana } mode = Mode::kSingle;
  std::string out;
  for (size_t i = 0; i < in.size();) {
    const auto b = static_cast<uint8_t>(in[i]);
    if (b == 0) break;
    if (b == 0x1B) {
      const std::string_view rest = in.substr(i + 1);
      if (rest.substr(0, 2) == "&@") {
        i += 3;
      } else if (rest.substr(0, 2) == "$@" || rest.substr(0, 2) == "$B") {
        mode = Mode::kDouble;
        i += 3;
      } else if (rest.substr(0, 3) == "$(D") {
        mode = Mode::kDouble;
        i += 4;
      } else if (rest.substr(0, 2) == "(B" || rest.substr(0, 2) == "(J") {
        mode = Mode::kSingle;
        i += 3;
      } else if (rest.substr(0, 2) == "(I") {
        mode = Mode::kKana;
        i += 3;
      } else {
        ++i;
      }
      continue;
    }
    if (b == 0x0E) {
      mode = Mode::kKana;
      ++i;
    } else if (b == 0x0F) {
      mode = Mode::kSingle;
      ++i;
    } else if (mode == Mode::kDouble && b >= 0x21 && b <= 0x7E && i + 1 < in.size() &&
               static_cast<uint8_t>(in[i + 1]) >= 0x21 && static_cast<uint8_t>(in[i + 1]) <= 0x7E) {
      AppendShiftJis(out, b, static_cast<uint8_t>(in[i + 1]));
      i += 2;
    } else if (mode == Mode::kKana && b >= 0x21 && b <= 0x5F) {
      out.push_back(static_cast<char>(b + 0x80));
      ++i;
    } else {
      out.push_back(static_cast<char>(b));
      ++i;
    }
  }
  return out;
}

std::string UpToNul(std::string_view bytes) { return std::string(bytes.substr(0, bytes.find('\0'))); }

// UTF-16 text up to the first 0 unit; a leading byte-order mark is skipped
// and chooses the byte order, else little-endian. Unpaired surrogates
// become spaces.
std::string Utf16ToUtf8(std::string_view bytes) {
  bool bigEndian = false;
  size_t i = 0;
  auto unit = [&](size_t at) -> uint32_t {
    const auto a = static_cast<uint8_t>(bytes[at]), b = static_cast<uint8_t>(bytes[at + 1]);
    return bigEndian ? (uint32_t{a} << 8 | b) : (uint32_t{b} << 8 | a);
  };
  if (bytes.size() >= 2) {
    const auto a = static_cast<uint8_t>(bytes[0]), b = static_cast<uint8_t>(bytes[1]);
    if (a == 0xFE && b == 0xFF) {
      bigEndian = true;
      i = 2;
    } else if (a == 0xFF && b == 0xFE) {
      i = 2;
    }
  }
  std::string out;
  for (; i + 1 < bytes.size(); i += 2) {
    uint32_t u = unit(i);
    if (u == 0) break;
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (u >= 0xD800 && u <= 0xDFFF) u = ' ';
    AppendUtf8(out, u);
  }
  return out;
}

}  // namespace

bool HasExifTable(int tag) {
  switch (tag) {
    case 0x9207: case 0x9208: case 0x8822: case 0xA40C: case 0xA406: case 0xA408: case 0xA40A:
      return true;
    default:
      return false;
  }
}

std::string ExifTableText(int tag, std::string_view value) {
  const std::optional<int64_t> v = ParseInteger(value);
  if (!v) return {};
  switch (tag) {
    case 0x9207: return Lookup(kMetering, *v);
    case 0x9208: return Lookup(kLight, *v);
    case 0x8822: return Lookup(kProgram, *v);
    case 0xA40C: return Lookup(kDistance, *v);
    case 0xA406: return Lookup(kScene, *v);
    case 0xA408:
    case 0xA40A: return Lookup(kContrast, *v);
    default: return {};
  }
}

std::string ExifFlashText(std::string_view value) {
  const std::optional<int64_t> v = ParseInteger(value);
  if (!v) return {};
  std::string text = "ストロボ";
  text += (*v & 0x10) ? "あり" : "なし";
  text += (*v & 0x01) ? "、 発光" : "、 未発光";
  text += "、 赤目";
  text += (*v & 0x40) ? "あり" : "なし";
  text += "、 リターン";
  text += (*v & 0x06) == 0x06 ? "あり" : "なし";
  return text;
}

std::string ExifRationalText(int64_t numerator, int64_t denominator) {
  if (denominator == 0) return {};
  // Cameras store values such as f/2.2 as 9227469/4194304, exact only in
  // single precision: the shortest text that reads back as the same float is
  // the number the camera meant.
  const float value = static_cast<float>(static_cast<double>(numerator) / static_cast<double>(denominator));
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string ExifExposureText(int64_t numerator, int64_t denominator) {
  if (denominator == 0) return {};
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  if (numerator > 0 && numerator < denominator) {
    return "1/" + std::to_string((denominator + numerator - 1) / numerator);
  }
  return ExifRationalText(numerator, denominator);
}

std::string ExifUserCommentText(std::string_view bytes) {
  if (bytes.size() < 8) return {};
  const std::string_view code = bytes.substr(0, 8), text = bytes.substr(8);
  if (code.substr(0, 3) == "ASC" || code.substr(0, 3) == std::string_view("\0\0\0", 3)) {
    return DecodeCp932(UpToNul(text));
  }
  if (code.substr(0, 3) == "JIS") return DecodeCp932(JisToShiftJis(text));
  if (code.substr(0, 3) == "UNI") return Utf16ToUtf8(text);
  return {};
}

}  // namespace lumidex
