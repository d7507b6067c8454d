#include "foundation/cp932_tables.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <string>

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

}  // namespace
}  // namespace lumidex
