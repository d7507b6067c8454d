#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// The options of the picture search: "半角と全角を区別しない" (settings
// "sear1") and "ひらがなとカタカナを区別しない" ("sear2").
struct SearchOptions {
  bool ignoreWidth = false;
  bool ignoreKana = false;
};

// The forms of `needle` a search looks for, each lower-cased (LowerLatin):
// the needle itself; with ignoreWidth its half-width and full-width forms;
// with ignoreKana its katakana-to-hiragana, hiragana-to-katakana,
// hiragana-to-half-width-katakana and half-width-katakana-to-hiragana
// forms. Duplicates are left out. Empty for an empty needle.
std::vector<std::string> NeedleVariants(std::string_view needle, const SearchOptions& options);

// Whether `haystack`, lower-cased, contains one of `variants`
// (NeedleVariants). The haystack itself is never converted otherwise.
bool Matches(std::string_view haystack, const std::vector<std::string>& variants);

// Matches for a haystack already lower-cased (LowerLatin): lower-casing is
// byte by byte and keeps the length, so a line lower-cased once serves for
// all its parts.
bool ContainsVariant(std::string_view lowered, const std::vector<std::string>& variants);

// Whether lower-casing a haystack can change what Matches finds: only when
// some variant holds a lower-case letter (ASCII or full-width), since a
// UTF-8 needle found in UTF-8 text covers whole characters, and only
// capitals change.
bool LoweringMatters(const std::vector<std::string>& variants);

// The list search ("次を検索(&S)"): the first of `lines` from `start` on
// whose whole text (name, "=", comment) Matches `variants`; nullopt when
// none up to the end. A start past the end (the list shrank) begins at the
// first line again; a start at the end (the last hit was the last line)
// finds nothing, so the end is reported rather than passed silently.
std::optional<size_t> FindNextEntry(const std::vector<std::string>& lines, size_t start,
                                    const std::vector<std::string>& variants);

}  // namespace lumidex
