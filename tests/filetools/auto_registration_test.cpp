#include "filetools/auto_registration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "filetools_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Pair;

class AutoRegistrationTest : public AlbumTest {
 protected:
  RecordingProgress progress;

  std::string Root() const { return home.Join("camera"); }
  std::string Shot(const std::string& relative, const std::string& date,
                   const std::string& exifDate = "") {
    const std::string path = Root() + "/" + relative;
    WritePictureDated(path, date, exifDate);
    return path;
  }
  Result<AutoRegisterReport> Run(const AutoRegisterOptions& options = {}) {
    AutoRegistration registration(*store, env->types);
    return registration.Run(Root(), options, progress);
  }
};

TEST_F(AutoRegistrationTest, PicturesGoToThePageOfTheirFileDate) {
  const std::string a = Shot("a.jpg", "2014/03/15");
  const std::string b = Shot("b.png", "2014/03/15");
  Shot("notes.txt", "2014/03/15");
  OpenYear("2014");
  auto report = Run();
  ASSERT_TRUE(report.ok()) << report.status().message();
  EXPECT_EQ(report.value().hitFiles, 3);
  EXPECT_EQ(progress.total, 3);
  EXPECT_TRUE(progress.ended);
  EXPECT_THAT(report.value().addedPerDate, ElementsAre(Pair("2014/03/15", 2)));
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n" + a + "=\r\n" + b + "=\r\n\r\n");
  EXPECT_THAT(ReadAlbum(IndexPath()), HasSubstr("03/15=.alb"));
  ASSERT_NE(store->FindSummary("03/15"), nullptr);
  EXPECT_EQ(store->FindSummary("03/15")->imageCount, 2);
  EXPECT_EQ(HitFilesText(12345), "hit files > 12,345");
}

TEST_F(AutoRegistrationTest, ShootingDatesDateJpgFilesButNotJpegFiles) {
  const std::string a = Shot("a.jpg", "2014/05/05", "2013:12:31 23:59:00");
  const std::string b = Shot("b.jpeg", "2014/05/05", "2013:12:31 23:59:00");
  const std::string c = Shot("c.jpg", "2014/05/05");
  OpenYear("2014");
  AutoRegisterOptions options;
  options.exifDates = true;
  auto report = Run(options);
  ASSERT_TRUE(report.ok());
  EXPECT_THAT(report.value().addedPerDate,
              ElementsAre(Pair("2013/12/31", 1), Pair("2014/05/05", 2)));
  EXPECT_EQ(ReadAlbum(YearPath("2013")), "[12/31]\r\n" + a + "=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[05/05]\r\n" + b + "=\r\n" + c + "=\r\n\r\n");
  EXPECT_THAT(ReadAlbum(IndexPath()), HasSubstr("12/31=.alb"));
}

TEST_F(AutoRegistrationTest, FoldersBecomeSubAlbumsAndTheRootOnlyWhenAsked) {
  const std::string a = Shot("旅行/a.jpg", "2014/03/15");
  const std::string b = Shot("b.jpg", "2014/03/15");
  const std::string c = Shot("旅行/c.jpg", "2013/03/15");
  OpenYear("2014");
  AutoRegisterOptions options;
  options.subAlbumsByFolder = true;
  ASSERT_TRUE(Run(options).ok());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n" + b + "=\r\n@03/15旅行=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(SubPath("2014")), "[03/15旅行]\r\n" + a + "=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(SubPath("2013")), "[03/15旅行]\r\n" + c + "=\r\n\r\n");
  EXPECT_EQ(store->FindSummary("03/15")->subAlbumCount, 1);

  options.rootFolderToo = true;
  ASSERT_TRUE(Run(options).ok());
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ::testing::Contains("@03/15camera="));
  EXPECT_THAT(store->subAlbumDocument().SectionLines("03/15camera"), ElementsAre(b + "="));
}

TEST_F(AutoRegistrationTest, EntriesAlreadyInTheAlbumKeepTheirComments) {
  const std::string a = Shot("a.jpg", "2014/03/15");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n" + a + "=思い出\r\n");
  OpenYear("2014");
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(report.value().alreadyThere, 1);
  EXPECT_THAT(report.value().addedPerDate, IsEmpty());
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n" + a + "=思い出\r\n");  // not even rewritten
}

TEST_F(AutoRegistrationTest, EachYearIsReadAndWrittenOnce) {
  for (int i = 0; i < 5; ++i)
    Shot("old" + std::to_string(i) + ".jpg", "2013/0" + std::to_string(i + 1) + "/10");
  Shot("new.jpg", "2014/01/01");
  OpenYear("2014");
  files.writes = 0;
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(report.value().added(), 6);
  // 2013.ini, 2014.ini and the page index, each once.
  EXPECT_EQ(files.writes, 3);
  EXPECT_EQ(store->yearDocument().SectionLines("01/01").size(), 1u);
  EXPECT_EQ(DecodeAlbumFile(ReadFile(YearPath("2013"))).find("[01/10]"), 0u);
}

TEST_F(AutoRegistrationTest, StoppingKeepsWhatWasRegisteredAndSavesIt) {
  const std::string a = Shot("a.jpg", "2013/03/15");
  Shot("b.jpg", "2013/03/15");
  Shot("c.jpg", "2013/03/15");
  OpenYear("2014");
  progress.stopAt = 2;
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_TRUE(report.value().stopped);
  EXPECT_EQ(ReadAlbum(YearPath("2013")), "[03/15]\r\n" + a + "=\r\n\r\n");
  EXPECT_TRUE(progress.ended);
}

