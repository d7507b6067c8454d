#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>

#include "foundation/long_operation.h"
#include "image_fixtures.h"
#include "images/cache_commands.h"
#include "images/format_byte_size.h"
#include "images/image_types.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

// Records the steps of a long operation; stops after `stopAfter` steps.
class RecordingOperation final : public LongOperation {
 public:
  int total = -1;
  std::vector<std::string> items;
  bool ended = false;
  size_t stopAfter = SIZE_MAX;
  void Begin(int t) override { total = t; }
  bool Step(int, std::string_view item) override {
    items.emplace_back(item);
    return items.size() >= stopAfter;
  }
  bool AbortRequested() const override { return items.size() >= stopAfter; }
  void End() override { ended = true; }
};

int64_t SizeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

class ThumbnailCacheTest : public ::testing::Test {
 protected:
  ThumbnailCacheTest() : cacheDir_(home_.Join("data/jpgdat/")), cache_(cacheDir_, true) {}

  // A picture file above the cache's size limit.
  std::string Picture(const std::string& relative, int w = 400, int h = 300) {
    const std::string path = home_.Join(relative);
    testing::WriteFile(path, testing::WriteJpeg(w, h, testing::JpegKind::kBaseline, [](int x, int y) {
                         return static_cast<uint32_t>((x * 2654435761u) ^ (y * 40503u)) & 0xFFFFFF;
                       }));
    EXPECT_GT(SizeOf(path), kSmallestCachedFile);
    return path;
  }

  Result<std::string> Make(const std::string& path, bool overwrite = false) {
    ThumbnailRequest request;
    request.path = path;
    request.overwrite = overwrite;
    return MakeListThumbnail(request, ImageContext(), &cache_);
  }

  testing::TempHome home_;
  std::string cacheDir_;
  ThumbnailCache cache_;
};

TEST(CacheFileNameTest, FollowsTheLastTwoFolderNames) {
  const ThumbnailCache cache("/c/jpgdat", true);
  EXPECT_EQ(cache.CacheFileName("D:\\Photos\\2010\\Trip\\IMG_0001.JPG"), "/c/jpgdat/2010-Trip-IMG_0001.jpg");
  EXPECT_EQ(cache.CacheFileName("C:\\Photos\\a.png"), "/c/jpgdat/C_Photos-a.jpg");
  EXPECT_EQ(cache.CacheFileName("C:\\a.bmp"), "/c/jpgdat/C_a.jpg");
  EXPECT_EQ(cache.CacheFileName("C:\\a.jpg"), cache.CacheFileName("C:\\a.png"));
  EXPECT_EQ(cache.CacheFileName("\\\\server\\share\\x.jpg"), "/c/jpgdat/server-share-x.jpg");
  EXPECT_EQ(cache.CacheFileName("/home/ann/Pictures/p.jpeg"), "/c/jpgdat/ann-Pictures-p.jpg");
}

TEST(CacheFileNameTest, NameNeverLeavesTheCacheFolder) {
  const ThumbnailCache cache("/c/jpgdat/", true);
  EXPECT_EQ(cache.CacheFileName("/a.jpg"), "/c/jpgdat/__a.jpg");
  EXPECT_EQ(cache.CacheFileName("/data/x.jpg"), "/c/jpgdat/__data-x.jpg");
  EXPECT_EQ(cache.CacheFileName("/up/../x"), "/c/jpgdat/__..-x.jpg");
  for (const char* path : {"/a.jpg", "/ab/c/x.jpg", "\\\\s\\x.jpg", "noslash.jpg", "/写真/x.jpg"}) {
    const std::string name = cache.CacheFileName(path).substr(10);
    EXPECT_EQ(name.find('/'), std::string::npos) << path;
  }
}

TEST(OpaqueTypesTest, OnlyTheFourExactExtensions) {
  for (const char* e : {".bmp", ".dib", ".jpg", ".jpeg", ".JPG"}) EXPECT_TRUE(IsOpaqueType(e)) << e;
  for (const char* e : {"", ".jp", ".g", ".png", ".jpgx", "jpg"}) EXPECT_FALSE(IsOpaqueType(e)) << e;
}

