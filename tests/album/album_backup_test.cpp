#include "album/album_backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "album/backup_container.h"
#include "album_fixture.h"
#include "foundation/settings_store.h"

namespace lumidex {
namespace {

namespace fs = std::filesystem;

// Stops the run after `stopAfter` steps.
class StoppingOperation : public LongOperation {
 public:
  explicit StoppingOperation(int stopAfter) : stopAfter_(stopAfter) {}
  void Begin(int total) override { total_ = total; }
  bool Step(int done, std::string_view) override { return done >= stopAfter_; }
  bool AbortRequested() const override { return false; }
  void End() override {}
  int total() const { return total_; }

 private:
  const int stopAfter_;
  int total_ = -1;
};

class AlbumBackupTest : public testing::AlbumTest {
 protected:
  std::string BackupFile() const { return home.Join("backup/b.alb"); }

  void WriteYear2024() {
    WriteAlbum(IndexPath(), "[DATA]\n05/01=.alb\n");
    WriteAlbum(YearPath("2024"), "[05/01]\n/p/a.jpg=海\n@05/01旅行=\n");
    WriteAlbum(SubPath("2024"), "[05/01旅行]\n/p/b.jpg=\n");
  }

  // Every file below the user's folder, by path.
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(UserDir())) {
      if (entry.is_regular_file()) files[entry.path().string()] = testing::ReadFile(entry.path().string());
    }
    return files;
  }

  Status Export() {
    SettingsStore settings(home.Join("settings.reg"));
    SilentOperation silent;
    return ExportAlbum(*store, settings, BackupFile(), silent);
  }
};

TEST_F(AlbumBackupTest, ExportTakesPendingChangesAndImportLeavesThePageForTheBackupsFiles) {
  WriteYear2024();
  OpenYear("2024");
  ASSERT_TRUE(store->OpenPage("05/01").ok());
  store->MutableLines().push_back("/p/pending.jpg=");
  store->MarkModified();
  ASSERT_TRUE(Export().ok());
  const std::string exportedYear = testing::ReadFile(YearPath("2024"));
  EXPECT_NE(ReadAlbum(YearPath("2024")).find("/p/pending.jpg"), std::string::npos);
  EXPECT_FALSE(store->modified());
  Result<BackupContainer> album =
      ReadBackupContainer(testing::ReadFile(BackupFile()), BackupKind::kAlbum, BackupFile());
  ASSERT_TRUE(album.ok()) << album.status().message();
  EXPECT_EQ(album.value().unnamed[1], "");  // no lock list: an empty record still stands in its place
  ASSERT_EQ(album.value().named.size(), 2u);
  EXPECT_EQ(album.value().named[0].content, exportedYear);

  // The album moves on: another entry saved, a year the backup lacks, and a
  // change still pending on the open page when the import comes.
  store->MutableLines().push_back("/p/later.jpg=");
  store->MarkModified();
  ASSERT_TRUE(store->SaveCurrent(false).ok());
  WriteAlbum(YearPath("2030"), "[01/01]\n/p/c.jpg=\n");
  store->MutableLines().push_back("/p/unsaved.jpg=");
  store->MarkModified();

  Result<BackupImport> backup = ReadAlbumBackup(env->folders, BackupFile());
  ASSERT_TRUE(backup.ok()) << backup.status().message();
  EXPECT_NE(ImportQuestion(backup.value()).find(YearPath("2024")), std::string::npos);
  SilentOperation silent;
  ASSERT_TRUE(ImportAlbum(*store, *env->lockList, backup.value(), silent).ok());
  EXPECT_FALSE(store->PageOpen());
  EXPECT_FALSE(store->modified());
  EXPECT_EQ(testing::ReadFile(YearPath("2024")), exportedYear);
  EXPECT_EQ(store->yearDocument().SectionLines("05/01"),
            (std::vector<std::string>{"/p/a.jpg=海", "@05/01旅行=", "/p/pending.jpg="}));
  EXPECT_TRUE(fs::exists(YearPath("2030")));  // an import never deletes
  // Nothing held in memory is saved over the imported files afterwards.
  ASSERT_TRUE(store->Close().ok());
  EXPECT_EQ(testing::ReadFile(YearPath("2024")), exportedYear);
}

TEST_F(AlbumBackupTest, PagesOfOtherYearsAreKnownAsTheImportedFilesHaveThem) {
  WriteYear2024();
  WriteAlbum(YearPath("2023"), "[06/01]\n/p/old.jpg=\n");
  OpenYear("2024");
  ASSERT_TRUE(Export().ok());
  WriteAlbum(YearPath("2023"), "[07/01]\n/p/other.jpg=\n");
  OpenYear("2024");
  ASSERT_TRUE(store->PageUsedInOtherYears("07/01", "2024"));
  Result<BackupImport> backup = ReadAlbumBackup(env->folders, BackupFile());
  ASSERT_TRUE(backup.ok());
  SilentOperation silent;
  ASSERT_TRUE(ImportAlbum(*store, *env->lockList, backup.value(), silent).ok());
  EXPECT_TRUE(store->PageUsedInOtherYears("06/01", "2024"));
  EXPECT_FALSE(store->PageUsedInOtherYears("07/01", "2024"));
}

TEST_F(AlbumBackupTest, AStoppedOrFailedImportReplacesNothing) {
  WriteYear2024();
  OpenYear("2024");
  ASSERT_TRUE(Export().ok());
  WriteAlbum(YearPath("2024"), "[05/02]\n/p/new.jpg=\n");
  WriteAlbum(SubPath("2024"), "[05/02x]\n");
  Result<BackupImport> backup = ReadAlbumBackup(env->folders, BackupFile());
  ASSERT_TRUE(backup.ok());
  const auto before = Snapshot();

  StoppingOperation stop(2);
  EXPECT_TRUE(ImportAlbum(*store, *env->lockList, backup.value(), stop).isAborted());
  EXPECT_EQ(stop.total(), 3);  // two documents and the page index
  EXPECT_EQ(Snapshot(), before);  // no temporary file left either

  // A folder where the page index, written last, would go.
  fs::remove(IndexPath());
  fs::create_directory(IndexPath());
  SilentOperation silent;
  EXPECT_FALSE(ImportAlbum(*store, *env->lockList, backup.value(), silent).ok());
  fs::remove(IndexPath());
  auto after = Snapshot();
  EXPECT_EQ(after.size(), before.size() - 1);
  after[IndexPath()] = before.at(IndexPath());
  EXPECT_EQ(after, before);
}

TEST_F(AlbumBackupTest, ABackupWithAnUnusableRecordIsRefusedBeforeAnythingIsRead) {
  WriteYear2024();
  OpenYear("2024");
  ASSERT_TRUE(Export().ok());
  const BackupFiles files = BackupFiles::For(BackupFile());
  // A favourites document that is binary data.
  testing::WriteFile(files.favourites, WriteBackupContainer({{}, {{"2024.ini", std::string("\0\1\2", 3)}}},
                                                             BackupKind::kFavourites)
                                           .value());
  Result<BackupImport> backup = ReadAlbumBackup(env->folders, BackupFile());
  ASSERT_FALSE(backup.ok());
  EXPECT_NE(backup.status().message().find(files.favourites), std::string::npos);
  // A settings file of another kind.
  fs::remove(files.favourites);
  testing::WriteFile(files.settings, "not a settings file");
  EXPECT_FALSE(ReadAlbumBackup(env->folders, BackupFile()).ok());
  fs::remove(files.settings);
  EXPECT_TRUE(ReadAlbumBackup(env->folders, BackupFile()).ok());
}

}  // namespace
}  // namespace lumidex
