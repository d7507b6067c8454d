#include <gtest/gtest.h>

#include "image_fixtures.h"
#include "images/jpeg_codec.h"
#include "images/thumbnail_maker.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::RunCli;

class ImagesCommandTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& relative, const std::string& bytes) {
    const std::string path = home_.Join(relative);
    testing::WriteFile(path, bytes);
    return path;
  }
  std::string Camera(const std::string& relative, int w = 400, int h = 300) {
    testing::ExifBuilder exif(false);
    exif.Ascii(0x9003, "2011:12:24 18:30:00").Rational(0x829A, 1, 125);
    return Write(relative, exif.Jpeg(testing::WriteJpeg(w, h, testing::JpegKind::kBaseline, [](int x, int y) {
                                   return static_cast<uint32_t>(x * 2654435761u ^ y * 97u) & 0xFFFFFF;
                                 })));
  }
  testing::TempHome home_;
};

TEST_F(ImagesCommandTest, ExifPrintsEachFileAfterItsHeading) {
  const std::string a = Camera("pics/a.jpg");
  const std::string b = Write("pics/b.jpg", testing::WriteJpeg(8, 8));
  const auto result = RunCli({"exif", a, b});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "== " + a + "\n00=撮影日時: 2011:12:24 18:30:00\n05=シャッター速度: 1/125s\n== " + b +
                            "\nExif 情報が見つかりません。\n");
  EXPECT_EQ(RunCli({"exif"}).exitCode, 2);
}

TEST_F(ImagesCommandTest, ThumbnailWritesCacheNamedFiles) {
  const std::string a = Camera("pics/trip/a.jpg", 800, 600);
  const std::string b = Camera("pics/trip/b.jpg", 300, 400);
  const std::string out = home_.Join("thumbs");
  const auto result = RunCli({"thumbnail", "--out", out, "--jobs", "2", a, b});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out.rfind("2 thumbnails in ", 0), 0u) << result.out;
  Result<JpegSize> first = ReadJpegSize(testing::ReadFile(out + "/pics-trip-a.jpg"));
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(first.value().width, 169);
  EXPECT_EQ(first.value().height, 127);
  Result<JpegSize> second = ReadJpegSize(testing::ReadFile(out + "/pics-trip-b.jpg"));
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(second.value().height, 127);
}

TEST_F(ImagesCommandTest, ThumbnailOnSeveralThreadsWritesEveryFileAndKeepsTheLastOfOneName) {
  std::vector<std::string> args = {"thumbnail", "--out", home_.Join("many"), "--jobs", "3"};
  for (int i = 0; i < 12; ++i) args.push_back(Camera("pics/set/p" + std::to_string(i) + ".jpg", 200 + 40 * i, 150));
  // Three files of one cache name: the last one that can be made is kept.
  args.push_back(Camera("pics/set/same.jpg", 400, 300));
  args.push_back(Write("pics/set/same.png", testing::WritePng(300, 400, {}, [](int x, int y, int c) { return (x * 3 + y + c * 50) & 0xFF; })));
  args.push_back(Write("pics/set/same.jpeg", "broken"));
  const auto result = RunCli(args);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out.rfind("14 thumbnails in ", 0), 0u) << result.out;
  EXPECT_NE(result.err.find("same.jpeg"), std::string::npos);
  // Each file holds what the maker draws for its picture.
  auto made = [](const std::string& path) {
    ThumbnailRequest request;
    request.path = path;
    Result<std::string> jpeg = RenderListThumbnail(request, ImageContext{});
    return jpeg.ok() ? jpeg.value() : std::string();
  };
  for (int i = 0; i < 12; ++i) {
    const std::string name = "p" + std::to_string(i);
    EXPECT_EQ(testing::ReadFile(home_.Join("many/pics-set-" + name + ".jpg")),
              made(home_.Join("pics/set/" + name + ".jpg")))
        << name;
  }
  EXPECT_EQ(testing::ReadFile(home_.Join("many/pics-set-same.jpg")), made(home_.Join("pics/set/same.png")));
}

TEST_F(ImagesCommandTest, ThumbnailReportsFilesItCannotRead) {
  const std::string bad = Write("pics/bad.jpg", "nothing");
  const auto result = RunCli({"thumbnail", "--out", home_.Join("t"), bad, home_.Join("none.png")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("bad.jpg"), std::string::npos);
  EXPECT_NE(result.err.find("none.png"), std::string::npos);
  EXPECT_EQ(result.out.rfind("0 thumbnails", 0), 0u);
  EXPECT_EQ(RunCli({"thumbnail", bad}).exitCode, 2);
  EXPECT_EQ(RunCli({"thumbnail", "--out", home_.Join("t"), "--jobs", "x", bad}).exitCode, 2);
}

TEST_F(ImagesCommandTest, CacheFillCleanAndEmptyWorkOnTheAlbum) {
  const std::string a = Camera("pics/trip/a.jpg");
  const auto info = RunCli({"info"});
  ASSERT_EQ(info.exitCode, 0);
  auto folder = [&](const std::string& key) {
    const size_t at = info.out.find(key + ": ");
    return info.out.substr(at + key.size() + 2, info.out.find('\n', at) - at - key.size() - 2);
  };
  const std::string photo = folder("photoDir"), cacheDir = folder("cacheDir");
  testing::WriteFile(photo + "2011.ini", "[12/24]\r\n" + a + "=eve\r\n");
  const auto fill = RunCli({"cache", "fill"});
  EXPECT_EQ(fill.exitCode, 0) << fill.err;
  EXPECT_NE(fill.out.find("1 thumbnails made from 1 lines"), std::string::npos) << fill.out;
  EXPECT_NE(fill.err.find("fill 1/1 " + a), std::string::npos) << fill.err;
  EXPECT_TRUE(testing::FileExists(cacheDir + "pics-trip-a.jpg"));

  testing::WriteFile(cacheDir + "2009-tri-a.jpg", testing::WriteJpeg(4, 4));
  testing::WriteFile(cacheDir + "2010-tri-a.jpg", testing::WriteJpeg(4, 4));
  const auto clean = RunCli({"cache", "clean"});
  EXPECT_NE(clean.out.find("3個中、1個のファイルを削除しました。"), std::string::npos) << clean.out;
  EXPECT_FALSE(testing::FileExists(cacheDir + "2009-tri-a.jpg"));

  const auto empty = RunCli({"cache", "empty"});
  EXPECT_NE(empty.out.find("2 files deleted"), std::string::npos) << empty.out;
  EXPECT_FALSE(testing::FileExists(cacheDir + "pics-trip-a.jpg"));
  EXPECT_EQ(RunCli({"cache", "wipe"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
