#include <gtest/gtest.h>

#include "image_fixtures.h"
#include "images/exif_reader.h"
#include "images/exif_segment.h"
#include "images/exif_values.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::ExifBuilder;

std::string Picture() { return testing::WriteJpeg(16, 16); }

ExifBuilder Camera(bool bigEndian) {
  ExifBuilder b(bigEndian);
  b.Ifd0Ascii(0x010F, "Canon").Ifd0Ascii(0x0110, "EOS 5D").Ifd0Ascii(0x0132, "2010:05:04 10:00:00");
  b.Ascii(0x9003, "2010:05:03 14:22:01")
      .Rational(0x829A, 1, 60)
      .Rational(0x829D, 28, 10)
      .Short(0x8827, 400)
      .Rational(0x920A, 63, 10)
      .Short(0x9207, 5)
      .Short(0x9208, 0)
      .Short(0x9209, 0)
      .Short(0x8822, 2)
      .Short(0xA406, 0)
      .Short(0xA002, 4000)
      .Short(0xA003, 3000);
  return b;
}

class ExifFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = home_.Join(name);
    testing::WriteFile(path, bytes);
    return path;
  }
  testing::TempHome home_;
};

TEST_F(ExifFileTest, SummaryListsTheLinesInKeyOrderWithCrLf) {
  const std::string path = Write("a.jpg", Camera(true).Jpeg(Picture()));
  EXPECT_EQ(ExifSummary(path, true),
            "00=撮影日時: 2010:05:03 14:22:01\r\n"
            "01=編集日時: 2010:05:04 10:00:00\r\n"
            "02=メーカー: Canon\r\n"
            "03=機種: EOS 5D\r\n"
            "05=シャッター速度: 1/60s\r\n"
            "06=絞り値: f/2.8\r\n"
            "07=ＩＳＯ感度: 400\r\n"
            "08=レンズの焦点距離: 6.3mm\r\n"
            "09=自動露出の測光: 分割測光\r\n"
            "10=光源: 不明\r\n"
            "11=フラッシュ: ストロボなし、 未発光、 赤目なし、 リターンなし\r\n"
            "12=露光制御: ノーマルプログラム\r\n"
            "14=撮影シーンタイプ: スタンダード\r\n"
            "17=幅と高さ: 4000×3000");
}

TEST_F(ExifFileTest, BothByteOrdersGiveTheSameText) {
  const std::string big = Write("big.jpg", Camera(true).Jpeg(Picture()));
  const std::string little = Write("little.jpg", Camera(false).Jpeg(Picture()));
  EXPECT_EQ(ExifSummary(big, false), ExifSummary(little, false));
  EXPECT_TRUE(ExifSummary(little, false).starts_with("撮影日時: 2010:05:03 14:22:01\r\n編集日時: "));
}

TEST_F(ExifFileTest, DateComesFromDateTimeOriginal) {
  const std::string path = Write("d.JPG", Camera(true).Jpeg(Picture()));
  EXPECT_EQ(ExifDate(path, false), "2010/05/03");
  EXPECT_EQ(ExifDate(path, true), "2010/05/03 14:22:01");
}

TEST_F(ExifFileTest, JpegExtensionIsReadToo) {
  const std::string path = Write("d.jpeg", Camera(false).Jpeg(Picture()));
  EXPECT_EQ(ExifDate(path, false), "2010/05/03");
}

TEST_F(ExifFileTest, OtherTypesAndMissingFilesGiveNothing) {
  const std::string png = Write("d.png", Camera(false).Jpeg(Picture()));
  EXPECT_EQ(ExifSummary(png, true), "");
  EXPECT_EQ(ExifSummary(home_.Join("missing.jpg"), true), "");
  EXPECT_EQ(ExifDate(home_.Join("missing.jpg"), false), "");
}

TEST_F(ExifFileTest, FileWithoutBlockSaysSo) {
  const std::string path = Write("plain.jpg", Picture());
  EXPECT_EQ(ExifSummary(path, true), kNoExifText);
  const std::string empty = Write("empty.jpg", "");
  EXPECT_EQ(ExifSummary(empty, false), kNoExifText);
}

TEST_F(ExifFileTest, StrayMarkerByteInJfifHeaderIsNotTakenForTheBlock) {
  const std::string app0 = std::string("JFIF\0\x01\x02\x00\x00\xE1\x00\xE1\x00\x00", 14);
  const std::string path = Write("jfif.jpg", Camera(true).Jpeg(Picture(), app0));
  EXPECT_EQ(ExifDate(path, false), "2010/05/03");
}

