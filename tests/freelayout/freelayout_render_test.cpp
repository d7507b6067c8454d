#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "images/jpeg_codec.h"
#include "images/png_reader.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

TEST(CliFreeLayoutRenderTest, WritesTheTabAsAPngOfWidthByHalfTheWidth) {
  testing::TempHome home;
  Bitmap red = Bitmap::Create(400, 300);
  red.Fill(0x0000FF);
  const std::string picture = home.Join("red.jpg");
  testing::WriteFile(picture, EncodeJpeg(red).value());
  const std::string album = home.path() + "/data/" + platform::LoginName() + "/album/";
  // The picture over the left half of the canvas, and a text box.
  testing::WriteFile(album + "2015.ini",
                     EncodeAlbumFile("[05/03]\r\n"
                                     "000000000003650364000000000=" + picture + "\r\n"
                                     "000400001002000050000000000=10000000FFFFFF808080000000文字\r\n"
                                     "[ver]\r\nTsubame=1\r\n"));
  const std::string out = home.Join("tab.png");
  auto result = testing::RunCli(
      {"freelayout", "render", "2015", "05/03", "0", "--width", "600", "--out", out});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  Result<Bitmap> png = DecodePng(testing::ReadFile(out));
  ASSERT_TRUE(png.ok()) << png.status().message();
  EXPECT_EQ(png.value().width(), 600);
  EXPECT_EQ(png.value().height(), 300);
  const uint32_t inPicture = png.value().PixelAt(150, 150);
  EXPECT_GT((inPicture >> 16) & 0xFF, 0xF0u);
  EXPECT_LT(inPicture & 0xFF, 0x10u);
  // The picture's white border, and the text box's white beside the canvas.
  EXPECT_EQ(png.value().PixelAt(2, 150) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(png.value().PixelAt(480, 40) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_NE(png.value().PixelAt(590, 290) & 0xFFFFFF, 0xFFFFFFu);

  const std::vector<std::string> render = {"freelayout", "render", "2015", "05/03"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> args = render;
    args.insert(args.end(), more.begin(), more.end());
    return testing::RunCli(args);
  };
  EXPECT_EQ(with({"0", "--width", "0", "--out", out}).exitCode, 2);
  EXPECT_EQ(with({"0", "--width", "600", "--out", home.Join("tab.jpg")}).exitCode, 2);
  EXPECT_EQ(with({"0", "--out", out}).exitCode, 2);
  EXPECT_EQ(with({"x", "--width", "600", "--out", out}).exitCode, 2);
  EXPECT_EQ(with({"1", "--width", "600", "--out", out}).exitCode, 1);  // no such tab
  EXPECT_EQ(testing::RunCli({"freelayout", "render", "2015", "12/24", "0", "--width", "600",
                             "--out", out})
                .exitCode,
            1);
}

}  // namespace
}  // namespace lumidex
