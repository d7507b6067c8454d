#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumidex {

// Conversions between the UTF-8 text held in memory and the bytes of album
// files. Album files are cp932 (glibc's "CP932", where 0x5C is the backslash)
// unless they start with the UTF-8 byte-order mark.
//
// Loss-free rule: a byte that does not decode (an invalid cp932 sequence, or
// invalid UTF-8 in a file with a byte-order mark) becomes the private-use
// character U+F700 + byte (U+F780..U+F7FF). Encoding turns such a character
// back into the raw byte, so untouched bytes survive a load and save. cp932
// maps its user-defined area only to U+E000..U+E757, so these characters
// never stand for real cp932 text.

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Decodes cp932 bytes. Never fails: undecodable bytes become escapes.
std::string DecodeCp932(std::string_view bytes);

// Decodes UTF-8 bytes, turning each byte of an invalid sequence into an escape.
std::string DecodeUtf8Lossless(std::string_view bytes);

// Encodes UTF-8 text to cp932. Returns nullopt when some character has no
// cp932 form or the result would not decode back to exactly `text`
// (U+301C WAVE DASH comes back as U+FF5E, the yen sign as a backslash).
std::optional<std::string> EncodeCp932Exact(std::string_view text);

// Encodes UTF-8 text to UTF-8 bytes, turning escapes back into raw bytes.
std::string EncodeUtf8Raw(std::string_view text);

// The text of an album file: UTF-8 when it starts with the byte-order mark
// (which is dropped), else cp932.
std::string DecodeAlbumFile(std::string_view bytes);

// The bytes of an album file: cp932 without a byte-order mark when that
// round-trips exactly, else UTF-8 with the byte-order mark. Either way,
// DecodeAlbumFile of the result gives back exactly `text`.
std::string EncodeAlbumFile(std::string_view text);

// The text of a file people edit by hand (holiday files, playlists): a
// byte-order mark, or valid UTF-8 that has non-ASCII bytes, means UTF-8;
// anything else is cp932.
std::string DecodeEditedFile(std::string_view bytes);

// True when `bytes` is valid UTF-8.
bool IsValidUtf8(std::string_view bytes);

// Number of bytes `text` takes in cp932 (one per ASCII or half-width katakana
// character or escape, two per other character). Characters without a cp932
// form count two.
size_t Cp932Width(std::string_view text);

// The longest prefix of `text` whose cp932 width is at most `maxBytes`,
// never splitting a character.
std::string_view Cp932Prefix(std::string_view text, size_t maxBytes);

// Decodes one UTF-8 character at text[pos]; advances pos. Returns U+FFFD and
// advances one byte on invalid input. REQUIRES: pos < text.size().
char32_t NextCodePoint(std::string_view text, size_t& pos);

// Appends the UTF-8 form of `cp` to `out`.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace lumidex