TEST_F(ExifFileTest, ExifTagReadsOneValueWithItsTable) {
  const std::string path = Write("t.jpg", Camera(false).Jpeg(Picture()));
  EXPECT_EQ(ExifTag(path, kExifIfd0, 0x010F), "Canon");
  EXPECT_EQ(ExifTag(path, kExifSubIfd, 0x829D), "2.8");
  EXPECT_EQ(ExifTag(path, kExifSubIfd, 0x9207), "分割測光");
  EXPECT_EQ(ExifTag(path, kExifSubIfd, 0xA40C), "");
  EXPECT_EQ(ExifTag(path, kExifIfd0, 0x9003), "");  // lives in the Exif directory
}

TEST(ExifSegmentTest, WalkStopsAtStartOfScan) {
  std::string jpeg = Picture();
  const std::string late = ExifBuilder::Marker(0xE1, Camera(true).Segment());
  const size_t sos = jpeg.find("\xFF\xDA");
  // An APP1 after the scan is not part of the headers.
  std::string after = jpeg.substr(0, sos + 2) + late + jpeg.substr(sos + 2);
  EXPECT_FALSE(FindExifSegment(after).has_value());
  EXPECT_TRUE(FindExifSegment(Camera(true).Jpeg(jpeg)).has_value());
}

TEST(ExifSegmentTest, SkipsOtherApp1Segments) {
  const std::string xmp = ExifBuilder::Marker(0xE1, "http://ns.adobe.com/xap/1.0/\0<x/>");
  std::string jpeg = Picture();
  jpeg = jpeg.substr(0, 2) + xmp + ExifBuilder::Marker(0xE1, Camera(true).Segment()) + jpeg.substr(2);
  EXPECT_EQ(ExifTagOf(*FindExifSegment(jpeg), kExifIfd0, 0x0110), "EOS 5D");
}

TEST(ExifSegmentTest, CutFilesGiveNothing) {
  const std::string jpeg = Camera(true).Jpeg(Picture());
  for (size_t n : {size_t{0}, size_t{1}, size_t{3}, size_t{10}, size_t{60}}) {
    EXPECT_FALSE(FindExifSegment(jpeg.substr(0, n)).has_value()) << n;
  }
}

TEST(ExifLinesTest, PointerBeforeMakeLeavesMakeUnread) {
  ExifBuilder b(false);
  b.Ifd0Ascii(0x010F, "Nikon").Ascii(0x9003, "2001:01:01 00:00:00").PointerFirst();
  const std::vector<std::string> lines = ExifLinesOf(b.Segment());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "00=撮影日時: 2001:01:01 00:00:00");
}

TEST(ExifLinesTest, BadValuesGiveEmptyFieldsNotErrors) {
  ExifBuilder b(true);
  b.Rational(0x829D, 5, 0)           // zero denominator
      .Ascii(0x9207, "abcdefgh")     // a table tag that is not a number
      .Short(0x9208, 7)              // outside the table
      .Rational(0x829A, 1, 49);
  const std::vector<std::string> lines = ExifLinesOf(b.Segment());
  EXPECT_EQ(lines, (std::vector<std::string>{"05=シャッター速度: 1/49s", "06=絞り値: f/",
                                              "09=自動露出の測光: ", "10=光源: "}));
}

TEST(ExifLinesTest, OffsetsOutsideTheSegmentAreNeverRead) {
  std::string segment = Camera(false).Segment();
  // Cut the segment in the middle of the Exif directory's values.
  for (size_t n = 0; n < segment.size(); n += 7) {
    for (const std::string& line : ExifLinesOf(segment.substr(0, n))) EXPECT_FALSE(line.empty());
  }
  EXPECT_TRUE(ExifLinesOf(std::string("Exif\0\0XX*\0\0\0\0\0\0\0", 16)).empty());
}

TEST(ExifLinesTest, ByteValuesAreOneByteInEitherOrder) {
  for (bool big : {false, true}) {
    ExifBuilder b(big);
    b.Byte(0x9208, 4);
    EXPECT_EQ(ExifLinesOf(b.Segment()), (std::vector<std::string>{"10=光源: フラッシュ"})) << big;
  }
}

