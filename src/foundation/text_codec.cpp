#include "foundation/text_codec.h"

#include <cstdint>
#include <cstring>
#include <memory>

#include "foundation/cp932_tables.h"

namespace lumidex {
namespace {

constexpr char32_t kEscapeBase = 0xF700;

bool IsEscape(char32_t cp) { return cp >= kEscapeBase + 0x80 && cp <= kEscapeBase + 0xFF; }

// Bytes one character takes in cp932: ASCII, half-width katakana and raw
// bytes take one, everything else two.
size_t Cp932CharWidth(char32_t cp) {
  return (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F) || IsEscape(cp)) ? 1 : 2;
}

size_t Utf8SequenceLength(std::string_view text, size_t pos) {
  const auto b0 = static_cast<unsigned char>(text[pos]);
  if (b0 < 0x80) return 1;
  size_t len;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2;
    min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3;
    min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (pos + len > text.size()) return 0;
  char32_t cp = b0 & (0x7F >> len);
  for (size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// Writes the UTF-8 form of cp at o; returns the position after it.
// REQUIRES: room for four bytes.
char* WriteUtf8(char* o, char32_t cp) {
  if (cp < 0x80) {
    *o++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *o++ = static_cast<char>(0xC0 | (cp >> 6));
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *o++ = static_cast<char>(0xE0 | (cp >> 12));
    *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *o++ = static_cast<char>(0xF0 | (cp >> 18));
    *o++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *o++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return o;
}

// NextCodePoint with a fast path for the three-byte sequences of Japanese
// text, which make up most of an album's non-ASCII characters.
char32_t NextThreeByteCodePoint(std::string_view text, size_t& pos) {
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  if ((t[pos] & 0xF0) == 0xE0 && pos + 2 < text.size() && (t[pos + 1] & 0xC0) == 0x80 &&
      (t[pos + 2] & 0xC0) == 0x80) {
    const char32_t cp = ((t[pos] & 0x0F) << 12) | ((t[pos + 1] & 0x3F) << 6) | (t[pos + 2] & 0x3F);
    if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) {
      pos += 3;
      return cp;
    }
  }
  return NextCodePoint(text, pos);
}

}  // namespace

char32_t NextCodePoint(std::string_view text, size_t& pos) {
  const size_t len = Utf8SequenceLength(text, pos);
  if (len == 0) {
    ++pos;
    return 0xFFFD;
  }
  const auto b0 = static_cast<unsigned char>(text[pos]);
  char32_t cp = len == 1 ? b0 : (b0 & (0x7F >> len));
  for (size_t i = 1; i < len; ++i) cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
  pos += len;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  char buffer[4];
  out.append(buffer, static_cast<size_t>(WriteUtf8(buffer, cp) - buffer));
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t pos = 0; pos < bytes.size();) {
    const size_t len = Utf8SequenceLength(bytes, pos);
    if (len == 0) return false;
    pos += len;
  }
  return true;
}

std::string DecodeCp932(std::string_view bytes) {
  const Cp932Tables& tables = Cp932Tables::Get();
  // Each byte yields at most three bytes of UTF-8. The buffer is not zeroed
  // first: only what is written is copied out.
  const std::unique_ptr<char[]> buffer(new char[bytes.size() * 3 + 1]);
  char* o = buffer.get();
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  for (size_t i = 0; i < n;) {
    // Album text is mostly ASCII (paths, keys): eight bytes without a high
    // bit are copied at once.
    if (i + 8 <= n) {
      uint64_t eight;
      std::memcpy(&eight, in + i, 8);
      if ((eight & 0x8080808080808080ULL) == 0) {
        std::memcpy(o, &eight, 8);
        o += 8;
        i += 8;
        continue;
      }
    }
    const unsigned char b = in[i];
    if (b < 0x80) {
      *o++ = static_cast<char>(b);
      ++i;
      continue;
    }
    char32_t cp = tables.Single(b);
    if (cp != Cp932Tables::kNone) {
      ++i;
    } else if (i + 1 < n && (cp = tables.Double(b, in[i + 1])) != Cp932Tables::kNone) {
      i += 2;
    } else {
      cp = kEscapeBase + b;
      ++i;
    }
    // Every character of cp932 and every escape lies in the BMP above ASCII.
    if (cp >= 0x800) {
      *o++ = static_cast<char>(0xE0 | (cp >> 12));
      *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *o++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      o = WriteUtf8(o, cp);
    }
  }
  return std::string(buffer.get(), static_cast<size_t>(o - buffer.get()));
}

std::string DecodeUtf8Lossless(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  size_t runStart = 0;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t len = Utf8SequenceLength(bytes, pos);
    if (len != 0) {
      pos += len;
      continue;
    }
    out.append(bytes.substr(runStart, pos - runStart));
    AppendUtf8(out, kEscapeBase + static_cast<unsigned char>(bytes[pos]));
    runStart = ++pos;
  }
  out.append(bytes.substr(runStart));
  return out;
}

