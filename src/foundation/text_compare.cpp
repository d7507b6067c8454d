#include "foundation/text_compare.h"

#include <iconv.h>

#include <array>
#include <memory>
#include <mutex>
#include <vector>

#include "foundation/text_codec.h"

namespace lumidex {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Sort key of every BMP character: its cp932 code, or 0x10000 + code point for
// characters cp932 lacks. Built once from the code page itself.
class Cp932Order {
 public:
  Cp932Order() : keys_(0x10000) {
    for (uint32_t cp = 0; cp < 0x10000; ++cp) keys_[cp] = 0x10000 + cp;
    for (uint32_t b = 0; b < 0x80; ++b) keys_[b] = b;
    // Raw-byte escapes sort after every cp932 code and stay distinct from them.
    for (uint32_t b = 0x80; b <= 0xFF; ++b) keys_[0xF700 + b] = 0xFD00 + b;
    for (uint32_t b = 0xA1; b <= 0xDF; ++b) keys_[0xFF61 + (b - 0xA1)] = b;
    iconv_t cd = iconv_open("UTF-32LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return;
    for (uint32_t lead = 0x81; lead <= 0xFC; ++lead) {
      if (lead > 0x9F && lead < 0xE0) continue;
      for (uint32_t trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        std::array<unsigned char, 8> out{};
        char* inPtr = in;
        size_t inLeft = 2;
        char* outPtr = reinterpret_cast<char*>(out.data());
        size_t outLeft = out.size();
        const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (rc == static_cast<size_t>(-1) || out.size() - outLeft != 4) continue;
        const uint32_t cp = out[0] | (out[1] << 8) | (out[2] << 16) | (uint32_t(out[3]) << 24);
        // Where two codes decode to one character (NEC and IBM duplicates),
        // the first, lower code is the one cp932 encodes to.
        if (cp < 0x10000 && keys_[cp] >= 0x10000) keys_[cp] = (lead << 8) | trail;
      }
    }
    iconv_close(cd);
  }

  // Key of a character with ASCII letters folded to lower case.
  uint32_t Key(char32_t cp) const {
    if (cp >= 'A' && cp <= 'Z') cp += 'a' - 'A';
    return cp < 0x10000 ? keys_[cp] : 0x10000 + cp;
  }

 private:
  std::vector<uint32_t> keys_;
};

const Cp932Order& Order() {
  static const Cp932Order order;
  return order;
}

}  // namespace

std::string FoldAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

int CompareText(std::string_view a, std::string_view b) {
  const Cp932Order& order = Order();
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[j]);
    if (ca < 0x80 && cb < 0x80) {  // the common ASCII case, without decoding
      const char la = LowerAscii(static_cast<char>(ca));
      const char lb = LowerAscii(static_cast<char>(cb));
      if (la != lb) return static_cast<unsigned char>(la) < static_cast<unsigned char>(lb) ? -1 : 1;
      ++i;
      ++j;
      continue;
    }
    const uint32_t ka = order.Key(NextCodePoint(a, i));
    const uint32_t kb = order.Key(NextCodePoint(b, j));
    if (ka != kb) return ka < kb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace lumidex