TEST(FormatByteSizeTest, PicksTheUnitAndFormat) {
  EXPECT_EQ(FormatByteSize(0, false), "0B");
  EXPECT_EQ(FormatByteSize(1023, false), "1,023B");
  EXPECT_EQ(FormatByteSize(1536, true), "1.50KB");
  EXPECT_EQ(FormatByteSize(int64_t{5} << 20, false), "5MB");
  EXPECT_EQ(FormatByteSize((int64_t{3} << 30) + (int64_t{1} << 29), true), "3.50GB");
  EXPECT_EQ(FormatByteSize(int64_t{2000} << 40, false), "2,000TB");
}

TEST_F(ThumbnailCacheTest, StoredThumbnailIsUsedWithoutDecoding) {
  const std::string path = Picture("p/2010/a.jpg");
  Result<std::string> first = Make(path);
  ASSERT_TRUE(first.ok());
  const std::string cacheFile = cache_.CacheFileName(path);
  EXPECT_TRUE(testing::ReadFile(cacheFile) == first.value());
  // Replace the picture: the cache still answers with the old thumbnail.
  testing::WriteFile(path, testing::WriteJpeg(200, 400) + std::string(20000, '\0'));
  Result<std::string> second = Make(path);
  ASSERT_TRUE(second.ok());
  EXPECT_TRUE(second.value() == first.value());
  // Overwrite makes it again.
  ThumbnailRequest request;
  request.path = path;
  request.cachePath = cacheFile;
  request.overwrite = true;
  Result<std::string> third = MakeListThumbnail(request, ImageContext(), &cache_);
  ASSERT_TRUE(third.ok());
  EXPECT_FALSE(third.value() == first.value());
  EXPECT_TRUE(testing::ReadFile(cacheFile) == third.value());
}

TEST_F(ThumbnailCacheTest, SmallFilesNarrowBoxesAndNoCacheModeWriteNothing) {
  const std::string small = home_.Join("p/s/small.jpg");
  testing::WriteFile(small, testing::WriteJpeg(32, 32));
  ASSERT_LE(SizeOf(small), kSmallestCachedFile);
  ASSERT_TRUE(Make(small).ok());
  EXPECT_FALSE(testing::FileExists(cache_.CacheFileName(small)));

  const std::string big = Picture("p/s/big.jpg");
  ThumbnailRequest narrow;
  narrow.path = big;
  narrow.boxWidth = 40;
  narrow.boxHeight = 40;
  ASSERT_TRUE(MakeListThumbnail(narrow, ImageContext(), &cache_).ok());
  EXPECT_FALSE(testing::FileExists(cache_.CacheFileName(big)));

  cache_.setNoCacheMode(true);
  ASSERT_TRUE(Make(big).ok());
  EXPECT_FALSE(testing::FileExists(cache_.CacheFileName(big)));
  cache_.setNoCacheMode(false);
  cache_.setFullScreen(true);
  ASSERT_TRUE(Make(big).ok());
  EXPECT_FALSE(testing::FileExists(cache_.CacheFileName(big)));
  cache_.setFullScreen(false);
  cache_.setUseCache(false);
  ASSERT_TRUE(Make(big).ok());
  EXPECT_FALSE(testing::FileExists(cache_.CacheFileName(big)));
}

TEST_F(ThumbnailCacheTest, SizeCounterCountsBytesWrittenMinusBytesReplaced) {
  const std::string path = Picture("p/x/a.jpg");
  cache_.Recount();
  EXPECT_EQ(cache_.cachedBytes(), 0);
  ASSERT_TRUE(Make(path).ok());
  const int64_t one = SizeOf(cache_.CacheFileName(path));
  EXPECT_EQ(cache_.cachedBytes(), one);
  ASSERT_TRUE(Make(path).ok());  // found in the cache: nothing written
  ThumbnailRequest again;
  again.path = path;
  again.cachePath = cache_.CacheFileName(path);
  ASSERT_TRUE(MakeListThumbnail(again, ImageContext(), &cache_).ok());  // exists, no overwrite
  EXPECT_EQ(cache_.cachedBytes(), one);
  testing::WriteFile(path, testing::WriteJpeg(300, 300) + std::string(20000, '\0'));
  ASSERT_TRUE(Make(path, true).ok());  // cachePath empty: served from the cache
  again.overwrite = true;
  ASSERT_TRUE(MakeListThumbnail(again, ImageContext(), &cache_).ok());
  const int64_t replaced = SizeOf(cache_.CacheFileName(path));
  EXPECT_EQ(cache_.cachedBytes(), replaced);
  cache_.Recount();
  EXPECT_EQ(cache_.cachedBytes(), replaced);
}