TEST(ExifLinesTest, SizeLineNeedsWidthAndHeight) {
  ExifBuilder b(false);
  b.Long(0xA002, 640);
  EXPECT_TRUE(ExifLinesOf(b.Segment()).empty());
  b.Long(0xA003, 480);
  EXPECT_EQ(ExifLinesOf(b.Segment()), (std::vector<std::string>{"17=幅と高さ: 640×480"}));
}

TEST(ExifValuesTest, ExposureUsesWholeNumbers) {
  EXPECT_EQ(ExifExposureText(1, 250), "1/250");
  EXPECT_EQ(ExifExposureText(10, 300), "1/30");
  EXPECT_EQ(ExifExposureText(1, 49), "1/49");
  EXPECT_EQ(ExifExposureText(2, 3), "1/2");
  EXPECT_EQ(ExifExposureText(4, 1), "4");
  EXPECT_EQ(ExifExposureText(5, 2), "2.5");
  EXPECT_EQ(ExifExposureText(1, 0), "");
}

TEST(ExifValuesTest, RationalsPrintInShortestForm) {
  EXPECT_EQ(ExifRationalText(71, 10), "7.1");
  EXPECT_EQ(ExifRationalText(28, 10), "2.8");
  EXPECT_EQ(ExifRationalText(1, 3), "0.33333334");
  EXPECT_EQ(ExifRationalText(9227469, 4194304), "2.2");
  EXPECT_EQ(ExifRationalText(50, 1), "50");
}

TEST(ExifValuesTest, FlashTextReadsItsBits) {
  EXPECT_EQ(ExifFlashText("25"), "ストロボあり、 発光、 赤目なし、 リターンなし");  // 0x19
  EXPECT_EQ(ExifFlashText("0"), "ストロボなし、 未発光、 赤目なし、 リターンなし");
  EXPECT_EQ(ExifFlashText("95"), "ストロボあり、 発光、 赤目あり、 リターンあり");  // 0x5F
  EXPECT_EQ(ExifFlashText("32"), "ストロボなし、 未発光、 赤目なし、 リターンなし");  // 0x20: no flash function
  EXPECT_EQ(ExifFlashText("x"), "");
}

TEST(ExifValuesTest, TablesGiveTheirTextsOrNothing) {
  EXPECT_EQ(ExifTableText(0x9208, "24"), "ISOスタジオ・タングステン");
  EXPECT_EQ(ExifTableText(0x8822, "5"), "creativeプログラム");
  EXPECT_EQ(ExifTableText(0xA40A, "2"), "ハード");
  EXPECT_EQ(ExifTableText(0xA40C, "1"), "マクロ");
  EXPECT_EQ(ExifTableText(0x9207, "7"), "");
  EXPECT_EQ(ExifTableText(0x9207, "1.5"), "");
}

TEST(ExifValuesTest, UserCommentCodes) {
  EXPECT_EQ(ExifUserCommentText(std::string("ASCII\0\0\0hello\0junk", 18)), "hello");
  EXPECT_EQ(ExifUserCommentText(std::string("\0\0\0\0\0\0\0\0abc", 11)), "abc");
  // "日本" in JIS X 0208 (0x467C 0x4B5C) and half-width katakana "ｱ".
  EXPECT_EQ(ExifUserCommentText(std::string("JIS\0\0\0\0\0\x1B$BF|K\\\x1B(Bx\x1B(I1", 23)), "日本xｱ");
  EXPECT_EQ(ExifUserCommentText(std::string("UNICODE\0\xFF\xFE\xE5\x65\x2C\x67\0\0", 16)), "日本");
  EXPECT_EQ(ExifUserCommentText(std::string("UNICODE\0\x00\xD8\x41\x00", 12)), " A");
  EXPECT_EQ(ExifUserCommentText("short"), "");
  EXPECT_EQ(ExifUserCommentText("WHATEVERxyz"), "");
}

TEST(ExifValuesTest, DateTextsMustBeRealDates) {
  EXPECT_EQ(ExifDateFromText("2012:02:29 23:59:59", true), "2012/02/29 23:59:59");
  EXPECT_EQ(ExifDateFromText("2011:02:29 10:00:00", false), "");
  EXPECT_EQ(ExifDateFromText("0000:00:00 00:00:00", false), "");
  EXPECT_EQ(ExifDateFromText("2010:05:03 24:00:00", true), "");
  EXPECT_EQ(ExifDateFromText("2010:05:03 24:00:00", false), "2010/05/03");
  EXPECT_EQ(ExifDateFromText("2010:05", false), "");
}

}  // namespace
}  // namespace lumidex
