// Writes the cp932 lookup tables as a C++ source file, at build time, from
// glibc's "CP932" converter:
//   cp932_table_gen OUTPUT.cpp
// The program reads them as constant data, so no converter runs at its start.
// The file defines, in namespace lumidex::cp932_data (see cp932_tables.h):
//   kSingle[256]            character of each single byte, or 0xFFFF
//   kDouble[kLeadCount * kTrailCount]
//                           character of each lead (0x81-0xFC) and trail
//                           (0x40-0xFC) pair, or 0xFFFF; lead bytes that
//                           decode alone have no pairs
//   kEncode[0x10000]        cp932 code of each BMP character that decodes
//                           back to exactly that character (one byte below
//                           0x100, else lead << 8 | trail), or 0xFFFF
// Every character the converter gives for cp932 lies in the BMP, and 0xFFFF
// is neither a character of it nor a code (no lead byte 0xFF).
#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kNone = 0xFFFF;
constexpr uint32_t kFirstLead = 0x81, kLastLead = 0xFC, kFirstTrail = 0x40, kLastTrail = 0xFC;
constexpr uint32_t kTrailCount = kLastTrail - kFirstTrail + 1;

// Converts one short input with `cd`; the output bytes, or "" when the
// converter refuses it.
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

// The BMP character of four UTF-32LE bytes, or kNone.
uint32_t FromUtf32(const std::string& bytes) {
  if (bytes.size() != 4) return kNone;
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
  const uint32_t cp = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
  return cp < kNone ? cp : kNone;
}

bool WriteArray(FILE* out, const char* name, const std::vector<uint32_t>& values) {
  std::fprintf(out, "extern const char16_t %s[%zu];\nconst char16_t %s[%zu] = {", name, values.size(), name,
               values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    std::fprintf(out, "%s0x%X,", i % 16 == 0 ? "\n" : "", values[i]);
  }
  return std::fprintf(out, "\n};\n") > 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cp932_table_gen OUTPUT.cpp\n");
    return 2;
  }
  iconv_t decode = iconv_open("UTF-32LE", "CP932");
  iconv_t encode = iconv_open("CP932", "UTF-32LE");
  if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr, "cp932_table_gen: iconv has no CP932 converter\n");
    return 1;
  }
  std::vector<uint32_t> single(256, kNone);
  std::vector<uint32_t> pairs((kLastLead - kFirstLead + 1) * kTrailCount, kNone);
  std::vector<uint32_t> codes(0x10000, kNone);
  for (uint32_t b = 0; b < 256; ++b) {
    const char in = static_cast<char>(b);
    single[b] = FromUtf32(ConvertOnce(decode, &in, 1));
  }
  const auto pair = [&](uint32_t lead, uint32_t trail) -> uint32_t& {
    return pairs[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)];
  };
  for (uint32_t lead = kFirstLead; lead <= kLastLead; ++lead) {
    if (single[lead] != kNone) continue;
    for (uint32_t trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      pair(lead, trail) = FromUtf32(ConvertOnce(decode, in, 2));
    }
  }
  // A character is encodable when the converter's choice of code decodes
  // back to the same character (so U+301C, written as 81 60 but read back as
  // U+FF5E, is not).
  const auto addEncoding = [&](uint32_t cp) {
    if (cp == kNone || codes[cp] != kNone) return;
    const uint32_t utf32 = cp;
    const std::string code = ConvertOnce(encode, reinterpret_cast<const char*>(&utf32), 4);
    if (code.size() == 1) {
      const auto b = static_cast<unsigned char>(code[0]);
      if (single[b] == cp) codes[cp] = b;
    } else if (code.size() == 2) {
      const auto lead = static_cast<unsigned char>(code[0]);
      const auto trail = static_cast<unsigned char>(code[1]);
      if (lead >= kFirstLead && lead <= kLastLead && trail >= kFirstTrail && trail <= kLastTrail &&
          single[lead] == kNone && pair(lead, trail) == cp) {
        codes[cp] = (static_cast<uint32_t>(lead) << 8) | trail;
      }
    }
  };
  for (uint32_t cp : single) addEncoding(cp);
  for (uint32_t cp : pairs) addEncoding(cp);
  iconv_close(decode);
  iconv_close(encode);

  FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  std::fprintf(out, "// Written by cp932_table_gen from the system's CP932 converter.\n"
                    "#include \"foundation/cp932_tables.h\"\n"
                    "namespace lumidex::cp932_data {\n");
  bool ok = WriteArray(out, "kSingle", single) && WriteArray(out, "kDouble", pairs) &&
            WriteArray(out, "kEncode", codes);
  ok = std::fprintf(out, "}  // namespace lumidex::cp932_data\n") > 0 && ok;
  ok = std::fclose(out) == 0 && ok;
  if (!ok) {
    std::fprintf(stderr, "cp932_table_gen: cannot write %s\n", argv[1]);
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