TEST_F(ThumbnailCacheTest, DamagedCacheFileIsIgnoredAndReplaced) {
  const std::string path = Picture("p/y/a.jpg");
  const std::string cacheFile = cache_.CacheFileName(path);
  const std::string thumbnail = testing::WriteJpeg(170, 127);
  testing::WriteFile(cacheFile, thumbnail.substr(0, thumbnail.size() / 2));
  EXPECT_FALSE(cache_.CacheLookup(path).has_value());
  Result<std::string> made = Make(path);
  ASSERT_TRUE(made.ok());
  EXPECT_TRUE(testing::ReadFile(cacheFile) == made.value());
}

TEST_F(ThumbnailCacheTest, CachedBytesOnlyForOpaqueTypesOutsideFullScreen) {
  const std::string jpg = Picture("p/z/a.jpg");
  ASSERT_TRUE(Make(jpg).ok());
  EXPECT_TRUE(cache_.CachedBytes(jpg).has_value());
  cache_.setFullScreen(true);
  EXPECT_FALSE(cache_.CachedBytes(jpg).has_value());
  cache_.setFullScreen(false);
  const std::string png = home_.Join("p/z/a.png");  // shares the cache file of a.jpg
  testing::WriteFile(png, "x");
  EXPECT_FALSE(cache_.CachedBytes(png).has_value());
  EXPECT_TRUE(cache_.CacheLookup(png).has_value());
}

void Touch(const std::string& path) { testing::WriteFile(path, testing::WriteJpeg(4, 4)); }

TEST_F(ThumbnailCacheTest, CleaningKeepsTheGreatestHeadOfEachTail) {
  Touch(cacheDir_ + "2009-Tri-IMG_1.jpg");
  Touch(cacheDir_ + "2010-Tri-IMG_1.jpg");
  Touch(cacheDir_ + "2008-Tri-IMG_1.jpg");
  Touch(cacheDir_ + "2010-Tri-IMG_2.jpg");
  Touch(cacheDir_ + "C_a.jpg");  // short names are never twins
  Touch(cacheDir_ + "C_b.jpg");
  RecordingOperation operation;
  const CleanResult result = CleanCache(cache_, operation);
  EXPECT_EQ(result.names, 6u);
  EXPECT_EQ(result.deleted, 2u);
  EXPECT_EQ(operation.total, 6);
  EXPECT_TRUE(operation.ended);
  EXPECT_TRUE(testing::FileExists(cacheDir_ + "2010-Tri-IMG_1.jpg"));
  EXPECT_FALSE(testing::FileExists(cacheDir_ + "2009-Tri-IMG_1.jpg"));
  EXPECT_FALSE(testing::FileExists(cacheDir_ + "2008-Tri-IMG_1.jpg"));
  EXPECT_TRUE(testing::FileExists(cacheDir_ + "C_a.jpg"));
  EXPECT_TRUE(testing::FileExists(cacheDir_ + "C_b.jpg"));
  EXPECT_EQ(CleanMessage(result), "6個中、2個のファイルを削除しました。");
}

TEST_F(ThumbnailCacheTest, CleaningDistinctTailsDeletesNothingAndSaysNothing) {
  Touch(cacheDir_ + "2010-Tri-IMG_1.jpg");
  Touch(cacheDir_ + "2010-Tri-IMG_2.jpg");
  RecordingOperation operation;
  const CleanResult result = CleanCache(cache_, operation);
  EXPECT_EQ(result.deleted, 0u);
  EXPECT_EQ(CleanMessage(result), "");
}

TEST_F(ThumbnailCacheTest, EmptyingDeletesOnlyCacheFilesOfACacheFolder) {
  Touch(cacheDir_ + "x-y-a.jpg");
  testing::WriteFile(cacheDir_ + "notes.txt", "keep me");
  RecordingOperation operation;
  EXPECT_EQ(EmptyCache(cache_, operation), 1u);
  EXPECT_FALSE(testing::FileExists(cacheDir_ + "x-y-a.jpg"));
  EXPECT_TRUE(testing::FileExists(cacheDir_ + "notes.txt"));
  EXPECT_EQ(cache_.cachedBytes(), 7);

  // A folder that is not a cache folder is never emptied.
  const std::string other = home_.Join("Pictures/");
  Touch(other + "holiday.jpg");
  ThumbnailCache wrong(other, true);
  EXPECT_EQ(EmptyCache(wrong, operation), 0u);
  EXPECT_TRUE(testing::FileExists(other + "holiday.jpg"));
}

