#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/app_environment.h"
#include "foundation/data_folders.h"
#include "foundation/file_types.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

TEST(DataFoldersTest, PathsFollowTheTableAndEndWithASlash) {
  const DataFolders f = DataFolders::ForBase("/base/", "taro");
  EXPECT_EQ(f.programDir, "/base/");
  EXPECT_EQ(f.dataDir, "/base/data/");
  EXPECT_EQ(f.cacheDir, "/base/data/jpgdat/");
  EXPECT_EQ(f.userDir, "/base/data/taro/");
  EXPECT_EQ(f.photoDir, "/base/data/taro/photo/");
  EXPECT_EQ(f.holidayDir, "/base/data/taro/holiday/");
  EXPECT_EQ(f.myPhotoDir, "/base/data/taro/myphoto/");
  EXPECT_EQ(f.albumDir, "/base/data/taro/album/");
  EXPECT_EQ(f.PageIndexPath(), "/base/data/taro/grp-list.ini");
  EXPECT_EQ(f.LockListPath(), "/base/data/taro/daylc.ini");
}

TEST(DataFoldersTest, DeletedDataFolderIsRecreatedAndUsersAreSeparate) {
  testing::TempHome home;
  DataFolders::ForBase(home.path(), "taro").CreateAll();
  std::filesystem::remove_all(home.Join("data"));
  const DataFolders taro = DataFolders::ForBase(home.path(), "taro");
  const DataFolders hanako = DataFolders::ForBase(home.path(), "hanako");
  taro.CreateAll();
  hanako.CreateAll();
  for (const auto& f : {taro, hanako}) {
    for (const auto* dir : {&f.dataDir, &f.cacheDir, &f.userDir, &f.photoDir, &f.holidayDir,
                            &f.myPhotoDir, &f.albumDir}) {
      EXPECT_TRUE(std::filesystem::is_directory(*dir)) << *dir;
    }
  }
  EXPECT_NE(taro.userDir, hanako.userDir);
}

TEST(AppEnvironmentTest, OpensBothDocumentsAndCreatesNoFiles) {
  testing::TempHome home;
  testing::WriteFile(home.Join("data/taro/grp-list.ini"), "[DATA]\r\n08/15=1\r\n\r\n");
  auto env = AppEnvironment::Open(home.path(), "taro");
  ASSERT_TRUE(env.ok());
  EXPECT_EQ(env.value()->pageIndex->GetValue("DATA", "08/15", ""), "1");
  EXPECT_FALSE(env.value()->lockList->HasSection("DATA"));
  EXPECT_FALSE(testing::FileExists(home.Join("data/taro/daylc.ini")));
}

TEST(AppEnvironmentTest, UnreadablePageIndexIsAnError) {
  testing::TempHome home;
  std::filesystem::create_directories(home.Join("data/taro/grp-list.ini"));
  auto env = AppEnvironment::Open(home.path(), "taro");
  ASSERT_FALSE(env.ok());
  EXPECT_EQ(env.status().message(), "ファイル " + home.Join("data/taro/grp-list.ini") + " は開けません");
}

TEST(FileTypesTest, ListsAndLookups) {
  EXPECT_TRUE(FileTypeLists::IsImageType(".JPG"));
  EXPECT_TRUE(FileTypeLists::IsImageType(".wmf"));
  EXPECT_FALSE(FileTypeLists::IsImageType(".jp"));
  EXPECT_FALSE(FileTypeLists::IsImageType(""));
  EXPECT_TRUE(FileTypeLists::IsThumbType(".dib"));
  EXPECT_FALSE(FileTypeLists::IsThumbType(".png"));
  EXPECT_FALSE(FileTypeLists::IsThumbType(".gif"));
  EXPECT_TRUE(FileTypeLists::IsMusicType(".midi"));
  EXPECT_TRUE(FileTypeLists::IsOwnIconType(".lnk"));
  EXPECT_TRUE(std::is_sorted(FileTypeLists::ImageTypes().begin(), FileTypeLists::ImageTypes().end()));
  EXPECT_EQ(FileTypeLists::ImageTypes().size(), 9u);
  EXPECT_EQ(FileTypeLists::ThumbTypes().size(), 7u);
  EXPECT_TRUE(FileTypeLists::IsMusicType(".flac"));
}

TEST(FileTypesTest, ManagedTypesAreLoweredSortedAndUnique) {
  FileTypeLists types;
  EXPECT_TRUE(types.ManagedTypes().empty());
  types.SetManagedTypes({".TXT", "", ".pdf", ".txt"});
  EXPECT_EQ(types.ManagedTypes(), (std::vector<std::string>{".pdf", ".txt"}));
  EXPECT_TRUE(types.IsManagedType(".PDF"));
  EXPECT_FALSE(types.IsManagedType(".doc"));
}

TEST(FileTypesTest, ExtensionOfTheLastComponent) {
  EXPECT_EQ(ExtensionOf("/p/Photo.JPG"), ".jpg");
  EXPECT_EQ(ExtensionOf("/p.d/file"), "");
  EXPECT_EQ(ExtensionOf("C:\\p.d\\a.Png"), ".png");
  EXPECT_EQ(ExtensionOf("a.tar.gz"), ".gz");
}

}  // namespace
}  // namespace lumidex
