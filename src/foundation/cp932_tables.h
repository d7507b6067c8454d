#pragma once

#include <cstdint>
#include <vector>

namespace lumidex {

// The cp932 code page as lookup tables, built once from glibc's "CP932"
// converter so that the album's conversions need no per-call iconv work.
// Immutable after construction; thread-safe.
class Cp932Tables {
 public:
  static constexpr uint32_t kNone = 0xFFFFFFFF;

  static const Cp932Tables& Get();

  // Character of a single byte, or kNone (lead bytes and unused bytes).
  char32_t Single(unsigned char b) const { return single_[b]; }
  // Character of a lead and trail byte pair, or kNone.
  char32_t Double(unsigned char lead, unsigned char trail) const {
    return double_[(static_cast<uint32_t>(lead) << 8) | trail];
  }
  // The cp932 code of a character when it decodes back to exactly that
  // character (one byte below 0x100, else lead << 8 | trail), or kNone.
  uint32_t Encode(char32_t cp) const { return cp < encode_.size() ? encode_[cp] : kNone; }

 private:
  Cp932Tables();

  std::vector<char32_t> single_;
  std::vector<char32_t> double_;
  std::vector<uint32_t> encode_;
};

}  // namespace lumidex
