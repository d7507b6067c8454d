#include "foundation/cp932_tables.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <optional>
#include <string>

#include "foundation/text_codec.h"

namespace lumidex {
namespace {

// The system's CP932 converter, which the build-time tables must agree with.
class Cp932TablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    toUtf32_ = iconv_open("UTF-32LE", "CP932");
    toCp932_ = iconv_open("CP932", "UTF-32LE");
    ASSERT_NE(toUtf32_, reinterpret_cast<iconv_t>(-1));
    ASSERT_NE(toCp932_, reinterpret_cast<iconv_t>(-1));
  }
  void TearDown() override {
    iconv_close(toUtf32_);
    iconv_close(toCp932_);
  }

  // The character the converter reads from all of `bytes`, or kNone.
  uint32_t Decode(const std::string& bytes) {
    const std::string out = Convert(toUtf32_, bytes);
    if (out.size() != 4) return Cp932Tables::kNone;
    const auto* b = reinterpret_cast<const unsigned char*>(out.data());
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
  }
  // The converter's cp932 bytes of `cp`, or "".
  std::string Encode(char32_t cp) {
    const uint32_t utf32 = cp;
    return Convert(toCp932_, std::string(reinterpret_cast<const char*>(&utf32), 4));
  }

  const Cp932Tables& tables_ = Cp932Tables::Get();

 private:
  static std::string Convert(iconv_t cd, std::string in) {
    char out[16];
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out;
    size_t outLeft = sizeof out;
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (rc == static_cast<size_t>(-1) || inLeft != 0) return "";
    return std::string(out, sizeof out - outLeft);
  }

  iconv_t toUtf32_{};
  iconv_t toCp932_{};
};

TEST_F(Cp932TablesTest, EveryByteAndPairReadsAsTheConverterReadsIt) {
  int pairs = 0;
  for (int lead = 0; lead < 256; ++lead) {
    const std::string one(1, static_cast<char>(lead));
    ASSERT_EQ(tables_.Single(static_cast<unsigned char>(lead)), Decode(one)) << "byte " << lead;
    for (int trail = 0; trail < 256; ++trail) {
      const uint32_t expected =
          tables_.Single(static_cast<unsigned char>(lead)) == Cp932Tables::kNone ? Decode(one + char(trail))
                                                                                  : Cp932Tables::kNone;
      ASSERT_EQ(tables_.Double(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)), expected)
          << "bytes " << lead << " " << trail;
      if (expected != Cp932Tables::kNone) ++pairs;
    }
  }
  EXPECT_GT(pairs, 7000);  // the JIS X 0208 set and the vendor rows
}

TEST_F(Cp932TablesTest, ACharacterHasACodeExactlyWhenTheConvertersCodeReadsBackToIt) {
  int codes = 0;
  for (char32_t cp = 0; cp < 0x10000; ++cp) {
    const std::string bytes = Encode(cp);
    const bool readsBack = !bytes.empty() && Decode(bytes) == cp;
    const uint32_t code = tables_.Encode(cp);
    if (!readsBack) {
      ASSERT_EQ(code, Cp932Tables::kNone) << "U+" << std::hex << static_cast<uint32_t>(cp);
      continue;
    }
    uint32_t expected = 0;
    for (char b : bytes) expected = (expected << 8) | static_cast<unsigned char>(b);
    ASSERT_EQ(code, expected) << "U+" << std::hex << static_cast<uint32_t>(cp);
    ++codes;
  }
  EXPECT_GT(codes, 7000);
  EXPECT_EQ(tables_.Encode(0x1F600), Cp932Tables::kNone);  // outside the BMP
}

// Runs of ASCII of every length between the characters, so that each
// character starts at every offset of the decoder's eight-byte steps, and
// trail bytes in the ASCII range ("ソ" is 83 5C) are never read as text.
TEST_F(Cp932TablesTest, LongMixedTextDecodesCharacterByCharacter) {
  std::string bytes;
  std::string expected;
  int run = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; trail += 3) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      // Pairs the converter writes back the same way (not the second codes
      // of characters that have two), so that the text also encodes back.
      if (tables_.Encode(Decode(pair)) != static_cast<uint32_t>(lead << 8 | trail)) continue;
      const std::string ascii(static_cast<size_t>(run++ % 11), static_cast<char>('a' + run % 26));
      bytes += ascii + pair;
      expected += ascii + DecodeCp932(pair);
    }
  }
  bytes += "\x80\xA0tail";  // bytes of no character stay as their escapes
  expected += DecodeCp932("\x80") + DecodeCp932("\xA0") + "tail";
  EXPECT_EQ(DecodeCp932(bytes), expected);
  EXPECT_EQ(EncodeCp932Exact(expected), std::optional<std::string>(bytes));
}

}  // namespace
}  // namespace lumidex
