#include "album/cp932_needles.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "foundation/cp932_tables.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr unsigned char kUndecodable = 0xFF;

// The folded form of every cp932 code, and how many codes fold to each.
// Codes are a single byte (below 0x100) or lead << 8 | trail.
class FoldTables {
 public:
  FoldTables(const FoldTables&) = delete;
  FoldTables& operator=(const FoldTables&) = delete;

  static const FoldTables& Get() {
    static const FoldTables tables;
    return tables;
  }

  // The folded code of the single-byte character `b`, or -1 when `b` is no
  // single-byte character (a lead byte or a byte that does not decode).
  int Single(unsigned char b) const { return single_[b]; }
  // The folded code of a pair, or 0 when the pair is no character.
  uint16_t Pair(unsigned char lead, unsigned char trail) const { return pair_[(lead << 8) | trail]; }
  // True when `code` is the folded form of itself alone, so that it can be
  // looked for in the raw bytes.
  bool OnlyItself(uint32_t code) const { return preimages_[code] == 1 && Fold(code) == code; }
  // True when some code of another length folds to `code`: such a needle
  // cannot be looked for in bytes at all.
  bool LengthChanges(uint32_t code) const { return lengthChanges_[code]; }

 private:
  FoldTables() : pair_(65536, 0), preimages_(65536, 0), lengthChanges_(65536, false) {
    std::fill(std::begin(single_), std::end(single_), -1);
    const Cp932Tables& cp932 = Cp932Tables::Get();
    // The canonical code of a character's lower-case form (LowerLatin:
    // ASCII and full-width capitals), or kNone.
    auto canonical = [&](char32_t cp) -> uint32_t {
      if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xFF21 && cp <= 0xFF3A)) cp += 0x20;
      return cp932.Encode(cp);
    };
    for (uint32_t b = 0; b < 256; ++b) {
      const char32_t cp = b < 0x80 ? b : cp932.Single(static_cast<unsigned char>(b));
      if (cp == Cp932Tables::kNone) continue;
      uint32_t code = canonical(cp);
      if (code == Cp932Tables::kNone || code > 0xFF) {
        if (code != Cp932Tables::kNone) lengthChanges_[code] = true;
        code = b;
      }
      single_[b] = static_cast<int>(code);
      ++preimages_[code];
    }
    for (uint32_t lead = 0x80; lead < 0x100; ++lead) {
      if (single_[lead] >= 0) continue;
      for (uint32_t trail = 0; trail < 0x100; ++trail) {
        const char32_t cp = cp932.Double(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        if (cp == Cp932Tables::kNone) continue;
        const uint32_t raw = (lead << 8) | trail;
        uint32_t code = canonical(cp);
        if (code == Cp932Tables::kNone || code <= 0xFF) {
          if (code != Cp932Tables::kNone) lengthChanges_[code] = true;
          code = raw;
        }
        pair_[raw] = static_cast<uint16_t>(code);
        ++preimages_[code];
      }
    }
  }

  uint32_t Fold(uint32_t code) const {
    return code <= 0xFF ? static_cast<uint32_t>(single_[code]) : pair_[code];
  }

  int single_[256];
  std::vector<uint16_t> pair_;
  std::vector<uint8_t> preimages_;
  std::vector<bool> lengthChanges_;
};

// The folded copy of `bytes` into `out` (the same length; see the class
// comment of Cp932Needles).
void Fold(std::string_view bytes, std::string& out) {
  const FoldTables& fold = FoldTables::Get();
  out.resize(bytes.size());
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  auto* o = reinterpret_cast<unsigned char*>(out.data());
  const size_t n = bytes.size();
  for (size_t i = 0; i < n;) {
    const unsigned char b = in[i];
    if (const int single = fold.Single(b); single >= 0) {
      o[i++] = static_cast<unsigned char>(single);
    } else if (const uint16_t pair = i + 1 < n ? fold.Pair(b, in[i + 1]) : 0; pair != 0) {
      o[i] = static_cast<unsigned char>(pair >> 8);
      o[i + 1] = static_cast<unsigned char>(pair & 0xFF);
      i += 2;
    } else {
      o[i++] = kUndecodable;
    }
  }
}

// The start of the line holding `pos`: after the last CR or LF before it.
// Searched backwards window by window, so that a text with CR alone is not
// searched to its start for an LF at every line.
size_t LineBegin(std::string_view bytes, size_t pos) {
  constexpr size_t kWindow = 512;
  while (pos > 0) {
    const size_t from = pos > kWindow ? pos - kWindow : 0;
    const char* const begin = bytes.data() + from;
    const size_t size = pos - from;
    const void* lf = memrchr(begin, '\n', size);
    const size_t afterLf = lf == nullptr ? 0 : static_cast<size_t>(static_cast<const char*>(lf) - begin) + 1;
    if (const void* cr = memrchr(begin + afterLf, '\r', size - afterLf)) {
      return from + static_cast<size_t>(static_cast<const char*>(cr) - begin) + 1;
    }
    if (lf != nullptr) return from + afterLf;
    pos = from;
  }
  return 0;
}

