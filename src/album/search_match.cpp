#include "album/search_match.h"

#include <algorithm>

#include "album/kana_folding.h"

namespace lumidex {

std::vector<std::string> NeedleVariants(std::string_view needle, const SearchOptions& options) {
  std::vector<std::string> variants;
  if (needle.empty()) return variants;
  auto add = [&](const std::string& form) {
    std::string lower = LowerLatin(form);
    if (!lower.empty() && std::find(variants.begin(), variants.end(), lower) == variants.end()) {
      variants.push_back(std::move(lower));
    }
  };
  add(std::string(needle));
  if (options.ignoreWidth) {
    add(ToHalfWidth(needle));
    add(ToFullWidth(needle));
  }
  if (options.ignoreKana) {
    add(KatakanaToHiragana(needle));
    add(HiraganaToKatakana(needle));
    add(HiraganaToHalfKatakana(needle));
    add(HalfKatakanaToHiragana(needle));
  }
  return variants;
}

bool Matches(std::string_view haystack, const std::vector<std::string>& variants) {
  if (variants.empty()) return false;
  // One buffer per thread: the album search tests millions of names.
  thread_local std::string lower;
  lower.assign(haystack);
  LowerLatinInPlace(lower);
  return ContainsVariant(lower, variants);
}

bool ContainsVariant(std::string_view lowered, const std::vector<std::string>& variants) {
  return std::any_of(variants.begin(), variants.end(),
                     [&](const std::string& variant) { return lowered.find(variant) != std::string_view::npos; });
}

bool LoweringMatters(const std::vector<std::string>& variants) {
  return std::any_of(variants.begin(), variants.end(), [](const std::string& variant) {
    for (size_t i = 0; i < variant.size(); ++i) {
      const auto byte = static_cast<unsigned char>(variant[i]);
      if (byte >= 'a' && byte <= 'z') return true;
      // ａ–ｚ: EF BD 81–9A.
      if (byte == 0xEF && i + 2 < variant.size() && static_cast<unsigned char>(variant[i + 1]) == 0xBD) {
        const auto last = static_cast<unsigned char>(variant[i + 2]);
        if (last >= 0x81 && last <= 0x9A) return true;
      }
    }
    return false;
  });
}

std::optional<size_t> FindNextEntry(const std::vector<std::string>& lines, size_t start,
                                    const std::vector<std::string>& variants) {
  if (start > lines.size()) start = 0;
  for (size_t i = start; i < lines.size(); ++i) {
    if (Matches(lines[i], variants)) return i;
  }
  return std::nullopt;
}

}  // namespace lumidex