std::optional<std::string> EncodeCp932Exact(std::string_view text) {
  const Cp932Tables& tables = Cp932Tables::Get();
  // No character takes more bytes in cp932 than in UTF-8.
  std::string out(text.size(), '\0');
  char* o = out.data();
  bool wroteRawBytes = false;
  for (size_t pos = 0; pos < text.size();) {
    const auto b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80) {
      *o++ = static_cast<char>(b);
      ++pos;
      continue;
    }
    const char32_t cp = NextThreeByteCodePoint(text, pos);
    if (const uint32_t code = tables.Encode(cp); code != Cp932Tables::kNone) {
      if (code > 0xFF) *o++ = static_cast<char>(code >> 8);
      *o++ = static_cast<char>(code & 0xFF);
    } else if (IsEscape(cp)) {
      *o++ = static_cast<char>(cp - kEscapeBase);
      wroteRawBytes = true;
    } else {
      return std::nullopt;
    }
  }
  out.resize(static_cast<size_t>(o - out.data()));
  // Every character round-trips on its own; only a raw lead byte can pair up
  // with the byte after it and read back differently.
  if (wroteRawBytes && DecodeCp932(out) != text) return std::nullopt;
  return out;
}

std::string EncodeUtf8Raw(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t start = pos;
    if (static_cast<unsigned char>(text[pos]) != 0xEF) {
      out += text[pos++];
      continue;
    }
    const char32_t cp = NextCodePoint(text, pos);
    if (IsEscape(cp)) {
      out += static_cast<char>(cp - kEscapeBase);
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  return out;
}

std::string DecodeAlbumFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return DecodeUtf8Lossless(bytes.substr(kUtf8Bom.size()));
  return DecodeCp932(bytes);
}

std::string EncodeAlbumFile(std::string_view text) {
  if (auto cp932 = EncodeCp932Exact(text)) return std::move(*cp932);
  std::string utf8 = EncodeUtf8Raw(text);
  // Raw bytes next to each other can form a valid UTF-8 character and read
  // back as something else; then the escapes are written as the private-use
  // characters themselves, which read back unchanged.
  if (DecodeUtf8Lossless(utf8) != text) utf8 = std::string(text);
  return std::string(kUtf8Bom) + utf8;
}

std::string DecodeEditedFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return DecodeUtf8Lossless(bytes.substr(kUtf8Bom.size()));
  bool hasNonAscii = false;
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      hasNonAscii = true;
      break;
    }
  }
  if (hasNonAscii && IsValidUtf8(bytes)) return std::string(bytes);
  return DecodeCp932(bytes);
}

size_t Cp932Width(std::string_view text) {
  size_t width = 0;
  for (size_t pos = 0; pos < text.size();) {
    width += Cp932CharWidth(NextCodePoint(text, pos));
  }
  return width;
}

std::string_view Cp932Prefix(std::string_view text, size_t maxBytes) {
  size_t width = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t next = pos;
    const size_t w = Cp932CharWidth(NextCodePoint(text, next));
    if (width + w > maxBytes) break;
    width += w;
    pos = next;
  }
  return text.substr(0, pos);
}

}  // namespace lumidex
