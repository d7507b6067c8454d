#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "album/drop_target.h"
#include "filetools/folder_history.h"
#include "filetools/placement_file.h"
#include "filetools_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class PlacementTest : public AlbumTest {
 protected:
  std::string Folder() const { return home.Join("copied"); }
  void Placement(const std::string& text) {
    WriteFile(Folder() + "/alb_data.ini", EncodeAlbumFile(text));
  }
};

TEST_F(PlacementTest, FilesOfThePageAndOfSubAlbumsAreRegistered) {
  WriteFile(Folder() + "/a.jpg", "x");
  WriteFile(Folder() + "/旅行/b.jpg", "x");
  Placement("[file zoon]\r\na.jpg=\r\ngone.jpg=\r\n[旅行]\r\nb.jpg=\r\n[空]\r\nnone.jpg=\r\n");
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  OpenYear("2014");
  auto imported = ImportPlacement(*store, "03/15", Folder());
  ASSERT_TRUE(imported.ok()) << imported.status().message();
  EXPECT_TRUE(imported.value().hadSections);
  EXPECT_EQ(imported.value().unstorable, 0);
  EXPECT_EQ(ReadAlbum(YearPath("2014")),
            "[03/15]\r\n" + Folder() + "/a.jpg=\r\n@03/15旅行=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(SubPath("2014")), "[03/15旅行]\r\n" + Folder() + "/旅行/b.jpg=\r\n\r\n");
  EXPECT_EQ(store->FindSummary("03/15")->subAlbumImageCount, 1);
}

TEST_F(PlacementTest, NamesReachingOutsideTheFolderAreSkipped) {
  WriteFile(home.Join("outside.jpg"), "x");
  WriteFile(Folder() + "/sub/in.jpg", "x");
  Placement(
      "[file zoon]\r\n../outside.jpg=\r\nsub/in.jpg=\r\n[..]\r\noutside.jpg=\r\n[sub/..]\r\n"
      "../outside.jpg=\r\n");
  OpenYear("2014");
  auto imported = ImportPlacement(*store, "03/15", Folder());
  ASSERT_TRUE(imported.ok());
  EXPECT_FALSE(store->yearDocument().HasSection("03/15"));
  EXPECT_THAT(store->subAlbumDocument().SectionNames(), IsEmpty());
}

TEST_F(PlacementTest, EntriesThereKeepTheirComments) {
  WriteFile(Folder() + "/a.jpg", "x");
  Placement("[file zoon]\r\na.jpg=\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n" + Folder() + "/a.jpg=思い出\r\n");
  OpenYear("2014");
  ASSERT_TRUE(ImportPlacement(*store, "03/15", Folder()).ok());
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre(Folder() + "/a.jpg=思い出"));
}

TEST_F(PlacementTest, AFileThatIsNotAPlacementFileIsRefusedAndRegistersNothing) {
  WriteFile(Folder() + "/alb_data.ini", std::string("\x89PNG\r\n\x1a\n\0\0=\xff", 13));
  OpenYear("2014");
  auto imported = ImportPlacement(*store, "03/15", Folder());
  ASSERT_FALSE(imported.ok());
  EXPECT_NE(imported.status().message().find("alb_data.ini"), std::string::npos);
  EXPECT_FALSE(FileExists(YearPath("2014")));
}

TEST_F(PlacementTest, FilesWhosePathsCannotBeEntryNamesAreCountedNotStoredMangled) {
  const std::string folder = home.Join("a=b");
  WriteFile(folder + "/x.jpg", "x");
  WriteFile(folder + "/旅行/y.jpg", "x");
  WriteFile(folder + "/alb_data.ini",
            EncodeAlbumFile("[file zoon]\r\nx.jpg=\r\n[旅行]\r\ny.jpg=\r\n"));
  OpenYear("2014");
  auto imported = ImportPlacement(*store, "03/15", folder);
  ASSERT_TRUE(imported.ok()) << imported.status().message();
  EXPECT_TRUE(imported.value().hadSections);
  EXPECT_EQ(imported.value().unstorable, 2);
  EXPECT_FALSE(store->yearDocument().HasSection("03/15"));
  EXPECT_THAT(store->subAlbumDocument().SectionNames(), IsEmpty());
}