TEST_F(ThumbnailCacheTest, FillingCachesThePicturesOfTheAlbum) {
  const std::string a = Picture("pics/trip/a.jpg");
  const std::string b = Picture("pics/trip/b.png");  // a JPEG named .png: fails to decode
  const std::string c = Picture("pics/trip/c.jpg");
  const std::string doc = Picture("pics/trip/d.doc");
  const std::string photo = home_.Join("photo/");
  testing::WriteFile(photo + "2010.ini", "[05/03]\r\n" + a + "=comment\r\n" + b + "=\r\n@05/03trip=\r\n" + doc + "=\r\n");
  testing::WriteFile(photo + "2010S.ini", "[05/03trip]\r\n" + c + "=\r\n");
  testing::WriteFile(photo + "notes.ini", "[x]\r\n" + home_.Join("never.jpg") + "=\r\n");
  RecordingOperation operation;
  const FillResult result = FillCache(photo, cache_, ImageContext(), operation, 2);
  EXPECT_EQ(result.lines, 5u);  // the lines of both sections
  EXPECT_EQ(result.made, 2u);
  EXPECT_FALSE(result.aborted);
  EXPECT_TRUE(cache_.CacheLookup(a).has_value());
  EXPECT_TRUE(cache_.CacheLookup(c).has_value());
  EXPECT_FALSE(testing::FileExists(cache_.CacheFileName(doc)));
  EXPECT_EQ(cache_.cachedBytes(), SizeOf(cache_.CacheFileName(a)) + SizeOf(cache_.CacheFileName(c)));
  // A second run finds everything cached.
  RecordingOperation again;
  EXPECT_EQ(FillCache(photo, cache_, ImageContext(), again, 1).made, 0u);
}

TEST_F(ThumbnailCacheTest, FillingStopsWhenAsked) {
  std::string lines = "[01/01]\r\n";
  for (int i = 0; i < 6; ++i) lines += Picture("pics/s/" + std::to_string(i) + ".jpg", 300, 200) + "=\r\n";
  testing::WriteFile(home_.Join("photo/2011.ini"), lines);
  RecordingOperation operation;
  operation.stopAfter = 2;
  const FillResult result = FillCache(home_.Join("photo"), cache_, ImageContext(), operation, 2);
  EXPECT_TRUE(result.aborted);
  EXPECT_EQ(result.made, 2u);
  EXPECT_TRUE(operation.ended);
}

TEST_F(ThumbnailCacheTest, UpdatingRemakesOnlyWhatIsAskedFor) {
  const std::string a = Picture("pics/u/a.jpg");
  const std::string b = Picture("pics/u/b.jpg");
  const std::string doc = Picture("pics/u/c.doc");
  ASSERT_TRUE(Make(a).ok());
  const std::string before = testing::ReadFile(cache_.CacheFileName(a));
  testing::WriteFile(a, testing::WriteJpeg(300, 400) + std::string(20000, '\0'));
  RecordingOperation operation;
  bool aborted = true;
  EXPECT_EQ(UpdateSelectedCache({b, a, doc, b}, false, cache_, ImageContext(), operation, &aborted), 1u);
  EXPECT_FALSE(aborted);
  EXPECT_EQ(operation.total, 3);  // duplicates dropped
  EXPECT_TRUE(testing::ReadFile(cache_.CacheFileName(a)) == before);  // kept without overwrite
  EXPECT_TRUE(testing::FileExists(cache_.CacheFileName(b)));
  EXPECT_FALSE(testing::FileExists(cache_.CacheFileName(doc)));
  RecordingOperation again;
  EXPECT_EQ(UpdateSelectedCache({a}, true, cache_, ImageContext(), again), 1u);
  EXPECT_FALSE(testing::ReadFile(cache_.CacheFileName(a)) == before);
}

TEST_F(ThumbnailCacheTest, ChangingTheFolderUsesItsJpgdatFolder) {
  const std::string chosen = home_.Join("disk2");
  EXPECT_FALSE(cache_.ChangeCacheFolder(chosen));  // not there yet
  EXPECT_EQ(cache_.cacheDir(), cacheDir_);
  testing::WriteFile(chosen + "/jpgdat/x-y-z.jpg", "12345");
  EXPECT_TRUE(cache_.ChangeCacheFolder(chosen));
  EXPECT_EQ(cache_.cacheDir(), chosen + "/jpgdat/");
  EXPECT_EQ(cache_.cachedBytes(), 5);
}