size_t LineEnd(std::string_view bytes, size_t pos) { return FindLineBreak(bytes, pos); }

// Whether the UTF-8 text holds a stand-in for an undecodable byte
// (U+F780..U+F7FF: EF 9E 80..EF 9F BF).
bool HoldsByteStandIn(std::string_view text) {
  for (size_t i = 0; i + 2 < text.size(); ++i) {
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    if (static_cast<unsigned char>(text[i]) == 0xEF && (b1 == 0x9E || b1 == 0x9F)) return true;
  }
  return false;
}

// How often each byte value occurs in the first bytes of a document: the
// search runs memchr over the needle's rarest byte, and a rare byte (a trail
// byte rather than the lead byte 0x82 shared by all hiragana) leaves few
// places to compare.
struct ByteCounts {
  explicit ByteCounts(std::string_view bytes) {
    constexpr size_t kSample = 1 << 12;
    for (const char c : bytes.substr(0, kSample)) ++counts[static_cast<unsigned char>(c)];
  }
  size_t RarestOf(std::string_view needle) const {
    size_t rarest = needle.size() - 1;
    for (size_t i = needle.size(); i-- > 0;) {
      if (counts[static_cast<unsigned char>(needle[i])] < counts[static_cast<unsigned char>(needle[rarest])]) {
        rarest = i;
      }
    }
    return rarest;
  }
  uint32_t counts[256] = {};
};

// Adds the start of every line of `haystack` holding `needle` on a
// character start (read in `raw`, whose characters lie where the folded
// copy's do) to `starts`.
void FindLines(std::string_view haystack, std::string_view raw, const std::string& needle, const ByteCounts& counts,
               std::vector<size_t>& starts) {
  if (needle.size() > haystack.size()) return;
  const size_t key = counts.RarestOf(needle);
  const char keyByte = needle[key];
  const char* const data = haystack.data();
  // Candidate starts lie in [pos, last].
  const size_t last = haystack.size() - needle.size();
  size_t pos = 0;
  while (pos <= last) {
    const void* found = std::memchr(data + pos + key, keyByte, last - pos + 1);
    if (found == nullptr) return;
    const size_t at = static_cast<size_t>(static_cast<const char*>(found) - data) - key;
    if (std::memcmp(data + at, needle.data(), needle.size()) != 0) {
      pos = at + 1;
      continue;
    }
    const size_t begin = LineBegin(raw, at);
    if (IsCp932CharacterStart(raw.substr(begin), at - begin)) {
      starts.push_back(begin);
      pos = LineEnd(raw, at);
    } else {
      pos = at + 1;
    }
  }
}

}  // namespace

bool IsCp932CharacterStart(std::string_view line, size_t offset) {
  const Cp932Tables& cp932 = Cp932Tables::Get();
  const auto* in = reinterpret_cast<const unsigned char*>(line.data());
  size_t i = 0;
  while (i < offset) {
    const unsigned char b = in[i];
    if (b >= 0x80 && cp932.Single(b) == Cp932Tables::kNone && i + 1 < line.size() &&
        cp932.Double(b, in[i + 1]) != Cp932Tables::kNone) {
      i += 2;
    } else {
      i += 1;
    }
  }
  return i == offset;
}

std::optional<Cp932Needles> Cp932Needles::Encode(const std::vector<std::string>& variants) {
  const FoldTables& fold = FoldTables::Get();
  Cp932Needles needles;
  for (const std::string& variant : variants) {
    if (variant.empty() || variant.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) continue;
    if (HoldsByteStandIn(variant)) return std::nullopt;
    std::optional<std::string> bytes = EncodeCp932Exact(variant);
    if (!bytes) return std::nullopt;
    bool onlyItself = true;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes->data());
    for (size_t i = 0; i < bytes->size();) {
      const bool pair = fold.Single(b[i]) < 0;
      const uint32_t code = pair ? (static_cast<uint32_t>(b[i]) << 8) | b[i + 1] : b[i];
      if (fold.LengthChanges(code)) return std::nullopt;
      onlyItself = onlyItself && fold.OnlyItself(code);
      i += pair ? 2 : 1;
    }
    (onlyItself ? needles.raw_ : needles.folded_).push_back(std::move(*bytes));
  }
  return needles;
}

void Cp932Needles::ForEachLine(std::string_view bytes,
                               const std::function<void(size_t begin, size_t end)>& line) const {
  std::vector<size_t> starts;
  const ByteCounts rawCounts(bytes);
  for (const std::string& needle : raw_) FindLines(bytes, bytes, needle, rawCounts, starts);
  if (!folded_.empty()) {
    // One buffer per thread, reused: documents are searched one after another.
    thread_local std::string folded;
    Fold(bytes, folded);
    const ByteCounts foldedCounts(folded);
    for (const std::string& needle : folded_) FindLines(folded, bytes, needle, foldedCounts, starts);
  }
  if (raw_.size() + folded_.size() > 1) {
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  }
  for (const size_t begin : starts) line(begin, LineEnd(bytes, begin));
}

}  // namespace lumidex
