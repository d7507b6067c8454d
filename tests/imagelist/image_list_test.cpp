#include "imagelist/image_list.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "imagelist/list_worker.h"

namespace lumidex {
namespace {

// An album and a disk that exist only in the test.
struct FakeDisk {
  std::set<std::string> files;
  std::map<std::string, std::vector<std::string>> subAlbums;
  std::map<std::string, std::string> cache;
  int memoryLoad = 30;
  bool asyncThumbnails = false;
  int thumbnailsMade = 0;
  int cacheReads = 0;
  std::vector<bool> indicator;

  ItemDataSources Sources() {
    ItemDataSources sources;
    sources.subAlbumEntryNames = [this](const std::string& section) {
      auto it = subAlbums.find(section);
      return it == subAlbums.end() ? std::vector<std::string>() : it->second;
    };
    sources.fileDateText = [this](const std::string& path) {
      return files.count(path) ? std::string("2024/05/01 10:20:30") : std::string();
    };
    sources.shellIcon = [](const std::string& path) { return std::optional<std::string>("icon:" + path); };
    sources.systemIconIndex = [](const std::string&) { return 7; };
    sources.subAlbumThumbnail = [](const std::string& path) {
      return std::optional<std::string>("mosaic:" + path);
    };
    sources.cachedBytes = [this](const std::string& path) -> std::optional<std::string> {
      ++cacheReads;
      auto it = cache.find(path);
      if (it == cache.end()) return std::nullopt;
      return it->second;
    };
    sources.listThumbnail = [this](const std::string& path) {
      ++thumbnailsMade;
      ThumbnailAnswer answer;
      if (asyncThumbnails) {
        answer.pending = true;
      } else {
        answer.bytes = "jpeg:" + path;
      }
      return answer;
    };
    sources.memoryLoadPercent = [this] { return memoryLoad; };
    sources.memoryCacheIndicator = [this](bool on) { indicator.push_back(on); };
    return sources;
  }
};

class ImageListTest : public ::testing::Test {
 protected:
  ImageListTest() { types.SetManagedTypes({".pdf"}); }

