#include "album/album_clipboard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "registration_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(RegistrationTest, AlbumInformationOfAPageTravelsToAnotherYearWithCommentsAndSubAlbums) {
  OpenSample("2013");
  const std::vector<std::string> info = CopyAlbumInfo(*store, {0});
  EXPECT_THAT(info, ElementsAre(a + "=思い出", b + "=", "@201303/15旅行=旅"));
  const std::string text = AlbumInfoText(info);
  ASSERT_TRUE(store->SwitchYear("2014/01/01").ok());
  auto added = reg->AddToPage("03/15", ParseAlbumInfoText(text), IncomingKind::kAlbumInfo);
  ASSERT_TRUE(added.ok());
  EXPECT_THAT(ReadAlbum(YearPath("2014")), ::testing::HasSubstr("[03/15]\r\n" + a + "=思い出\r\n" +
                                                                b + "=\r\n@03/15旅行=旅\r\n"));
  EXPECT_THAT(ReadAlbum(SubPath("2014")),
              ::testing::HasSubstr("[03/15旅行]\r\n/s/x.jpg=海\r\n/s/y.jpg=\r\n"));
}

TEST_F(RegistrationTest, AlbumInformationOfOpenEntriesIsSortedWithoutRepeats) {
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  EXPECT_THAT(CopyAlbumInfo(*store, {2, 1, 1, 9}), ElementsAre(b + "=", "@201403/15旅行=旅"));
}

TEST_F(RegistrationTest, CopyingFilesOfAPageTakesItsSubAlbumsAndDropsMissingFiles) {
  OpenSample();
  const std::string x = Picture("s/x.jpg");
  WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n" + x + "=海\r\n/s/gone.jpg=\r\n");
  ASSERT_TRUE(store->SwitchYear("2014/01/01", true).ok());
  store->RebuildSummaries();
  const CopiedFiles copied = CopyFiles(*store, {0});
  EXPECT_THAT(copied.paths, ElementsAre(a, b, x));
  EXPECT_THAT(copied.copiedComments, IsEmpty());
}

TEST_F(RegistrationTest, CopyingFilesOfAnOpenPageCollectsTheirComments) {
  OpenSample();
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  const CopiedFiles copied = CopyFiles(*store, {0, 1});
  EXPECT_THAT(copied.paths, ElementsAre(a, b));
  EXPECT_EQ(copied.copiedComments, a + "=思い出");
}

TEST_F(RegistrationTest, LockedPagesAreNotCopied) {
  WriteAlbum(LockPath(), "[LCK]\r\n2014/03/15=\r\n");
  OpenSample();
  EXPECT_THAT(CopyFiles(*store, {0}).paths, IsEmpty());
  EXPECT_THAT(CopyAlbumInfo(*store, {0}), IsEmpty());
}

TEST(AlbumInfoTextTest, LinesSurviveThePlainTextForm) {
  const std::vector<std::string> lines{"/p/a.jpg=思い出･･二行目", "@201303/15旅行="};
  EXPECT_EQ(AlbumInfoText(lines), "/p/a.jpg=思い出･･二行目\r\n@201303/15旅行=\r\n");
  EXPECT_EQ(ParseAlbumInfoText(AlbumInfoText(lines)), lines);
  EXPECT_THAT(ParseAlbumInfoText("a\n\nb\r"), ElementsAre("a", "b"));
}

}  // namespace
}  // namespace lumidex::testing