TEST_F(AutoRegistrationTest, HiddenFilesOnlyWhenAskedAndLinkLoopsAreNotFollowed) {
  const std::string a = Shot("a.jpg", "2014/03/15");
  const std::string h = Shot(".hidden/h.jpg", "2014/03/15");
  const std::string d = Shot(".d.jpg", "2014/03/15");
  std::filesystem::create_directory_symlink(Root(), Root() + "/loop");
  OpenYear("2014");
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre(a + "="));
  AutoRegisterOptions options;
  options.includeHidden = true;
  ASSERT_TRUE(Run(options).ok());
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre(a + "=", d + "=", h + "="));
}

TEST_F(AutoRegistrationTest, TheOpenPageKeepsItsEditsAndShowsTheNewEntries) {
  const std::string a = Shot("a.jpg", "2014/03/15");
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n/p/x.jpg=\r\n");
  OpenYear("2014");
  ASSERT_TRUE(store->OpenPage("03/15").ok());
  store->SetLines({"/p/x.jpg=edited"});
  ASSERT_TRUE(Run().ok());
  EXPECT_THAT(store->Lines(), ElementsAre("/p/x.jpg=edited", a + "="));
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n/p/x.jpg=edited\r\n" + a + "=\r\n\r\n");
}

TEST_F(AutoRegistrationTest, NamesThatCannotBeStoredAreCountedAndSkipped) {
  Shot("\xff\xfe.jpg", "2014/03/15");
  Shot("a=b.jpg", "2014/03/15");
  const std::string a = Shot("日本.jpg", "2014/03/15");
  OpenYear("2014");
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(report.value().unstorable, 2);
  Open();
  ASSERT_TRUE(store->SwitchYear("2014/01/01").ok());
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre(a + "="));
}

TEST_F(AutoRegistrationTest, AFileThatVanishesDuringTheWalkIsSkippedAndToldAbout) {
  const std::string a = Shot("a.jpg", "2014/03/15");
  const std::string b = Shot("b.jpg", "2014/03/15");
  OpenYear("2014");
  // Another program removes a file after the walk listed it.
  progress.onStep = [&](int done) {
    if (done == 1) std::filesystem::remove(b);
  };
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(report.value().undated, 1);
  EXPECT_THAT(SkippedFilesMessage(report.value()), HasSubstr("（1 個）"));
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre(a + "="));
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n" + a + "=\r\n\r\n");
}

TEST_F(AutoRegistrationTest, AYearThatCannotBeReadIsNeitherWrittenNorMarkedAndIsToldAbout) {
  Shot("old.jpg", "2013/05/05");
  const std::string a = Shot("new.jpg", "2014/03/15");
  // A document that exists but cannot be read: a folder in its place.
  std::filesystem::create_directories(YearPath("2013"));
  OpenYear("2014");
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(report.value().unreadableYears, 1);
  ASSERT_EQ(report.value().readErrors.size(), 1u);
  EXPECT_THAT(report.value().readErrors[0], HasSubstr(YearPath("2013")));
  const std::string message = SkippedFilesMessage(report.value());
  EXPECT_THAT(message, HasSubstr(report.value().readErrors[0]));
  EXPECT_THAT(message, HasSubstr("（1 個）"));
  EXPECT_TRUE(std::filesystem::is_directory(YearPath("2013")));
  EXPECT_FALSE(FileExists(SubPath("2013")));
  EXPECT_THAT(ReadAlbum(IndexPath()), ::testing::Not(HasSubstr("05/05")));
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "[03/15]\r\n" + a + "=\r\n\r\n");
}

TEST_F(AutoRegistrationTest, NothingSkippedNeedsNoMessage) {
  Shot("a.jpg", "2014/03/15");
  OpenYear("2014");
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(SkippedFilesMessage(report.value()), "");
}

TEST_F(AutoRegistrationTest, FoldersAreListedOnceForTheCountAndTheRegistration) {
  const std::string a = Shot("a.jpg", "2014/03/15");
  const std::string b = Shot("sub/b.jpg", "2014/03/15");
  OpenYear("2014");
  // A file that appears after the count would otherwise be registered without
  // a step of the progress bar: it is left to the next run.
  progress.onStep = [&](int done) {
    if (done == 1) WritePictureDated(Root() + "/sub/c.jpg", "2014/03/15");
  };
  auto report = Run();
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(progress.total, 2);
  EXPECT_THAT(progress.items, ElementsAre(a, b));
  EXPECT_EQ(report.value().walked, report.value().hitFiles);
  EXPECT_THAT(store->yearDocument().SectionLines("03/15"), ElementsAre(a + "=", b + "="));
}

TEST_F(AutoRegistrationTest, AMissingFolderIsReportedAndNothingIsWritten) {
  OpenYear("2014");
  files.writes = 0;
  auto report = Run();
  EXPECT_FALSE(report.ok());
  EXPECT_EQ(files.writes, 0);
}

TEST(SubAlbumNameTest, TheFolderOfTheFileNamesItsSubAlbum) {
  EXPECT_EQ(SubAlbumNameFor("/r/旅行/a.jpg", "/r", false), "旅行");
  EXPECT_EQ(SubAlbumNameFor("/r/a.jpg", "/r", false), "");
  EXPECT_EQ(SubAlbumNameFor("/r/a.jpg", "/r", true), "r");
  EXPECT_EQ(SubAlbumNameFor("/a.jpg", "/", true), "");
}

}  // namespace
}  // namespace lumidex::testing