  FileTypeLists types;
  FakeDisk disk;
  ImageList list{types, disk.Sources()};
};

TEST_F(ImageListTest, PictureGetsItsThumbnailFromTheDiskCacheFirst) {
  disk.files = {"/p/a.jpg"};
  disk.cache["/p/a.jpg"] = "cached";
  list.FillFromContainer({"/p/a.jpg=夏"});
  ASSERT_TRUE(list.EnsureItemData(0));
  const ALBDATA* record = list.entries().record(0);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->data, "cached");
  EXPECT_EQ(record->isJpeg, 1);
  EXPECT_EQ(record->exists, 1);
  EXPECT_EQ(record->dateText, "2024/05/01 10:20:30");
  EXPECT_EQ(disk.thumbnailsMade, 0);
  EXPECT_EQ(disk.indicator, (std::vector<bool>{true}));
}

TEST_F(ImageListTest, PictureWithoutCacheFileIsDecoded) {
  disk.files = {"/p/a.png"};
  list.FillFromContainer({"/p/a.png="});
  ASSERT_TRUE(list.EnsureItemData(0));
  EXPECT_EQ(list.entries().record(0)->data, "jpeg:/p/a.png");
  EXPECT_EQ(disk.thumbnailsMade, 1);
}

TEST_F(ImageListTest, ARecordIsMadeOnlyOnce) {
  disk.files = {"/p/a.jpg"};
  list.FillFromContainer({"/p/a.jpg="});
  ASSERT_TRUE(list.EnsureItemData(0));
  ASSERT_TRUE(list.EnsureItemData(0));
  EXPECT_EQ(disk.thumbnailsMade, 1);
}

TEST_F(ImageListTest, MissingFileGetsARecordThatSaysSoWithoutThumbnail) {
  list.FillFromContainer({"/gone/a.jpg=c"});
  ASSERT_TRUE(list.EnsureItemData(0));
  const ALBDATA* record = list.entries().record(0);
  EXPECT_EQ(record->exists, 0);
  EXPECT_EQ(record->dateText, "");
  EXPECT_FALSE(record->data.has_value());
  EXPECT_EQ(disk.thumbnailsMade, 0);
  EXPECT_EQ(disk.cacheReads, 0);
}

TEST_F(ImageListTest, MemoryLoadAbove80PercentKeepsNoThumbnail) {
  disk.files = {"/p/a.jpg", "/p/b.jpg"};
  list.FillFromContainer({"/p/a.jpg=", "/p/b.jpg="});
  disk.memoryLoad = 81;
  ASSERT_TRUE(list.EnsureItemData(0));
  EXPECT_FALSE(list.entries().record(0)->data.has_value());
  EXPECT_EQ(list.entries().record(0)->isJpeg, 0);
  disk.memoryLoad = 80;  // exactly 80 still keeps them
  ASSERT_TRUE(list.EnsureItemData(1));
  EXPECT_TRUE(list.entries().record(1)->data.has_value());
  EXPECT_EQ(disk.indicator, (std::vector<bool>{false, true}));
}

TEST_F(ImageListTest, MemoryCacheOffKeepsNoThumbnail) {
  disk.files = {"/p/a.jpg"};
  list.SetMemoryCache(false);
  list.FillFromContainer({"/p/a.jpg="});
  ASSERT_TRUE(list.EnsureItemData(0));
  EXPECT_FALSE(list.entries().record(0)->data.has_value());
  EXPECT_EQ(disk.thumbnailsMade, 0);
}

TEST_F(ImageListTest, ManagedTypeGetsItsIconIndexAndNoThumbnail) {
  disk.files = {"/p/doc.PDF", "/p/notes.txt"};
  list.FillFromContainer({"/p/doc.PDF=", "/p/notes.txt="});
  ASSERT_TRUE(list.EnsureItemData(0));
  ASSERT_TRUE(list.EnsureItemData(1));
  EXPECT_EQ(list.entries().record(0)->iconIndex, 7);
  EXPECT_FALSE(list.entries().record(0)->data.has_value());
  EXPECT_EQ(list.entries().record(1)->iconIndex, -1);
  EXPECT_EQ(disk.thumbnailsMade, 0);
}

TEST_F(ImageListTest, SubAlbumEntryShowsItsFirstFileAndCount) {
  disk.files = {"/p/a.jpg"};
  disk.subAlbums["03/15旅行"] = {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"};
  list.FillFromContainer({"@03/15旅行=楽しかった"});
  ASSERT_TRUE(list.EnsureItemData(0));
  const ALBDATA* record = list.entries().record(0);
  EXPECT_EQ(record->fileCount, 3);
  EXPECT_EQ(record->data, "mosaic:/p/a.jpg");
  EXPECT_EQ(record->isJpeg, 1);
}

TEST_F(ImageListTest, SubAlbumWhoseFirstFileIsManagedShowsItsIcon) {
  disk.files = {"/p/doc.pdf"};
  disk.subAlbums["03/15書類"] = {"/p/doc.pdf"};
  list.FillFromContainer({"@03/15書類="});
  ASSERT_TRUE(list.EnsureItemData(0));
  EXPECT_EQ(list.entries().record(0)->data, "icon:/p/doc.pdf");
  EXPECT_EQ(list.entries().record(0)->isJpeg, 0);
}

TEST_F(ImageListTest, SubAlbumWithNoSectionIsNotMadeAndTriedAgainLater) {
  list.FillFromContainer({"@03/15空="});
  EXPECT_FALSE(list.EnsureItemData(0));
  EXPECT_EQ(list.entries().record(0), nullptr);
  disk.files = {"/p/a.jpg"};
  disk.subAlbums["03/15空"] = {"/p/a.jpg"};
  EXPECT_TRUE(list.EnsureItemData(0));
  EXPECT_EQ(list.entries().record(0)->fileCount, 1);
}

TEST_F(ImageListTest, SubAlbumWhoseFirstFileIsMissingIsNotMade) {
  disk.subAlbums["03/15旅行"] = {"/gone/a.jpg"};
  list.FillFromContainer({"@03/15旅行="});
  EXPECT_FALSE(list.EnsureItemData(0));
  EXPECT_EQ(list.entries().record(0), nullptr);
}

TEST_F(ImageListTest, PageListOutOfRangeAndEmptyLinesGiveFalse) {
  list.FillPageList({"03/15=.alb"});
  EXPECT_FALSE(list.EnsureItemData(0));
  list.FillFromContainer({"", "=only comment"});
  EXPECT_FALSE(list.EnsureItemData(-1));
  EXPECT_FALSE(list.EnsureItemData(2));
  EXPECT_FALSE(list.EnsureItemData(0));
}

TEST_F(ImageListTest, ALineWithoutEqualsSignIsItsOwnName) {
  disk.files = {"/p/a.jpg"};
  list.FillFromContainer({"/p/a.jpg"});
  ASSERT_TRUE(list.EnsureItemData(0));
  EXPECT_EQ(list.entries().record(0)->exists, 1);
}

TEST_F(ImageListTest, MarkShownMarksTheVisibleRangeOnceAndRedraws) {
  disk.files = {"/p/0.jpg", "/p/1.jpg", "/p/2.jpg"};
  int redraws = 0;
  list.SetRedrawHandler([&] { ++redraws; });
  list.FillFromContainer({"/p/0.jpg=", "/p/1.jpg=", "/p/2.jpg="});
  list.SetVisibleRange(1, 2);
  EXPECT_TRUE(list.MarkShown());
  EXPECT_EQ(list.entries().record(0), nullptr);
  EXPECT_EQ(list.entries().record(1)->shown, 1);
  EXPECT_EQ(list.entries().record(2)->shown, 1);
  EXPECT_FALSE(list.MarkShown());
  EXPECT_EQ(redraws, 1);
}

TEST_F(ImageListTest, MarkShownIgnoresARangeOutsideTheList) {
  list.FillFromContainer({"/p/0.jpg="});
  list.SetVisibleRange(0, 5);
  EXPECT_FALSE(list.MarkShown());
  EXPECT_EQ(list.entries().record(0), nullptr);
}

TEST_F(ImageListTest, BackgroundStepWalksTheListOnceInOrder) {
  list.FillFromContainer({"/p/0.jpg=", "/p/1.jpg="});
  EXPECT_TRUE(list.BackgroundStep());
  EXPECT_EQ(list.prefetchNext(), 1);
  EXPECT_NE(list.entries().record(0), nullptr);
  EXPECT_TRUE(list.BackgroundStep());
  EXPECT_FALSE(list.BackgroundStep());
  list.FillFromContainer({"/p/0.jpg="});
  EXPECT_EQ(list.prefetchNext(), 0);
}

TEST_F(ImageListTest, BackgroundStepWaitsWhileTheThumbnailMakerIsBusy) {
  bool busy = true;
  ItemDataSources sources = disk.Sources();
  sources.makerBusy = [&] { return busy; };
  ImageList waiting(types, sources);
  waiting.FillFromContainer({"/p/0.jpg="});
  EXPECT_FALSE(waiting.BackgroundStep());
  EXPECT_EQ(waiting.prefetchNext(), 0);
  EXPECT_EQ(waiting.entries().record(0), nullptr);
  busy = false;
  EXPECT_TRUE(waiting.BackgroundStep());
  EXPECT_NE(waiting.entries().record(0), nullptr);
}

TEST_F(ImageListTest, FolderModeSetsNoCacheModeAndContainersClearIt) {
  list.FillFromFolderLines({"/f/a.jpg="});
  EXPECT_TRUE(list.noCacheMode());
  EXPECT_EQ(list.mode(), ListMode::kFolder);
  list.FillFromContainer({"/f/a.jpg="});
  EXPECT_FALSE(list.noCacheMode());
}

TEST_F(ImageListTest, DropItemDataKeepsOrClearsTheLines) {
  disk.files = {"/p/0.jpg"};
  list.FillFromContainer({"/p/0.jpg="});
  ASSERT_TRUE(list.EnsureItemData(0));
  list.DropItemData(false);
  EXPECT_EQ(list.size(), 1);
  EXPECT_EQ(list.entries().record(0), nullptr);
  list.DropItemData(true);
  EXPECT_EQ(list.size(), 0);
}

TEST_F(ImageListTest, AsyncThumbnailArrivesAtTheItemEvenAfterItMoved) {
  disk.files = {"/p/a.jpg", "/p/b.jpg"};
  disk.asyncThumbnails = true;
  std::vector<int> changed;
  list.SetItemChangedHandler([&](int index) { changed.push_back(index); });
  list.FillFromContainer({"/p/a.jpg=", "/p/b.jpg="});
  ASSERT_TRUE(list.EnsureItemData(0));
  EXPECT_TRUE(list.entries().record(0)->thumbnailPending);
  list.entries().Permute({1, 0});
  EXPECT_EQ(list.DeliverThumbnail(0, "/p/a.jpg", std::string("jpeg")), 1);
  EXPECT_EQ(list.entries().record(1)->data, "jpeg");
  EXPECT_FALSE(list.entries().record(1)->thumbnailPending);
  EXPECT_EQ(changed, (std::vector<int>{1}));
  // A second delivery, or one for a list that was refilled, is dropped.
  EXPECT_EQ(list.DeliverThumbnail(1, "/p/a.jpg", std::string("again")), -1);
  EXPECT_EQ(list.entries().record(1)->data, "jpeg");
}

TEST_F(ImageListTest, RenewedThumbnailIsMadeOnceForEveryRecordOfThePicture) {
  disk.files = {"/p/a.jpg", "/p/b.jpg"};
  list.FillFromContainer({"/p/a.jpg=", "/p/b.jpg=", "/p/a.jpg=twice"});
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(list.EnsureItemData(i));
  std::vector<int> changed;
  list.SetItemChangedHandler([&](int index) { changed.push_back(index); });
  int made = 0;
  EXPECT_EQ(list.RenewThumbnail("/p/a.jpg", [&] { ++made; return std::optional<std::string>("edited"); }), 2);
  EXPECT_EQ(made, 1);
  EXPECT_EQ(list.entries().record(0)->data, "edited");
  EXPECT_EQ(list.entries().record(2)->data, "edited");
  EXPECT_NE(list.entries().record(1)->data, "edited");
  EXPECT_EQ(changed, (std::vector<int>{0, 2}));
  // A picture that cannot be made again keeps what it had; no record, no making.
  EXPECT_EQ(list.RenewThumbnail("/p/b.jpg", [] { return std::optional<std::string>(); }), 0);
  EXPECT_NE(list.entries().record(1)->data, std::nullopt);
  EXPECT_EQ(list.RenewThumbnail("/p/none.jpg", [&] { ++made; return std::optional<std::string>("x"); }), 0);
  EXPECT_EQ(made, 1);
}

TEST_F(ImageListTest, UndecodablePictureDeliveryLeavesNoData) {
  disk.files = {"/p/bad.jpg"};
  disk.asyncThumbnails = true;
  list.FillFromContainer({"/p/bad.jpg="});
  ASSERT_TRUE(list.EnsureItemData(0));
  EXPECT_EQ(list.DeliverThumbnail(0, "/p/bad.jpg", std::nullopt), 0);
  EXPECT_FALSE(list.entries().record(0)->data.has_value());
  EXPECT_FALSE(list.entries().record(0)->thumbnailPending);
}

TEST_F(ImageListTest, ThumbnailThatDoesNotDecodeIsMadeAfreshFromThePictureOnce) {
  disk.files = {"/p/a.jpg", "/p/b.jpg"};
  disk.cache["/p/a.jpg"] = "damaged";
  disk.subAlbums["05/01trip"] = {"/p/b.jpg"};
  std::vector<int> changed;
  list.SetItemChangedHandler([&](int index) { changed.push_back(index); });
  list.FillFromContainer({"/p/a.jpg=", "@05/01trip=", "/p/b.jpg="});
  ASSERT_TRUE(list.EnsureItemData(0));
  ASSERT_TRUE(list.EnsureItemData(1));
  ASSERT_EQ(list.entries().record(0)->data, "damaged");
  EXPECT_TRUE(list.RemakeThumbnail(0));
  EXPECT_EQ(list.entries().record(0)->data, "jpeg:/p/a.jpg");
  EXPECT_EQ(disk.thumbnailsMade, 1);
  EXPECT_EQ(changed, (std::vector<int>{0}));
  // Once per record: bytes made afresh that still fail are not asked again.
  EXPECT_FALSE(list.RemakeThumbnail(0));
  EXPECT_EQ(disk.thumbnailsMade, 1);
  // Sub-album entries, items without a record and rows outside the list.
  EXPECT_FALSE(list.RemakeThumbnail(1));
  EXPECT_FALSE(list.RemakeThumbnail(2));
  EXPECT_FALSE(list.RemakeThumbnail(3));
  EXPECT_EQ(disk.thumbnailsMade, 1);
}

TEST_F(ImageListTest, ThumbnailMadeAfreshOffTheMainThreadWaitsForItsDelivery) {
  disk.files = {"/p/a.jpg"};
  disk.cache["/p/a.jpg"] = "damaged";
  disk.asyncThumbnails = true;
  list.FillFromContainer({"/p/a.jpg="});
  ASSERT_TRUE(list.EnsureItemData(0));
  ASSERT_TRUE(list.RemakeThumbnail(0));
  const ALBDATA* record = list.entries().record(0);
  EXPECT_FALSE(record->data.has_value());
  EXPECT_TRUE(record->thumbnailPending);
  // While it waits it is not asked for again.
  EXPECT_FALSE(list.RemakeThumbnail(0));
  EXPECT_EQ(list.DeliverThumbnail(0, "/p/a.jpg", std::string("fresh")), 0);
  EXPECT_EQ(record->data, "fresh");
}

TEST_F(ImageListTest, BusyFlagIsSetOnlyWhileARecordIsMade) {
  bool busyInside = false;
  ItemDataSources sources = disk.Sources();
  ImageList* self = nullptr;
  sources.fileDateText = [&](const std::string&) {
    busyInside = self->busy();
    return std::string();
  };
  ImageList busyList(types, sources);
  self = &busyList;
  busyList.FillFromContainer({"/p/a.jpg="});
  ASSERT_TRUE(busyList.EnsureItemData(0));
  EXPECT_TRUE(busyInside);
  EXPECT_FALSE(busyList.busy());
}

}  // namespace
}  // namespace lumidex

