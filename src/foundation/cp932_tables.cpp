#include "foundation/cp932_tables.h"

#include <iconv.h>

#include <array>
#include <stdexcept>
#include <string>

namespace lumidex {
namespace {

// Converts one short input with `cd`; returns the output bytes, or "" when
// the converter refuses it.
std::string ConvertOnce(iconv_t cd, const char* in, size_t inSize) {
  std::array<char, 16> out{};
  char* inPtr = const_cast<char*>(in);
  size_t inLeft = inSize;
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (rc == static_cast<size_t>(-1) || inLeft != 0) return "";
  return std::string(out.data(), out.size() - outLeft);
}

char32_t FromUtf32(const std::string& bytes) {
  if (bytes.size() != 4) return Cp932Tables::kNone;
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<char32_t>(b[3]) << 24);
}

}  // namespace

const Cp932Tables& Cp932Tables::Get() {
  static const Cp932Tables tables;
  return tables;
}

Cp932Tables::Cp932Tables() : single_(256, kNone), double_(65536, kNone), encode_(0x10000, kNone) {
  iconv_t decode = iconv_open("UTF-32LE", "CP932");
  iconv_t encode = iconv_open("CP932", "UTF-32LE");
  if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("iconv has no CP932 converter");
  }
  for (uint32_t b = 0; b < 256; ++b) {
    const char in = static_cast<char>(b);
    single_[b] = FromUtf32(ConvertOnce(decode, &in, 1));
  }
  for (uint32_t lead = 0x81; lead <= 0xFC; ++lead) {
    if (single_[lead] != kNone) continue;
    for (uint32_t trail = 0x40; trail <= 0xFC; ++trail) {
      const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      double_[(lead << 8) | trail] = FromUtf32(ConvertOnce(decode, in, 2));
    }
  }
  // A character is encodable when the converter's choice of code decodes
  // back to the same character (so U+301C, written as 81 60 but read back as
  // U+FF5E, is not).
  auto addEncoding = [&](char32_t cp) {
    if (cp == kNone || cp >= encode_.size() || encode_[cp] != kNone) return;
    const std::string code = ConvertOnce(encode, reinterpret_cast<const char*>(&cp), 4);
    if (code.size() == 1) {
      const auto b = static_cast<unsigned char>(code[0]);
      if (single_[b] == cp) encode_[cp] = b;
    } else if (code.size() == 2) {
      const auto lead = static_cast<unsigned char>(code[0]);
      const auto trail = static_cast<unsigned char>(code[1]);
      if (Double(lead, trail) == cp) encode_[cp] = (static_cast<uint32_t>(lead) << 8) | trail;
    }
  };
  for (uint32_t b = 0; b < 256; ++b) addEncoding(single_[b]);
  for (char32_t cp : double_) addEncoding(cp);
  iconv_close(decode);
  iconv_close(encode);
}

}  // namespace lumidex