// Camera pictures beside genuine thumbnails, some under names the cache
// could give: cleaning, emptying, the deletion at exit, overwriting and
// moving the cache touch only the thumbnails, and a folder of photos given
// as the cache folder ("wdir") loses nothing.
TEST_F(ThumbnailCacheTest, CacheCommandsNeverTouchCameraPictures) {
  const std::string trip = Picture("pics/trip/IMG_0005.jpg");
  const std::string camera = testing::ReadFile(trip);
  testing::ExifBuilder exif(false);
  exif.Ascii(0x9003, "2024:01:01 10:00:00");
  const std::string smallWithExif = exif.Jpeg(testing::WriteJpeg(160, 120));
  const std::map<std::string, std::string> cameraFiles = {
      {"IMG_0001.jpg", camera},
      {"IMG_0002.jpg", camera},
      {"IMG-20240101-WA0003.jpg", camera},
      {"2009-Trip-IMG_1.jpg", camera},  // an older twin of a thumbnail below
      {"2011-Trip-IMG_1.jpg", smallWithExif},
      {cache_.CacheFileName(trip).substr(cacheDir_.size()), camera},
  };
  const std::vector<std::string> thumbnails = {"2010-Trip-IMG_1.jpg", "2008-Trip-IMG_1.jpg",
                                               "C_a.jpg"};
  auto populate = [&](const std::string& dir) {
    for (const auto& [name, bytes] : cameraFiles) testing::WriteFile(dir + name, bytes);
    for (const std::string& name : thumbnails)
      testing::WriteFile(dir + name, testing::WriteJpeg(170, 127));
  };
  auto camerasIntact = [&](const std::string& dir) {
    for (const auto& [name, bytes] : cameraFiles) {
      EXPECT_TRUE(testing::ReadFile(dir + name) == bytes) << dir + name;
    }
  };
  RecordingOperation operation;

  const std::string photos = home_.Join("photos/");
  populate(photos);
  ThumbnailCache misdirected(photos, true);
  EXPECT_EQ(CleanCache(misdirected, operation).deleted, 0u);
  EXPECT_EQ(EmptyCache(misdirected, operation), 0u);
  EXPECT_EQ(DeleteCacheAtExit(misdirected), 0u);
  camerasIntact(photos);
  for (const std::string& name : thumbnails) EXPECT_TRUE(testing::FileExists(photos + name));

  populate(cacheDir_);
  ASSERT_TRUE(Make(Picture("pics/trip/made.jpg")).ok());
  EXPECT_EQ(CleanCache(cache_, operation).deleted, 1u);  // 2008; the 2009 and 2011 twins are photos
  EXPECT_FALSE(testing::FileExists(cacheDir_ + "2008-Trip-IMG_1.jpg"));
  EXPECT_EQ(UpdateSelectedCache({trip}, true, cache_, ImageContext(), operation), 1u);
  camerasIntact(cacheDir_);

  const std::string elsewhere = home_.Join("disk2");
  testing::WriteFile(elsewhere + "/readme.txt", "x");
  ASSERT_TRUE(cache_.ChangeCacheFolder(elsewhere));
  camerasIntact(cacheDir_);
  ThumbnailCache old(cacheDir_, true);
  EXPECT_EQ(EmptyCache(old, operation), 3u);  // 2010, C_a and the one made
  camerasIntact(cacheDir_);

  populate(cacheDir_);
  EXPECT_EQ(DeleteCacheAtExit(old), 3u);
  camerasIntact(cacheDir_);
}

TEST_F(ThumbnailCacheTest, DeletionAtExitSparesFoldersThatAreNotCaches) {
  Touch(cacheDir_ + "a-b-c.jpg");
  EXPECT_EQ(DeleteCacheAtExit(cache_), 1u);
  const std::string photos = home_.Join("photos/");
  Touch(photos + "a-b-c.jpg");
  ThumbnailCache pointedElsewhere(photos, true);
  EXPECT_EQ(DeleteCacheAtExit(pointedElsewhere), 0u);
  EXPECT_TRUE(testing::FileExists(photos + "a-b-c.jpg"));
}

}  // namespace
}  // namespace lumidex