namespace lumidex {
namespace {

std::unique_ptr<ALBDATA> RecordWithData(const std::string& data) {
  auto record = std::make_unique<ALBDATA>();
  record->data = data;
  return record;
}

TEST(EntryListTest, ReconcileKeepsRecordsWithTheirNames) {
  EntryList entries;
  entries.Fill(ListMode::kContainer, {"/a.jpg=", "/b.jpg=x", "/c.jpg=", "/b.jpg=dup"});
  entries.SetRecord(0, RecordWithData("A"));
  entries.SetRecord(1, RecordWithData("B1"));
  entries.SetRecord(3, RecordWithData("B2"));
  entries.Reconcile({"/b.jpg=new comment", "/z.jpg=", "/a.jpg=", "/b.jpg="});
  ASSERT_EQ(entries.size(), 4);
  EXPECT_EQ(entries.line(0), "/b.jpg=new comment");
  EXPECT_EQ(entries.record(0)->data, "B1");
  EXPECT_EQ(entries.record(1), nullptr);
  EXPECT_EQ(entries.record(2)->data, "A");
  EXPECT_EQ(entries.record(3)->data, "B2");
}

TEST(EntryListTest, PermuteMovesRecordsWithLines) {
  EntryList entries;
  entries.Fill(ListMode::kContainer, {"/a=", "/b=", "/c="});
  entries.SetRecord(2, RecordWithData("C"));
  entries.Permute({2, 0, 1});
  EXPECT_EQ(entries.lines(), (std::vector<std::string>{"/c=", "/a=", "/b="}));
  EXPECT_EQ(entries.record(0)->data, "C");
  entries.Replace(0, "/c=comment", true);
  EXPECT_EQ(entries.record(0)->data, "C");
  entries.Replace(0, "/d=", false);
  EXPECT_EQ(entries.record(0), nullptr);
  entries.Erase(1);
  entries.Insert(0, "/e=");
  EXPECT_EQ(entries.lines(), (std::vector<std::string>{"/e=", "/d=", "/b="}));
}

}  // namespace
}  // namespace lumidex