TEST_F(PlacementTest, APlacementFileThatCannotBeReadIsAnErrorAndChangesNothing) {
  std::filesystem::create_directories(Folder() + "/alb_data.ini");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/p/x.jpg=思い出\r\n");
  OpenYear("2014");
  files.writes = 0;
  auto imported = ImportPlacement(*store, "03/15", Folder());
  ASSERT_FALSE(imported.ok());
  EXPECT_THAT(imported.status().message(), HasSubstr("alb_data.ini"));
  EXPECT_EQ(files.writes, 0);
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n/p/x.jpg=思い出\r\n");
}

TEST_F(PlacementTest, NoImportWhileASubAlbumIsOpen) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n@03/15旅行=\r\n");
  WriteAlbum(SubPath("2014"), "[03/15旅行]\r\n/s/x.jpg=\r\n");
  Placement("[file zoon]\r\na.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  ASSERT_TRUE(store->OpenSubAlbum("03/15旅行").ok());
  EXPECT_FALSE(ImportPlacement(*store, "03/15", Folder()).ok());
}

TEST(FolderHistoryTest, MissingFoldersAreDroppedAndTheNewestTwelveKept) {
  TempHome home;
  const std::string user = home.path() + "/";
  std::string text;
  for (int i = 0; i < 13; ++i) {
    std::filesystem::create_directories(home.Join("f" + std::to_string(i)));
    text += home.Join("f" + std::to_string(i)) + "\r\n";
  }
  text += home.Join("gone") + "\r\n";
  WriteFile(user + "dirlist.txt", text);
  FolderHistory history = FolderHistory::Load(user);
  EXPECT_EQ(history.folders().size(), 13u);
  std::filesystem::create_directories(home.Join("new"));
  history.Add(home.Join("new"));
  history.Add(home.Join("f3"));
  ASSERT_TRUE(history.Save().ok());
  const FolderHistory again = FolderHistory::Load(user);
  ASSERT_EQ(again.folders().size(), 12u);
  EXPECT_EQ(again.folders().front(), home.Join("f2"));
  EXPECT_EQ(again.folders().back(), home.Join("new"));
  EXPECT_EQ(again.Shown().front(), home.Join("f10"));
}

TEST(DropTargetTest, DropsGoIntoTheOpenContainerWhereverTheyLand) {
  using Kind = DropAction::Kind;
  EXPECT_EQ(RouteDrop({DropControl::kCalendar, "05/05", true, true}).kind, Kind::kAddToContainer);
  EXPECT_EQ(RouteDrop({DropControl::kImageList, "", true, false}).kind, Kind::kAddToContainer);
  EXPECT_EQ(RouteDrop({DropControl::kOther, "05/05", true, true}).kind, Kind::kIgnore);
  EXPECT_EQ(RouteDrop({DropControl::kFreeLayout, "", true, false}).kind, Kind::kFreeLayoutText);
}

TEST(DropTargetTest, WithNothingOpenTheDayOrItemUnderThePointIsTheTarget) {
  using Kind = DropAction::Kind;
  EXPECT_EQ(RouteDrop({DropControl::kCalendar, "05/05", false, true}),
            (DropAction{Kind::kAddToPage, "05/05", false}));
  EXPECT_EQ(RouteDrop({DropControl::kCalendar, "05/06", false, false}),
            (DropAction{Kind::kAddToPage, "05/06", true}));
  EXPECT_EQ(RouteDrop({DropControl::kPageList, "03/15", false, true}),
            (DropAction{Kind::kAddToPage, "03/15", false}));
  // An empty spot of the page list has no page: the drop is ignored.
  EXPECT_EQ(RouteDrop({DropControl::kPageList, "", false, false}).kind, Kind::kIgnore);
  EXPECT_EQ(RouteDrop({DropControl::kCalendar, "", false, false}).kind, Kind::kIgnore);
}

}  // namespace
}  // namespace lumidex::testing
