#include "album/missing_file_repair.h"

#include <gtest/gtest.h>

#include "album/album_store.h"
#include "album_fixture.h"

namespace lumidex::testing {
namespace {

class MissingFileRepairTest : public AlbumTest {
 protected:
  SilentOperation progress;
  std::string Moved(const std::string& name) {
    const std::string path = home.Join("moved/" + name);
    WriteFile(path, "x");
    return path;
  }
};

TEST_F(MissingFileRepairTest, AnOpenEditedPageIsSavedFirstAndShowsTheRepairs) {
  const std::string a = Picture("a.jpg");
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n" + home.Join("old/b.jpg") + "=海\r\n" + a + "=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->MutableLines()[IndexOf(a)] = a + "=編集";
  store->MarkModified();
  const std::string b = Moved("b.jpg");

  auto counts = RepairAlbum(*store, {home.Join("moved"), false}, progress);
  ASSERT_TRUE(counts.ok()) << counts.status().message();
  EXPECT_EQ(counts.value().repairedCount, 1);
  EXPECT_EQ(store->Lines(), (std::vector<std::string>{b + "=海", a + "=編集"}));
  EXPECT_FALSE(store->modified());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n" + b + "=海\r\n" + a + "=編集\r\n\r\n");
  ASSERT_TRUE(store->SwitchYear("2014/01/01", true).ok());
  EXPECT_EQ(store->yearDocument().GetValue("03/15", b, "?"), "海");
}

TEST_F(MissingFileRepairTest, ChangeEntryPathKeepsThePlaceAndNeverOverwritesAComment) {
  const std::string a = Picture("a.jpg");
  const std::string c = Picture("c.jpg");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n" + home.Join("gone1.jpg") + "=一\r\n" + a + "=\r\n" +
                                   home.Join("gone2.jpg") + "=二\r\n" + c + "=元\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  const Status missing = ChangeEntryPath(*store, 0, home.Join("nowhere.jpg"));
  EXPECT_EQ(missing.message(), "存在しないファイルパス名です。");
  EXPECT_FALSE(store->modified());

  ASSERT_TRUE(ChangeEntryPath(*store, 0, Moved("new.jpg")).ok());
  ASSERT_TRUE(ChangeEntryPath(*store, 2, c).ok());  // onto an entry with a comment
  EXPECT_EQ(store->Lines(),
            (std::vector<std::string>{home.Join("moved/new.jpg") + "=一", a + "=", c + "=元"}));
  ASSERT_TRUE(ChangeEntryPath(*store, 0, a).ok());  // onto an entry without one
  EXPECT_EQ(store->Lines(), (std::vector<std::string>{a + "=一", c + "=元"}));
  EXPECT_TRUE(store->modified());
}

}  // namespace
}  // namespace lumidex::testing
