#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// The search's needles as cp932 bytes, looked for in the raw bytes of a
// cp932 album document without decoding it, with the result Matches gives on
// the decoded text: a line holds a needle when its text, lower-cased as
// LowerLatin does (ASCII and full-width capitals), contains it.
//
// Why the bytes can be searched: every character has one canonical code
// (Cp932Tables::Encode), and a cp932 code sequence found at a character start
// is the same character sequence (a single-byte character is never a lead
// byte, and a lead byte is always read with its trail byte when the pair is a
// character). So a line is searched in its folded form: every character
// replaced by the canonical code of its lower-case form (the same length),
// every byte that does not decode by 0xFF, which no needle holds; a match
// counts only when it starts on a character start, not on a trail byte such
// as the 0x5C of "ソ". A needle none of whose characters is the folded form of
// another code ("さくら", "_01", not "img") is looked for in the raw bytes
// directly; the others in the folded copy of the document.
//
// Immutable once made; thread-safe.
class Cp932Needles {
 public:
  // The cp932 forms of `variants` (lower-cased UTF-8, as NeedleVariants gives
  // them). Variants holding CR, LF or NUL are left out, since no line holds
  // them. nullopt when some variant has no exact cp932 form or holds a
  // stand-in for an undecodable byte (U+F780..U+F7FF): only the decoded text
  // can be searched for those.
  static std::optional<Cp932Needles> Encode(const std::vector<std::string>& variants);

  // Calls `line(begin, end)` once for every line of `bytes` that holds a
  // needle, in order, with the offsets of its first byte and of the line
  // break (or the end) after it. Lines end at CR, LF or CR LF.
  // REQUIRES: `bytes` holds no NUL (the loader drops NULs, which would join
  // the bytes around them) and no byte-order mark.
  void ForEachLine(std::string_view bytes, const std::function<void(size_t begin, size_t end)>& line) const;

  bool empty() const { return raw_.empty() && folded_.empty(); }

 private:
  std::vector<std::string> raw_;     // looked for in the bytes as they are
  std::vector<std::string> folded_;  // looked for in the folded bytes
};

// Whether `offset` of the line `line` (cp932 bytes) starts a character, read
// from the start of the line as DecodeCp932 reads it.
bool IsCp932CharacterStart(std::string_view line, size_t offset);

}  // namespace lumidex
