#pragma once

#include <cstdint>

namespace lumidex {

// The tables behind Cp932Tables, written at build time by cp932_table_gen
// from glibc's "CP932" converter, so that no converter runs when the program
// starts. 0xFFFF stands for "none" in each.
namespace cp932_data {
inline constexpr uint32_t kFirstLead = 0x81;
inline constexpr uint32_t kLastLead = 0xFC;
inline constexpr uint32_t kFirstTrail = 0x40;
inline constexpr uint32_t kLastTrail = 0xFC;
inline constexpr uint32_t kTrailCount = kLastTrail - kFirstTrail + 1;
// Character of each byte.
extern const char16_t kSingle[256];
// Character of each lead and trail pair, row by row of lead bytes.
extern const char16_t kDouble[(kLastLead - kFirstLead + 1) * kTrailCount];
// Code of each BMP character that decodes back to exactly that character.
extern const char16_t kEncode[0x10000];
}  // namespace cp932_data

// The cp932 code page as lookup tables, so that the album's conversions need
// no per-call iconv work. Constant data; thread-safe.
class Cp932Tables {
 public:
  static constexpr uint32_t kNone = 0xFFFFFFFF;

  static const Cp932Tables& Get();

  // Character of a single byte, or kNone (lead bytes and unused bytes).
  char32_t Single(unsigned char b) const { return Found(cp932_data::kSingle[b]); }
  // Character of a lead and trail byte pair, or kNone.
  char32_t Double(unsigned char lead, unsigned char trail) const {
    using namespace cp932_data;
    if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) return kNone;
    return Found(kDouble[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)]);
  }
  // The cp932 code of a character when it decodes back to exactly that
  // character (one byte below 0x100, else lead << 8 | trail), or kNone.
  uint32_t Encode(char32_t cp) const { return cp < 0x10000 ? Found(cp932_data::kEncode[cp]) : kNone; }

 private:
  Cp932Tables() = default;

  static uint32_t Found(char16_t value) { return value == 0xFFFF ? kNone : value; }
};

}  // namespace lumidex
