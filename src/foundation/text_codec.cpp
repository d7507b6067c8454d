#include "foundation/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace lumidex {
namespace {

constexpr char32_t kEscapeBase = 0xF700;

bool IsEscape(char32_t cp) { return cp >= kEscapeBase + 0x80 && cp <= kEscapeBase + 0xFF; }

// Bytes one character takes in cp932: ASCII, half-width katakana and raw
// bytes take one, everything else two.
size_t Cp932CharWidth(char32_t cp) {
  return (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F) || IsEscape(cp)) ? 1 : 2;
}

// One iconv conversion descriptor. iconv_t keeps shift state, so each call
// site opens its own; the cost is small next to the conversion itself.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts as much of `in` as possible, appending to `out`. Returns the
  // number of input bytes consumed; stops at the first byte it cannot convert.
  size_t Convert(std::string_view in, std::string& out) {
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    std::vector<char> buffer(std::max<size_t>(64, in.size() * 2 + 16));
    while (inLeft > 0) {
      char* outPtr = buffer.data();
      size_t outLeft = buffer.size();
      const size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer.data(), static_cast<size_t>(outPtr - buffer.data()));
      if (rc != static_cast<size_t>(-1)) break;
      if (errno != E2BIG) break;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return in.size() - inLeft;
  }

 private:
  iconv_t cd_;
};

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
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
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
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  Iconv cd("UTF-8", "CP932");
  size_t pos = 0;
  while (pos < bytes.size()) {
    pos += cd.Convert(bytes.substr(pos), out);
    if (pos < bytes.size()) {
      AppendUtf8(out, kEscapeBase + static_cast<unsigned char>(bytes[pos]));
      ++pos;
    }
  }
  return out;
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
  std::string out;
  out.reserve(text.size());
  Iconv cd("CP932", "UTF-8");
  size_t pos = 0;
  while (pos < text.size()) {
    pos += cd.Convert(text.substr(pos), out);
    if (pos >= text.size()) break;
    size_t next = pos;
    const char32_t cp = NextCodePoint(text, next);
    if (!IsEscape(cp)) return std::nullopt;
    out += static_cast<char>(cp - kEscapeBase);
    pos = next;
  }
  if (DecodeCp932(out) != text) return std::nullopt;
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
  return std::string(kUtf8Bom) + EncodeUtf8Raw(text);
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
