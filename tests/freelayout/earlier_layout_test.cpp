#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "freelayout/earlier_layout.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class EarlierLayoutTest : public ::testing::Test {
 protected:
  testing::TempHome home;
  const std::string albumDir = home.Join("album/");

  void Write(const std::string& name, const std::string& bytes) {
    testing::WriteFile(albumDir + name, bytes);
  }
  std::string Read(const std::string& name) { return testing::ReadFile(albumDir + name); }
};

TEST_F(EarlierLayoutTest, RewritesByDateDocumentsWithTheEarlierArithmetic) {
  Write("2014.ini", EncodeAlbumFile(
                        "[03/15]\r\n00=表紙\r\n"
                        "005000255010009999" "1=10000000ffffff8080800005TEXT･･二行\r\n"
                        "015099000000000000" "0=C:\\photo\\a.jpg\r\n"
                        "01abcd000000000000" "0=unreadable stays\r\n"
                        "000001000100010001000000000=already 27 characters\r\n"
                        "[01/01]\r\n0=short title\r\n"));
  const EarlierLayoutConversion result = ConvertEarlierLayout(albumDir);
  EXPECT_THAT(result.converted, ::testing::ElementsAre(albumDir + "2014.ini"));
  EXPECT_THAT(result.problems, ::testing::IsEmpty());
  // x 5000 -> 730 x 50 div 100 = 365; y 2550 -> 364 x 25 div 100 = 91;
  // width 1000 -> 73; height 9999 -> 364 x 99 div 100 = 360; flag "1" -> "10".
  EXPECT_EQ(DecodeAlbumFile(Read("2014.ini")),
            "[03/15]\r\n00=表紙\r\n"
            "000365009100730360" "10" "0000000=10000000ffffff808080000500TEXT･･二行\r\n"
            "010365000000000000" "00" "0000000=C:\\photo\\a.jpg\r\n"
            "01abcd0000000000000=unreadable stays\r\n"
            "000001000100010001000000000=already 27 characters\r\n\r\n"
            "[01/01]\r\n0=short title\r\n\r\n"
            "[ver]\r\nTsubame=1\r\n\r\n");
  // Converted once: the next start finds "ver" and leaves the file alone.
  const std::string converted = Read("2014.ini");
  EXPECT_THAT(ConvertEarlierLayout(albumDir).converted, ::testing::IsEmpty());
  EXPECT_EQ(Read("2014.ini"), converted);
}

TEST_F(EarlierLayoutTest, LeavesEveryOtherFileByteForByte) {
  const std::string earlier = "[03/15]\n005000255010009999" "1=x\n";  // LF line ends on purpose
  const std::map<std::string, std::string> untouched = {
      {"2014A.ini", earlier},
      {"2015.ini", "[ver]\n[03/15]\n005000255010009999" "1=x\n"},
      {"0999.ini", earlier},
      {"notes.txt", earlier},
      {"2016.ini", std::string("[03/15]\n\0\0", 10)},  // not album text
  };
  for (const auto& [name, bytes] : untouched) Write(name, bytes);
  testing::WriteFile(albumDir + "2017.ini/inner.txt", "a folder named like a document");

  const EarlierLayoutConversion result = ConvertEarlierLayout(albumDir);
  EXPECT_THAT(result.converted, ::testing::IsEmpty());
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_THAT(result.problems[0], ::testing::HasSubstr("2016.ini"));
  for (const auto& [name, bytes] : untouched) EXPECT_EQ(Read(name), bytes) << name;
  EXPECT_THAT(ConvertEarlierLayout(home.Join("missing/")).converted, ::testing::IsEmpty());
}

}  // namespace
}  // namespace lumidex
